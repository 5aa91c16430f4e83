// The design commands where a front end cannot easily reach: a target that
// another process removed between the user's choice and the write, the
// place a refusal points to, the lookup of the command line's names, and
// what a value in the design database reads as, whatever made the file.
#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "TempDesign.h"
#include "TestSupport.h"
#include "commands/DesignCommands.h"
#include "commands/DesignReads.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"

namespace {

class CommandsTest : public TempDesign {
protected:
  void SetUp() override {
    TempDesign::SetUp();
    project_ = commands::AddProject("Shop").id;
    dept_ = commands::AddClass(project_, {"Dept", "部门"}).id;
    TMemberEntry key;
    key.memberName = "deptId";
    key.memberType = "整型";
    key.isPri = key.isMust = true;
    deptId_ = commands::AddMember(project_, dept_, key).id;
  }
  static int Rows(const char* table) {
    return TDbHelper().GetIntValue(std::string("select count(*) from ") + table);
  }
  int project_ = 0, dept_ = 0, deptId_ = 0;
};

// The message of a refusal that reports its target gone.
std::string Gone(const TCommandResult& result) {
  return result.gone ? result.message : "<not reported gone>";
}

TEST_F(CommandsTest, TargetsGoneBeforeTheWriteAreReportedAndNothingIsWritten) {
  TMemberEntry name;
  name.memberName = "name";
  name.memberType = "字符串";
  const int other = commands::AddClass(project_, {"Other", "其他"}).id;
  const int otherId = commands::AddMember(project_, other, name).id;
  ASSERT_GT(otherId, 0);
  commands::DeleteClass(other);
  const int rows = Rows("t_member");

  EXPECT_EQ(Gone(commands::AddMember(project_, other, name)), msg::kClassGone);
  EXPECT_EQ(Gone(commands::UpdateClass(project_, other, {"Other", "其他"})), msg::kClassGone);
  EXPECT_EQ(Gone(commands::UpdateMember(project_, other, otherId, name)), msg::kMemberGone);
  // A member of another class is not this class's, whatever its identifier.
  EXPECT_EQ(Gone(commands::UpdateMember(project_, dept_, otherId, name)), msg::kMemberGone);
  EXPECT_EQ(Gone(commands::DeleteMember(otherId)), msg::kMemberGone);
  EXPECT_EQ(Gone(commands::MoveMember(dept_, otherId, -1)), msg::kMemberGone);
  EXPECT_EQ(Gone(commands::ExchangeMembers(dept_, {deptId_, otherId})), msg::kMemberGone);
  EXPECT_EQ(Gone(commands::DeleteClass(other)), msg::kClassGone);
  EXPECT_EQ(Rows("t_member"), rows);

  commands::DeleteProject(project_);
  EXPECT_EQ(Gone(commands::AddClass(project_, {"Late", "迟"})), msg::kProjectGone);
  EXPECT_EQ(Gone(commands::RenameProject(project_, "Store")), msg::kProjectGone);
  EXPECT_EQ(Rows("t_class"), 0);
  EXPECT_EQ(Rows("t_project"), 0);
}

TEST_F(CommandsTest, MovesFollowTheOrderStoredNowAndExchangeNeedsTwoMembers) {
  TMemberEntry e;
  e.memberType = "字符串";
  for (const char* n : {"b", "c"}) {
    e.memberName = n;
    ASSERT_TRUE(commands::AddMember(project_, dept_, e));
  }
  const std::vector<TMember> before = TMemberDAO().ListMembers(dept_);
  EXPECT_EQ(commands::MoveMember(dept_, before[0].memberId, -1).message, msg::kFirstCannotMoveUp);
  EXPECT_EQ(commands::MoveMember(dept_, before[2].memberId, +1).message, msg::kLastCannotMoveDown);
  EXPECT_EQ(commands::MoveMember(dept_, -1, +1).message, msg::kSelectMemberFirst);
  EXPECT_EQ(commands::ExchangeMembers(dept_, {deptId_, deptId_}).message, msg::kSelectTwo);
  EXPECT_TRUE(commands::MoveMember(dept_, before[2].memberId, -1));
  std::vector<std::string> names;
  for (const TMember& m : TMemberDAO().ListMembers(dept_)) names.push_back(m.memberName);
  EXPECT_EQ(names, (std::vector<std::string>{"deptId", "c", "b"}));
}

TEST_F(CommandsTest, ARefusalNamesTheFieldItIsAbout) {
  TMemberEntry e;
  e.memberName = "code";
  e.memberType = "字符串";
  e.lengthText = "0";
  EXPECT_EQ(commands::AddMember(project_, dept_, e).field, "memberLength");
  e.lengthText = "x";
  EXPECT_EQ(commands::AddMember(project_, dept_, e).field, "memberLength");
  e.lengthText = "10";
  e.memberComment = std::string(129, 'c');
  EXPECT_EQ(commands::AddMember(project_, dept_, e).field, "memberComment");
  e.memberType = "Nothing";
  EXPECT_EQ(commands::AddMember(project_, dept_, e).field, "memberType");
  EXPECT_EQ(commands::AddClass(project_, {"Item", std::string(129, 'f')}).field, "friendName");
  EXPECT_EQ(commands::AddProject("shop").field, "projectName");
  e.memberType = "字符串";
  e.memberComment.clear();
  e.lengthText = " +8000 ";
  EXPECT_TRUE(commands::AddMember(project_, dept_, e));
}

TEST_F(CommandsTest, CommandLineNamesFindOneTargetOrNothing) {
  const auto ref = [](std::string project, std::optional<int> projectId,
                      std::optional<std::string> className = {},
                      std::vector<std::string> memberNames = {}) {
    return commands::TDesignRef{std::move(project), projectId, std::move(className),
                                std::move(memberNames)};
  };
  TMemberEntry twin;
  twin.memberName = "twin";
  twin.memberType = "字符串";
  const int first = commands::AddMember(project_, dept_, twin).id;
  const int second = commands::AddMember(project_, dept_, twin).id;
  const std::string dept = "#" + std::to_string(dept_);
  const int foreign = commands::AddClass(commands::AddProject("Other").id, {"Dept", "部门"}).id;
  const commands::TLookup found =
      commands::Find(ref("Shop", project_, dept, {"#" + std::to_string(second), "deptId"}));
  ASSERT_TRUE(found) << found.refusal;
  EXPECT_EQ(found.target.classId, dept_);
  EXPECT_EQ(found.target.memberIds, (std::vector<int>{second, deptId_}));
  EXPECT_EQ(commands::Find(ref("Shop", {}, "Dept", {"twin"})).refusal,
            "有多个成员名为 \"twin\"(编号 " + std::to_string(first) + ", " +
                std::to_string(second) + ")，请用 #编号 指定其一");
  // Names are exact; "#" with anything but a number is a name; a number
  // names a class of this project only.
  for (const commands::TDesignRef& wrong :
       {ref("shop", {}), ref("Shop", project_ + 1), ref("Shop", {}, "dept"), ref("Shop", {}, "#+1"),
        ref("Shop", {}, "#" + std::to_string(foreign)), ref("Shop", {}, "Dept", {"#1x"})})
    EXPECT_FALSE(commands::Find(wrong)) << wrong.project << " " << wrong.className.value_or("");
  bool ran = false;
  EXPECT_FALSE(commands::OnTarget(ref("Shop", {}, "Dept", {"none"}), [&](const commands::TTarget&) {
    ran = true;
    return TCommandResult();
  }));
  EXPECT_FALSE(ran);
}

TEST_F(CommandsTest, StoredNumbersReadOneWayWithoutWrapping) {
  TRowSet rows = TDbHelper().ExecuteQuery(
      "select 7 as i, 2147483648 as big, -2147483649 as small, 20.0 as whole, 20.5 as part,"
      " 1e300 as huge, '1' as text, null as empty, x'01' as blob");
  EXPECT_EQ(rows.AsWholeNumber("i"), 7);
  EXPECT_EQ(rows.AsWholeNumber("whole"), 20);
  EXPECT_EQ(rows.AsWholeNumber("empty"), 0);
  for (const char* column : {"big", "small", "part", "huge", "text", "blob"}) {
    EXPECT_EQ(rows.AsWholeNumber(column), std::nullopt) << column;
    EXPECT_EQ(rows.AsInteger(column), 0) << column;
  }
  EXPECT_EQ(rows.AsString("huge"), "1e+300");
  EXPECT_EQ(TDbHelper().GetIntValue("select 4294967297"), 0);

  Sql("update t_member set memberLength=9223372036854775807, memberIsPri=4294967297");
  const TMember m = *TMemberDAO().GetMember(deptId_);
  EXPECT_EQ(m.LengthText(), "9223372036854775807");
  EXPECT_FALSE(m.IsKey());
  EXPECT_EQ(EntryFromMember(m).lengthText, "9223372036854775807");
}

TEST_F(CommandsTest, AFileWithoutTablesGetsThemAndOneWithOthersIsLeftAsItIs) {
  TDbHelper::Close();
  const std::filesystem::path empty = Dir() / "empty.mdb";
  std::ofstream(empty).close();
  TDbHelper::SetDatabaseFile(empty.string());
  EXPECT_EQ(TProjectDAO().GetAllProjects(), TNameList{});
  TDbHelper::Close();

  // A file made by other tools that holds only one of the tables.
  const std::filesystem::path other = Dir() / "other.mdb";
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(other.c_str(), &db), SQLITE_OK);
  sqlite3_exec(db, "create table t_project(projectId integer primary key, projectName text)",
               nullptr, nullptr, nullptr);
  sqlite3_close(db);
  const std::string bytes = test::ReadFile(other);
  TDbHelper::SetDatabaseFile(other.string());
  try {
    TDbHelper().Open();
    ADD_FAILURE() << "opened";
  } catch (const TDbError& e) {
    EXPECT_NE(std::string(e.what()).find("缺少表 t_class"), std::string::npos) << e.what();
  }
  EXPECT_EQ(test::ReadFile(other), bytes);
  EXPECT_TRUE(std::filesystem::exists(other));
}

}  // namespace
