// The design store: the answers callers rely on, row order, cascades kept
// within a project, changes that fail half-way, values and files other
// tools made, and reads beside another process's writes.
#include <sqlite3.h>

#include <tuple>

#include "TestSupport.h"

namespace {

using test::TMemberBuilder;

class StoreTest : public TempDesign {
protected:
  static std::vector<std::string> MemberNames(int classId) {
    std::vector<std::string> names;
    for (const TMember& m : TMemberDAO().ListMembers(classId)) names.push_back(m.memberName);
    return names;
  }
  static int Count(const std::string& sql) { return TDbHelper().GetIntValue(sql); }
  // Makes every matching change fail, as a full disk or a crash would.
  void FailOn(const std::string& event, const std::string& when = "") {
    Sql("create trigger fail" + std::to_string(++triggers_) + " before " + event + when +
        " begin select raise(abort, 'injected failure'); end");
  }
  int triggers_ = 0;
};

TEST_F(StoreTest, ListsFollowAscendingIdentifiersWhateverIndexTheEngineUses) {
  // With only this member index and the class index the engine hands rows
  // out by name unless order is asked for.
  Sql("drop index ix_member_class");
  Sql("create index ix_test_member_name on t_member(classId, memberName)");
  const int p = TProjectDAO().AddProject("Zoo");
  const int zeta = test::AddClass(p, "Zeta", "甲");
  const int alpha = test::AddClass(p, "Alpha", "乙");
  for (const char* name : {"zz", "aa", "mm"}) TMemberBuilder(p, zeta, name, kTypeString).Store();
  TMemberBuilder(p, alpha, "bb", kTypeString).Store();
  TMemberBuilder(p, zeta, "ab", kTypeString).Store();
  const int b = TProjectDAO().AddProject("B");

  EXPECT_EQ(TProjectDAO().GetAllProjects(), (TNameList{{"Zoo", p}, {"B", b}}));
  EXPECT_EQ(TClassDAO().GetClassList(p), (TNameList{{"Zeta", zeta}, {"Alpha", alpha}}));
  EXPECT_EQ(MemberNames(zeta), (std::vector<std::string>{"zz", "aa", "mm", "ab"}));
  std::vector<std::string> all, read;
  TMemberDAO().ForEachProjectMember(p, [&](TMember& m) { all.push_back(m.memberName); });
  EXPECT_EQ(all, (std::vector<std::string>{"zz", "aa", "mm", "ab", "bb"}));
  for (const TDesignClass& c : ReadDesign(p).classes)
    for (const TDesignMember& m : c.members) read.push_back(c.className + "." + m.memberName);
  EXPECT_EQ(read,
            (std::vector<std::string>{"Zeta.zz", "Zeta.aa", "Zeta.mm", "Zeta.ab", "Alpha.bb"}));
}

// Numbers other tools stored read one way, never wrapped: a flag is set only
// when it holds exactly one.
TEST_F(StoreTest, StoredNumbersReadOneWayWithoutWrapping) {
  const int p = TProjectDAO().AddProject("P");
  TMemberBuilder(p, test::AddClass(p, "Book", "图书"), "bookId", kTypeInteger).Key().Store();
  Sql("update t_member set memberIsPri=4294967297, memberIsDisplay=-1, memberIsMust=2");
  // The generation pre-checks and the table script read them so.
  const TDesignClass cls = ReadDesign(p).classes.at(0);
  EXPECT_EQ(cls.KeyCount() + cls.DisplayCount(), 0);
  EXPECT_FALSE(cls.members.at(0).IsMust());

  // A file made by other tools may spell the columns in another letter case.
  const TRowSet rows = TDbHelper().ExecuteQuery(
      "select 7 as i, 20.0 as whole, null as empty, 1 as UPPER, 2147483648 as big, "
      "-2147483649 as small, 20.5 as part, 1e300 as huge, '1' as text, x'01' as blob");
  EXPECT_EQ(std::make_tuple(rows.AsWholeNumber("i"), rows.AsWholeNumber("whole"),
                            rows.AsWholeNumber("empty"), rows.AsInteger("upper")),
            std::make_tuple(7, 20, 0, 1));
  for (const char* column : {"big", "small", "part", "huge", "text", "blob"}) {
    EXPECT_EQ(rows.AsWholeNumber(column), std::nullopt) << column;
    EXPECT_EQ(rows.AsInteger(column), 0) << column;
  }
  EXPECT_EQ(TDbHelper().GetIntValue("select 4294967297"), 0);
}

// The window and CLI tests rename a class with a reference to it.
TEST_F(StoreTest, ClassRenameCascadesWithinItsProjectOnly) {
  const int p1 = TProjectDAO().AddProject("P1");
  const int p2 = TProjectDAO().AddProject("P2");
  const int dept1 = test::AddClass(p1, "Dept", "部门");
  test::AddClass(p2, "Dept", "部门");
  const int ref2 = TMemberBuilder(p2, test::AddClass(p2, "Emp", "员工"), "dept", "Dept").Store();
  TClassDAO().UpdateClass(p1, dept1, "Depart", "部门二", 0);
  EXPECT_EQ(TClassDAO().GetClassName(dept1), "Depart");
  EXPECT_EQ(TMemberDAO().GetMember(ref2)->memberType, "Dept");
}

TEST_F(StoreTest, DeletesTakeDependentRowsAndNothingElse) {
  const int p1 = TProjectDAO().AddProject("P1");
  const int p2 = TProjectDAO().AddProject("P2");
  const int c1 = test::AddClass(p1, "A", "甲");
  TMemberBuilder(p1, c1, "a", kTypeInteger).Store();
  TMemberBuilder(p1, test::AddClass(p1, "B", "乙"), "b", "A").Store();
  TMemberBuilder(p2, test::AddClass(p2, "A", "甲"), "c", kTypeInteger).Store();

  TClassDAO().DeleteClass(c1);
  EXPECT_TRUE(MemberNames(c1).empty());
  EXPECT_EQ(Count("select count(*) from t_member"), 2);  // the reference to A stays

  TProjectDAO().DeleteProject(p1);
  EXPECT_EQ(TProjectDAO().GetAllProjects(), (TNameList{{"P2", p2}}));
  EXPECT_TRUE(TClassDAO().GetClassList(p1).empty());
  EXPECT_EQ(Count("select count(*) from t_member"), 1);
}

// Failures half-way through a change must leave the design as it was.
TEST_F(StoreTest, ChangesThatFailHalfWayLeaveEverything) {
  const int p = TProjectDAO().AddProject("P");
  const int dept = test::AddClass(p, "Dept", "部门");
  const int a = TMemberBuilder(p, dept, "first", kTypeInteger).Store();
  const int b = TMemberBuilder(p, dept, "second", kTypeString).Store();
  TMemberBuilder(p, test::AddClass(p, "Emp", "员工"), "dept", "Dept").Store();
  // An exchange with a member that is not there changes nothing.
  TMemberDAO().ExchangeMembers(a, 9999);
  TMemberDAO().ExchangeMembers(9999, b);
  EXPECT_EQ(MemberNames(dept), (std::vector<std::string>{"first", "second"}));
  // The first of the exchange's two updates succeeds, the second fails;
  // the rename's cascade to the reference fails.
  FailOn("update on t_member", " when new.memberName in ('second', 'dept')");
  EXPECT_THROW(TMemberDAO().ExchangeMembers(a, b), TDbError);
  EXPECT_THROW(TClassDAO().UpdateClass(p, dept, "Depart", "部门", 1), TDbError);
  EXPECT_EQ(MemberNames(dept), (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(TClassDAO().GetClassName(dept), "Dept");
  FailOn("delete on t_member");
  EXPECT_THROW(TClassDAO().DeleteClass(dept), TDbError);
  EXPECT_THROW(TProjectDAO().DeleteProject(p), TDbError);
  EXPECT_EQ(TProjectDAO().GetAllProjects().size(), 1u);
  EXPECT_EQ(TClassDAO().GetClassList(p).size(), 2u);
  EXPECT_EQ(Count("select count(*) from t_member"), 3);
}

// The design file on disk: created when missing, checked when present.
using DesignFileTest = TempDesign;

TEST_F(DesignFileTest, MissingFileStartsAnEmptyDesignThatNeverReusesIdentifiers) {
  EXPECT_TRUE(TProjectDAO().GetAllProjects().empty());
  const int first = TProjectDAO().AddProject("A");
  TProjectDAO().DeleteProject(first);
  EXPECT_GT(TProjectDAO().AddProject("B"), first);
}

// An empty file gets the tables; a file of other tools missing a table or
// a column is refused naming it, and left as it was.
TEST_F(DesignFileTest, FilesOfOtherToolsAreRefusedNamingWhatTheyLackAndLeftAlone) {
  Sql("alter table t_class drop column frontShowFlag");
  TDbHelper::Close();
  test::WriteFile(At("empty.mdb"), "");
  TDbHelper::SetDatabaseFile(At("empty.mdb").string());
  EXPECT_EQ(TProjectDAO().GetAllProjects(), TNameList{});
  TDbHelper::Close();
  test::SqlFromElsewhere(At("other.mdb"),
                         "create table t_project(projectId integer primary key, projectName text)");
  for (const auto& [file, lacks] : {std::pair{"projects.mdb", " 的表 t_class 缺少列 frontShowFlag"},
                                    std::pair{"other.mdb", " 缺少表 t_class"}}) {
    const std::string before = test::ReadFile(At(file));
    TDbHelper::SetDatabaseFile(At(file).string());
    EXPECT_EQ(test::ErrorOf<TDbError>([] { TProjectDAO().GetAllProjects(); }),
              "设计数据库 " + At(file).string() + lacks);
    EXPECT_EQ(test::ReadFile(At(file)), before);
    TDbHelper::Close();
  }
}

// The project option table as other tools may have made it: without the
// key that keeps one row a project, or with columns of its own.
TEST_F(DesignFileTest, OptionTableMadeByOtherToolsIsReadRightOrReportedAsTheFilesFault) {
  const int p = TProjectDAO().AddProject("A");
  Sql("create table t_projectoption (projectId integer, fullQueryForms integer)");
  Sql("insert into t_projectoption values (" + std::to_string(p) + ", 1)");
  TProjectDAO().SetFullQueryForms(p, false);
  EXPECT_FALSE(TProjectDAO().GetFullQueryForms(p));
  TProjectDAO().SetFullQueryForms(p, true);
  EXPECT_TRUE(TProjectDAO().GetFullQueryForms(p));

  Sql("drop table t_projectoption");
  Sql("create table t_projectoption (projectId integer, theme text)");
  for (const std::string& what :
       {test::ErrorOf<TDbError>([&] { TProjectDAO().GetFullQueryForms(p); }),
        test::ErrorOf<TDbError>([&] { TProjectDAO().SetFullQueryForms(p, true); })})
    EXPECT_NE(what.find("t_projectoption 不是本程序所建: 缺少列 fullQueryForms"), std::string::npos)
        << what;
}

// A run's read of the design beside another process's writes: it never
// waits for their write lock, reads the project as it stands (renamed or
// gone), and a writer kept waiting too long is told so in Chinese.
TEST_F(DesignFileTest, ReadsPassAWriterAndSeeTheProjectAsItStands) {
  const int p = TProjectDAO().AddProject("Shop");
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(TDbHelper::DatabaseFile().c_str(), &other), SQLITE_OK);
  const auto otherSql = [&](const char* sql) {
    EXPECT_EQ(sqlite3_exec(other, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
  };
  otherSql("begin immediate; update t_project set projectName='Store'");
  TDbHelper::SetBusyTimeout(200);
  // The other write is not committed: the read sees the old name, at once.
  EXPECT_EQ(ReadDesign(p).projectName, "Shop");
  // A writer waits the busy timeout, then gets the user's message.
  EXPECT_EQ(test::ErrorOf<TDbError>([] { commands::AddProject("Books"); }), kDesignDatabaseBusy);
  TDbHelper::SetBusyTimeout(30000);
  otherSql("commit");
  EXPECT_EQ(ReadDesign(p).projectName, "Store");
  otherSql("delete from t_project");
  sqlite3_close(other);
  EXPECT_EQ(test::ErrorOf<TDbError>([&] { ReadDesign(p); }), msg::kProjectGone);
}

}  // namespace
