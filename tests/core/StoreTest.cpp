// The design store: the answers callers rely on, row order, cascades kept
// within a project, changes that fail half-way, and the design file.
#include <tuple>

#include "TempDesign.h"
#include "TestSupport.h"
#include "store/ClassDAO.h"
#include "store/DesignReader.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "vocabulary/Design.h"

namespace {

using test::TMemberBuilder;

class StoreTest : public TempDesign {
protected:
  static std::vector<std::string> Names(const std::vector<TMember>& members) {
    std::vector<std::string> names;
    for (const TMember& m : members) names.push_back(m.memberName);
    return names;
  }
  static std::vector<std::string> MemberNames(int classId) {
    return Names(TMemberDAO().ListMembers(classId));
  }
  static int Count(const std::string& sql) { return TDbHelper().GetIntValue(sql); }
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
  std::vector<TMember> all;
  TMemberDAO().ForEachProjectMember(p, [&](TMember& m) { all.push_back(m); });
  EXPECT_EQ(Names(all),
            (std::vector<std::string>{"zz", "aa", "mm", "bb", "ab"}));
  const TDesign design = ReadDesign(p);
  ASSERT_EQ(design.classes.size(), 2u);
  EXPECT_EQ(design.classes[0].className, "Zeta");
  EXPECT_EQ(design.classes[0].members.size(), 4u);
  EXPECT_EQ(design.classes[0].members[3].memberName, "ab");
}

TEST_F(StoreTest, FlagsAreSetOnlyWhenTheyHoldExactlyOne) {
  const int p = TProjectDAO().AddProject("P");
  const int c = test::AddClass(p, "Book", "图书");
  const int id = TMemberBuilder(p, c, "bookId", kTypeInteger).Key().Display().Store();
  Sql("update t_member set memberIsPri=2, memberIsDisplay=-1, memberIsMust=2 where memberId=" +
      std::to_string(id));
  // The generation pre-checks and the table script read them so.
  const TDesignClass cls = ReadDesign(p).classes.at(0);
  EXPECT_EQ(cls.KeyCount() + cls.DisplayCount(), 0);
  EXPECT_FALSE(cls.members.at(0).IsMust());
  // A file made by other tools may spell the columns in another letter case.
  EXPECT_EQ(TDbHelper().ExecuteQuery("select 1 as MEMBERISPRI").AsInteger("memberIsPri"), 1);
}

// Every column written goes back into its own field: each holds a value no
// other field holds.
TEST_F(StoreTest, MemberRecordRoundTripsThroughAddAndUpdate) {
  auto fields = [](const TMember& m) {
    return std::tie(m.memberId, m.projectId, m.classId, m.memberName, m.memberType, m.memberLength,
                    m.memberIsPri, m.memberComment, m.memberIsMust, m.memberIsInteger,
                    m.memberIsFloat, m.queryFlag, m.memberIsDisplay, m.memberQueryDisplay,
                    m.storedLength);
  };
  TMember m{.projectId = 7,
            .classId = 8,
            .memberName = "o'neil",
            .memberType = "字符串",
            .memberLength = 50,
            .memberIsPri = 2,
            .memberComment = "it's \"quoted\"; --",
            .memberIsMust = 3,
            .memberIsInteger = 4,
            .memberIsFloat = 5,
            .queryFlag = 6,
            .memberIsDisplay = 9,
            .memberQueryDisplay = 10,
            .storedLength = ""};
  m.memberId = TMemberDAO().AddMember(m);
  EXPECT_EQ(fields(*TMemberDAO().GetMember(m.memberId)), fields(m));

  // An update rewrites the eleven editable columns and never moves the row.
  TMember changed{.memberId = m.memberId,
                  .projectId = 70,
                  .classId = 80,
                  .memberName = "name",
                  .memberType = "Book",
                  .memberLength = 51,
                  .memberIsPri = 12,
                  .memberComment = "注释",
                  .memberIsMust = 13,
                  .memberIsInteger = 14,
                  .memberIsFloat = 15,
                  .queryFlag = 16,
                  .memberIsDisplay = 19,
                  .memberQueryDisplay = 20,
                  .storedLength = ""};
  TMemberDAO().UpdateMember(changed);
  changed.projectId = 7;
  changed.classId = 8;
  EXPECT_EQ(fields(*TMemberDAO().GetMember(m.memberId)), fields(changed));

  // The column default serves rows written by other tools.
  Sql("insert into t_member(projectId,classId,memberName,memberType) values (7,8,'x','整型')");
  EXPECT_EQ(Count("select memberQueryDisplay from t_member where memberName='x'"), 1);
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
class TransactionTest : public StoreTest {
protected:
  void FailOn(const std::string& event, const std::string& when = "") {
    Sql("create trigger fail_once before " + event + when +
        " begin select raise(abort, 'injected failure'); end");
  }
};

TEST_F(TransactionTest, FailedDeletesLeaveEverything) {
  const int p = TProjectDAO().AddProject("P");
  const int c = test::AddClass(p, "Book", "图书");
  TMemberBuilder(p, c, "bookId", kTypeInteger).Store();
  FailOn("delete on t_member");
  EXPECT_THROW(TClassDAO().DeleteClass(c), TDbError);
  EXPECT_EQ(TClassDAO().GetClassName(c), "Book");
  EXPECT_THROW(TProjectDAO().DeleteProject(p), TDbError);
  EXPECT_EQ(TProjectDAO().GetAllProjects().size(), 1u);
  EXPECT_EQ(TClassDAO().GetClassList(p).size(), 1u);
  EXPECT_EQ(MemberNames(c).size(), 1u);
}

TEST_F(TransactionTest, FailedCascadeKeepsTheOldClassName) {
  const int p = TProjectDAO().AddProject("P");
  const int c = test::AddClass(p, "Dept", "部门");
  TMemberBuilder(p, test::AddClass(p, "Emp", "员工"), "dept", "Dept").Store();
  FailOn("update on t_member");
  EXPECT_THROW(TClassDAO().UpdateClass(p, c, "Depart", "部门", 1), TDbError);
  EXPECT_EQ(TClassDAO().GetClassName(c), "Dept");
}

TEST_F(TransactionTest, ExchangeIsWholeOrNothing) {
  const int p = TProjectDAO().AddProject("P");
  const int c = test::AddClass(p, "Book", "图书");
  const int a = TMemberBuilder(p, c, "first", kTypeInteger).Store();
  const int b = TMemberBuilder(p, c, "second", kTypeString).Store();
  TMemberDAO().ExchangeMembers(a, 9999);
  TMemberDAO().ExchangeMembers(9999, b);
  EXPECT_EQ(MemberNames(c), (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(Count("select count(*) from t_member"), 2);
  // The first of the two updates succeeds, the second fails.
  FailOn("update on t_member", " when new.memberName='second'");
  EXPECT_THROW(TMemberDAO().ExchangeMembers(a, b), TDbError);
  EXPECT_EQ(MemberNames(c), (std::vector<std::string>{"first", "second"}));
}

// The design file on disk: created when missing, checked when present.
using DesignFileTest = TempDesign;

TEST_F(DesignFileTest, MissingFileStartsAnEmptyDesignThatNeverReusesIdentifiers) {
  EXPECT_TRUE(TProjectDAO().GetAllProjects().empty());
  const int first = TProjectDAO().AddProject("A");
  TProjectDAO().DeleteProject(first);
  EXPECT_GT(TProjectDAO().AddProject("B"), first);
}

// A file missing a whole table is the command layer's test.
TEST_F(DesignFileTest, FileMissingAColumnIsRefusedNamingItAndLeftAlone) {
  const std::string path = TDbHelper::DatabaseFile();
  Sql("alter table t_class drop column frontShowFlag");
  TDbHelper::Close();
  const std::string before = test::ReadFile(path);
  const std::string what = test::ErrorOf<TDbError>([] { TProjectDAO().GetAllProjects(); });
  for (const std::string& named : {path, std::string("t_class"), std::string("frontShowFlag")})
    EXPECT_NE(what.find(named), std::string::npos) << what;
  EXPECT_EQ(test::ReadFile(path), before);
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

}  // namespace
