// Helpers shared by the core tests: a member builder that stores members as
// the member dialog does, file reading and writing, and the golden-file
// comparison.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "store/ClassDAO.h"
#include "store/MemberDAO.h"
#include "vocabulary/Member.h"

namespace test {

// The source tree, as the build names it (absolute, whatever directory
// the tests run in).
inline const std::filesystem::path kSourceDir = CORVANE_SOURCE_DIR;
inline const std::filesystem::path kGoldenDir = kSourceDir / "tests" / "golden";
inline const std::filesystem::path kFixtureDir = kSourceDir / "tests" / "fixtures";
// The skeleton the program ships (template/ and bak/).
inline const std::filesystem::path kResourceDir = kSourceDir / "resources";

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes the bytes, creating missing parent directories.
inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// The text of the error E that body throws; a failure when it throws none.
template <typename E, typename Body>
std::string ErrorOf(Body body) {
  try {
    body();
  } catch (const E& e) {
    return e.what();
  }
  ADD_FAILURE() << "no error";
  return {};
}

// The line with CR and tab shown, so that a difference in them can be seen.
inline std::string Visible(const std::string& line) {
  std::string out;
  for (char c : line) out += c == '\r' ? "\\r" : c == '\t' ? "\\t" : std::string(1, c);
  return out;
}

// Passes when equal; otherwise names the first differing line of each text.
inline ::testing::AssertionResult SameText(const std::string& expected, const std::string& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  std::istringstream e(expected), a(actual);
  std::string le, la;
  for (int line = 1;; ++line) {
    const bool moreE = static_cast<bool>(std::getline(e, le));
    const bool moreA = static_cast<bool>(std::getline(a, la));
    if (!moreE && !moreA)
      return ::testing::AssertionFailure() << "texts differ only in their last line break";
    if (moreE != moreA || le != la)
      return ::testing::AssertionFailure()
             << "first difference at line " << line << "\n  expected: ["
             << (moreE ? Visible(le) : "<end of text>") << "]\n  actual:   ["
             << (moreA ? Visible(la) : "<end of text>") << "]";
  }
}

// A member as the member dialog stores it: the integer and float flags
// follow the type. Change fields of the answer before Store() for the
// rest, or to make a record the dialogs cannot.
struct TMemberBuilder {
  TMember m;
  TMemberBuilder(int projectId, int classId, std::string name, std::string_view type,
                 std::string comment = "注释", int length = 0) {
    m.projectId = projectId;
    m.classId = classId;
    m.memberName = std::move(name);
    m.memberType = std::string(type);
    m.memberComment = std::move(comment);
    m.memberLength = length;
    m.memberIsMust = 1;
    m.memberIsInteger = type == kTypeInteger ? 1 : 0;
    m.memberIsFloat = type == kTypeFloat ? 1 : 0;
  }
  TMemberBuilder& Key() {
    m.memberIsPri = 1;
    return *this;
  }
  TMemberBuilder& Display() {
    m.memberIsDisplay = 1;
    return *this;
  }
  TMemberBuilder& Hidden() {
    m.memberQueryDisplay = 0;
    return *this;
  }
  TMemberBuilder& Optional() {
    m.memberIsMust = 0;
    return *this;
  }
  TMemberBuilder& Queried() {
    m.queryFlag = 1;
    return *this;
  }
  TMemberBuilder& With(TMemberConstraints c) {
    m.constraints = std::move(c);
    return *this;
  }
  int Store() const { return TMemberDAO().AddMember(m); }
};

inline int AddClass(int projectId, const std::string& name, const std::string& friendName) {
  return TClassDAO().AddClass(projectId, name, friendName, 1);
}

}  // namespace test
