// The entry rules below the dialogs and the command line: which rule
// answers first where the order matters, edge values, names taken within
// a project, and the record an accepted member entry becomes. The texts
// themselves are checked where the user reads them (window and CLI tests).
#include <tuple>

#include "TempDesign.h"
#include "commands/DesignRules.h"
#include "store/ClassDAO.h"
#include "store/ProjectDAO.h"

namespace {

using Rules = TempDesign;

std::string Said(const TRuleResult& r) {
  return r ? r->message : "<accepted>";
}

TMemberEntry Member(std::string name, std::string type, bool must = true) {
  TMemberEntry e;
  e.memberName = std::move(name);
  e.memberType = std::move(type);
  e.isMust = must;
  return e;
}

TEST_F(Rules, ProjectNamesMustServeAsDirectoryNames) {
  for (const char* unsafe : {"a/b", "a\\b", ".", "..", "tab\there", "nl\n", "del\x7f"})
    EXPECT_EQ(Said(CheckAddProject(unsafe)), msg::kProjectNameUnsafe) << unsafe;
  const int demo = TProjectDAO().AddProject("Demo");
  EXPECT_EQ(Said(CheckRenameProject(demo, "..")), msg::kProjectNameUnsafe);
  // Names Windows will not take as a folder, and over-long byte lengths
  // (80 four-byte characters pass the character count).
  for (const char* windows : {"con", "CON", "Nul.txt", "com1", "LPT9.x", "name.", "name ", "  "})
    EXPECT_EQ(Said(CheckAddProject(windows)), msg::kProjectNameWindows) << windows;
  std::string emoji;
  for (int i = 0; i < 80; ++i) emoji += "\xF0\x9F\x98\x80";
  EXPECT_EQ(Said(CheckAddProject(emoji)), msg::ProjectNameBytes());
  // Nothing is trimmed.
  for (const char* fine : {".hidden", "图书 管理", "com10", "console", "lpt"})
    EXPECT_EQ(Said(CheckAddProject(fine)), "<accepted>") << fine;
}

TEST_F(Rules, ControlCharactersAreRefusedInNamesAndTextsNamingTheField) {
  const int p = TProjectDAO().AddProject("P");
  for (const char* bad : {"Book\x1b[2J", "Bo\nok", "Bo\tok", "Bo\xC2\x85ok"}) {
    EXPECT_EQ(CheckAddClass(p, bad, "图书")->field, "className") << bad;
    EXPECT_EQ(Said(CheckAddClass(p, "Book", std::string("图") + (bad + 2))),
              msg::kFriendNameControl) << bad;
    TMemberEntry e = Member("title", std::string(kTypeString));
    e.memberComment = bad;
    EXPECT_EQ(Said(CheckAddMember(e)), msg::kCommentControl) << bad;
    e.memberComment = "书名";
    e.memberName = std::string("t") + bad;
    EXPECT_EQ(CheckAddMember(e)->field, "memberName") << bad;
  }
}

TEST_F(Rules, TakenNamesIgnoreAsciiCaseWithinTheProjectAndNeverCountThemselves) {
  const int demo = TProjectDAO().AddProject("Demo");
  EXPECT_EQ(Said(CheckAddProject("dEMO")), msg::kProjectNameTaken);
  EXPECT_EQ(Said(CheckRenameProject(demo, "DEMO")), "<accepted>");
  const int other = TProjectDAO().AddProject("Other");
  EXPECT_EQ(Said(CheckRenameProject(other, "demo")), msg::kProjectNameTaken);

  const int book = TClassDAO().AddClass(demo, "Book", "图书", 1);
  TClassDAO().AddClass(demo, "Dept", "部门", 1);
  EXPECT_EQ(Said(CheckAddClass(demo, "BOOK", "书")), msg::kClassNameTaken);
  EXPECT_EQ(Said(CheckAddClass(other, "Book", "书")), "<accepted>");
  EXPECT_EQ(Said(CheckUpdateClass(demo, book, "BOOK", "书")), "<accepted>");
  EXPECT_EQ(Said(CheckUpdateClass(demo, book, "DEPT", "书")), msg::kClassNameTaken);
}

TEST_F(Rules, ClassDialogsCheckTheFriendNameAtDifferentPoints) {
  const int p = TProjectDAO().AddProject("P");
  // Adding checks the friendly name before the capital, updating after it.
  EXPECT_EQ(Said(CheckAddClass(p, "book", "")), msg::kFriendNameEmpty);
  const int book = TClassDAO().AddClass(p, "Book", "图书", 1);
  EXPECT_EQ(Said(CheckUpdateClass(p, book, "book", "")), msg::kClassNameCapital);
  EXPECT_EQ(Said(CheckAddClass(p, "", "图书")), msg::kClassNameEmpty);
  // Only the first byte is tested, against 'A' to 'Z' exactly.
  for (const char* bad : {"@Book", "[Book", "_Book"})
    EXPECT_EQ(Said(CheckAddClass(p, bad, "图书")), msg::kClassNameCapital) << bad;
  for (const char* fine : {"A", "Z图书 2"})
    EXPECT_EQ(Said(CheckAddClass(p, fine, "图书")), "<accepted>") << fine;
}

TEST_F(Rules, MemberNamesAndKeysAtTheirEdges) {
  // Only the first byte is tested, against 'a' to 'z' exactly.
  for (const char* bad : {"`a", "{a", "书名"})
    EXPECT_EQ(Said(CheckAddMember(Member(bad, "字符串"))), msg::kMemberNameLower) << bad;
  for (const char* fine : {"a", "z Itle书"})
    EXPECT_EQ(Said(CheckAddMember(Member(fine, "字符串"))), "<accepted>") << fine;
  // An optional image passes the must rule and still meets the key rule.
  TMemberEntry imageKey = Member("k", "图片型", false);
  imageKey.isPri = true;
  EXPECT_EQ(Said(CheckUpdateMember(imageKey)), msg::kKeyType);
  TMemberEntry key = Member("k", "字符串");  // a string key may be queried
  key.isPri = key.queryFlag = true;
  EXPECT_EQ(Said(CheckUpdateMember(key)), "<accepted>");
}

// The window tests cover the length box of other types and the flags of
// integer members; these are the edges of the length and the other flags.
TEST_F(Rules, BuildMemberReadsTheLengthOfStringsAndDerivesFlags) {
  TMember m;
  TMemberEntry e = Member("title", "字符串");
  e.memberComment = "书名";
  e.isDisplay = true;
  e.lengthText = " 50 ";
  ASSERT_FALSE(BuildMember(e, 3, 4, m));
  EXPECT_EQ(std::tie(m.projectId, m.classId, m.memberLength, m.memberComment, m.memberIsDisplay),
            std::make_tuple(3, 4, 50, std::string("书名"), 1));
  EXPECT_EQ(m.memberIsInteger + m.memberIsFloat + m.memberIsPri + m.queryFlag, 0);
  for (const char* bad : {"", "  ", "5x", "5 0", "2.5"}) {
    e.lengthText = bad;
    EXPECT_EQ(Said(BuildMember(e, 3, 4, m)), msg::kLengthNotNumber) << bad;
  }
  e.memberType = "浮点型";
  ASSERT_FALSE(BuildMember(e, 3, 4, m));
  EXPECT_EQ(m.memberIsFloat, 1);
  EXPECT_EQ(m.memberIsInteger, 0);
}

TEST_F(Rules, TypeChoicesOfferTheOtherClassesInClassOrder) {
  const int p = TProjectDAO().AddProject("P");
  TClassDAO().AddClass(p, "Book", "图书", 1);
  const int dept = TClassDAO().AddClass(p, "Dept", "部门", 1);
  TClassDAO().AddClass(p, "Area", "地区", 1);
  TClassDAO().AddClass(TProjectDAO().AddProject("Q"), "Other", "其他", 1);
  EXPECT_EQ(
      MemberTypeChoices(p, dept),
      (std::vector<std::string>{"字符串", "整型", "浮点型", "日期型", "图片型", "Book", "Area"}));
}

}  // namespace
