// What the core tests share: places of a test's own (a temporary directory
// and a fresh design database in it), file reading and writing, the
// golden-file comparison, a member builder that stores members as the member
// dialog does, and a generation run that records what its host is told.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "commands/DesignCommands.h"
#include "commands/SampleDesign.h"
#include "generate/AutoCode.h"
#include "generate/GeneratorContext.h"
#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/DesignReader.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"

namespace test {

// The source tree, as the build names it (absolute, whatever directory
// the tests run in).
inline const std::filesystem::path kSourceDir = CORVANE_SOURCE_DIR;
inline const std::filesystem::path kGoldenDir = kSourceDir / "tests" / "golden";
// The skeleton the program ships (template/ and bak/).
inline const std::filesystem::path kResourceDir = kSourceDir / "resources";

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes the bytes, creating missing parent directories.
inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
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

// The text equals the golden file at relative (below tests/golden).
inline ::testing::AssertionResult SameAsGolden(const std::string& relative,
                                               const std::string& actual) {
  return SameText(ReadFile(kGoldenDir / relative), actual) << relative;
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

// Runs sql on the design database file through a connection of its own,
// as another process (or the window, while a run is going) would.
inline void SqlFromElsewhere(const std::filesystem::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  sqlite3_busy_timeout(db, 5000);
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
  sqlite3_close(db);
}

// Templates as the memory context serves them (byte-order mark gone). Each
// placeholder of a tier project stands twice to show that every occurrence
// is filled.
using TFiles = std::map<std::string, std::string>;
inline const TFiles kTemplates = {
    {"template/LoginFrame/Model/Model.csproj", "<Model>\r\n$CompileString</Model>$CompileString"},
    {"template/LoginFrame/DAL/DAL.csproj", "<DAL>\r\n$CompileString</DAL>$CompileString"},
    {"template/LoginFrame/BLL/BLL.csproj", "<BLL>\r\n$CompileString</BLL>$CompileString"},
    {"template/LoginFrame/LoginFrame/LoginFrame.csproj",
     "<UI>\r\n$CompileString<Res>\r\n$EmbeddedResourceString</UI>\r\n"},
    {"template/LoginFrame/LoginFrame/Frm主面.cs", "<cs>\r\n$csString</cs>\r\n"},
    {"template/LoginFrame/LoginFrame/Frm主面.designer.cs",
     "<1>\r\n$designerString1<2>\r\n$designerString2<3>\r\n$designerString3<4>\r\n"
     "$designerString4</4>\r\n"},
};

// Every file the generators write for the design, in memory.
inline TMemoryContext Generate(const TDesign& design) {
  TMemoryContext ctx(design.projectName);
  ctx.templates = kTemplates;
  GenerateSolution(ctx, design);
  return ctx;
}

// A copy of the skeleton the program ships (template/ and bak/) in dir, for
// tests to change or take parts away.
inline void CopySkeleton(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  for (const char* tree : {"template", "bak"})
    std::filesystem::copy(kResourceDir / tree, dir / tree,
                          std::filesystem::copy_options::recursive);
}

// Records what a generation run tells its host, in order: progress lines
// as they are, then "precheck: ", "failed: " or "completed" with the rest.
class TRecordingHost : public TGenerationHost {
public:
  void Progress(const std::string& line) override { events.push_back(line); }
  void PreCheckFailed(const std::string& message) override {
    events.push_back("precheck: " + message);
  }
  void Completed(const std::filesystem::path& dir) override {
    events.push_back("completed");
    projectDir = dir;
  }
  void Failed(const std::string& error) override { events.push_back("failed: " + error); }
  std::vector<std::string> events;
  std::filesystem::path projectDir;
};

}  // namespace test

class TempDir : public ::testing::Test {
protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = std::filesystem::temp_directory_path() /
           ("corvane-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  const std::filesystem::path& Dir() const { return dir_; }
  std::filesystem::path At(const std::string& relative) const { return dir_ / relative; }

private:
  std::filesystem::path dir_;
};

// The design database is projects.mdb in the test's directory, created on
// first use.
class TempDesign : public TempDir {
protected:
  void SetUp() override {
    TempDir::SetUp();
    TDbHelper::SetDatabaseFile((Dir() / "projects.mdb").string());
  }
  void TearDown() override {
    TDbHelper::Close();
    TempDir::TearDown();
  }
  // Runs raw SQL on the design database (test set-up only).
  void Sql(const std::string& sql) { TDbHelper().ExecuteSql(sql); }
};
