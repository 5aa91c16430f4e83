// Seeded random designs for round trips (design text, table script): each
// class has an integer or string key and a display member, then members of
// random types (yes/no among them), references to earlier and later
// classes among them, with random flags, lengths, comments and, for some,
// constraints. Every member is stored as the member dialog stores it.
#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "store/ClassDAO.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "vocabulary/EntryRules.h"

namespace test {

// Stores a member as the member dialog does, refusing what it refuses.
inline void AddEntry(int projectId, int classId, const TMemberEntry& e) {
  ASSERT_EQ(CheckAddMember(e), std::nullopt) << e.memberName;
  TMember m;
  ASSERT_EQ(BuildMember(e, projectId, classId, m), std::nullopt) << e.memberName;
  TMemberDAO().AddMember(m);
}

// The project "Random<seed>".
inline int RandomDesign(unsigned seed) {
  std::mt19937 rng(seed);
  auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  const int p = TProjectDAO().AddProject("Random" + std::to_string(seed));
  std::vector<std::string> names;
  std::vector<int> ids;
  const int classCount = 1 + pick(5);
  for (int i = 0; i < classCount; ++i) {
    names.push_back("Cls" + std::to_string(i) + std::string(1, static_cast<char>('a' + pick(26))));
    ids.push_back(
        TClassDAO().AddClass(p, names.back(), "类别" + std::to_string(pick(100)), pick(2)));
  }
  const std::vector<std::string> comments = {"", "名称", "it's", "数量 (件)", "a/b"};
  for (int i = 0; i < classCount; ++i) {
    TMemberEntry key;
    key.memberName = "id";
    key.memberType = pick(2) ? "整型" : "字符串";
    key.lengthText = std::to_string(1 + pick(50));
    key.isPri = key.isMust = true;
    AddEntry(p, ids[i], key);
    TMemberEntry label;
    label.memberName = "label";
    label.memberType = "字符串";
    label.isDisplay = true;
    label.queryFlag = pick(2);
    AddEntry(p, ids[i], label);
    std::vector<std::string> types(kBaseTypes.begin(), kBaseTypes.end());
    for (int j = 0; j < classCount; ++j)
      if (j != i) types.push_back(names[j]);
    for (int j = pick(7); j > 0; --j) {
      TMemberEntry e;
      e.memberName = "m" + std::to_string(j) + std::string(1, static_cast<char>('a' + pick(26)));
      e.memberType = types[pick(static_cast<int>(types.size()))];
      e.lengthText = std::to_string(1 + pick(299));
      e.memberComment = comments[pick(static_cast<int>(comments.size()))];
      const bool optionalType = e.memberType == "字符串" || e.memberType == "图片型";
      e.isMust = !optionalType || pick(2);
      const bool queryable =
          e.memberType != "整型" && e.memberType != "浮点型" && e.memberType != "图片型";
      e.queryFlag = queryable && pick(2);
      e.queryDisplay = pick(3) != 0;
      if (pick(3) == 0) {
        if (e.memberType == "整型") e.constraints = {pick(2) == 0, "7", "0", "100", {}};
        if (e.memberType == "浮点型") e.constraints = {false, "", "-0.5", "", {}};
        if (e.memberType == "布尔型") e.constraints.defaultValue = "是";
        if (e.memberType == "字符串") {
          e.lengthText = std::to_string(6 + pick(50));
          e.constraints = {e.isMust && pick(2), "", "", "", {"甲", "it's"}};
        }
      }
      AddEntry(p, ids[i], e);
    }
  }
  return p;
}

}  // namespace test
