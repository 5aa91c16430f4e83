// The design store: statements, row order, transactions and the stores'
// answers, checked against the database itself.
#include <fstream>
#include <iterator>

#include "TempDesign.h"
#include "store/ClassDAO.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"

namespace {

class StoreTest : public TempDesign {
protected:
  int AddMember(int projectId, int classId, const std::string& name, const std::string& type,
                int isPri = 0, int isDisplay = 0) {
    TMember m;
    m.projectId = projectId;
    m.classId = classId;
    m.memberName = name;
    m.memberType = type;
    m.memberIsPri = isPri;
    m.memberIsDisplay = isDisplay;
    m.memberComment = name + " 注释";
    return TMemberDAO().AddMember(m);
  }
  std::vector<std::string> MemberNames(int classId) {
    std::vector<std::string> names;
    TRowSet rows = TMemberDAO().QueryMembers(classId);
    for (rows.First(); !rows.Eof(); rows.Next()) names.push_back(rows.AsString("memberName"));
    return names;
  }
  int Count(const std::string& sql) { return TDbHelper().GetIntValue(sql); }
};

TEST_F(StoreTest, HelperValuesForMissingRowsAndCounts) {
  TDbHelper db;
  EXPECT_EQ(db.GetIntValue("select count(*) from t_project"), 0);
  EXPECT_EQ(db.GetIntValue("select projectId from t_project where projectId=42"), -1);
  EXPECT_EQ(db.GetStringValue("select projectName from t_project where projectId=42"), "");
  EXPECT_EQ(db.GetIntValue("select null"), 0);
  EXPECT_EQ(db.GetStringValue("select null"), "");
  EXPECT_EQ(TProjectDAO().GetProjectCount("无"), 0);
  EXPECT_EQ(TClassDAO().GetClassCount(1, "None"), 0);
  EXPECT_EQ(TClassDAO().GetClassId(1, "None"), -1);
  EXPECT_EQ(TClassDAO().GetFrontShowFlag(99), -1);
  EXPECT_EQ(TClassDAO().GetClassName(99), "");
  EXPECT_FALSE(TMemberDAO().GetMember(99).has_value());
  EXPECT_FALSE(TMemberDAO().GetKeyMemberByClassName(1, "None").has_value());
  EXPECT_FALSE(TMemberDAO().GetDisplayMemberByClassName(1, "None").has_value());
  EXPECT_TRUE(TProjectDAO().GetAllProjects().empty());
}

TEST_F(StoreTest, RowSetKnowsItsCountBeforeWalkingAndReadsByName) {
  const int p = TProjectDAO().AddProject("P");
  const int c = TClassDAO().AddClass(p, "Book", "图书", 1);
  TRowSet empty = TMemberDAO().QueryMembers(c);
  EXPECT_EQ(empty.RowCount(), 0);
  EXPECT_TRUE(empty.Eof());
  AddMember(p, c, "bookId", "整型", 1);
  AddMember(p, c, "title", "字符串");
  TRowSet rows = TMemberDAO().QueryMembers(c);
  EXPECT_EQ(rows.RowCount(), 2);
  EXPECT_EQ(rows.AsString("memberName"), "bookId");
  EXPECT_EQ(rows.AsInteger("memberIsPri"), 1);
  EXPECT_EQ(rows.AsString("memberIsPri"), "1");
  rows.Next();
  EXPECT_EQ(rows.AsString("memberType"), "字符串");
  rows.Next();
  EXPECT_TRUE(rows.Eof());
}

TEST_F(StoreTest, ListsFollowAscendingIdentifiersWhateverIndexTheEngineUses) {
  // An index on (projectId, className) would hand classes out by name, and
  // one on (classId, memberName) members by name, unless order is asked for.
  Sql("create index ix_test_member_name on t_member(classId, memberName)");
  const int p = TProjectDAO().AddProject("Zoo");
  const int zeta = TClassDAO().AddClass(p, "Zeta", "甲", 1);
  const int alpha = TClassDAO().AddClass(p, "Alpha", "乙", 1);
  AddMember(p, zeta, "zz", "字符串");
  AddMember(p, zeta, "aa", "字符串");
  AddMember(p, zeta, "mm", "字符串", 1);
  TProjectDAO().AddProject("B");

  const TNameList classes = TClassDAO().GetClassList(p);
  ASSERT_EQ(classes.size(), 2u);
  EXPECT_EQ(classes[0], (TNamedId{"Zeta", zeta}));
  EXPECT_EQ(classes[1], (TNamedId{"Alpha", alpha}));
  EXPECT_EQ(TClassDAO().GetOtherClassList(p, alpha), (TNameList{{"Zeta", zeta}}));
  EXPECT_TRUE(TClassDAO().GetOtherClassList(p, zeta).size() == 1);
  EXPECT_EQ(MemberNames(zeta), (std::vector<std::string>{"zz", "aa", "mm"}));
  TRowSet nonKey = TMemberDAO().QueryNonKeyMembers(zeta);
  ASSERT_EQ(nonKey.RowCount(), 2);
  EXPECT_EQ(nonKey.AsString("memberName"), "zz");

  const TNameList projects = TProjectDAO().GetAllProjects();
  ASSERT_EQ(projects.size(), 2u);
  EXPECT_EQ(projects[0].name, "Zoo");
  EXPECT_EQ(projects[1].name, "B");
}

TEST_F(StoreTest, OnlyExactlyOneCountsAsASetFlag) {
  const int p = TProjectDAO().AddProject("P");
  const int c = TClassDAO().AddClass(p, "Book", "图书", 1);
  const int id = AddMember(p, c, "bookId", "整型");
  Sql("update t_member set memberIsPri=2, memberIsDisplay=-1, memberIsMust=2 where memberId=" +
      std::to_string(id));
  const TMember m = *TMemberDAO().GetMember(id);
  EXPECT_FALSE(m.IsKey());
  EXPECT_FALSE(m.IsDisplay());
  EXPECT_FALSE(m.IsMust());
  EXPECT_FALSE(TMemberDAO().GetKeyMember(c).has_value());
  int failed = 0;
  EXPECT_FALSE(TClassDAO().CheckPrimaryKeys({{"Book", c}}, [&](int classId) { failed = classId; }));
  EXPECT_EQ(failed, c);
  EXPECT_FALSE(TClassDAO().CheckDisplayMembers({{"Book", c}}, nullptr));
}

TEST_F(StoreTest, MemberRecordRoundTripsEveryField) {
  TMember m;
  m.projectId = 7;
  m.classId = 8;
  m.memberName = "o'neil";
  m.memberType = "字符串";
  m.memberLength = 50;
  m.memberIsPri = 1;
  m.memberComment = "it's \"quoted\"; drop table t_member; --";
  m.memberIsMust = 1;
  m.memberIsInteger = 0;
  m.memberIsFloat = 1;
  m.queryFlag = 1;
  m.memberIsDisplay = 1;
  m.memberQueryDisplay = 0;
  const int id = TMemberDAO().AddMember(m);
  m.memberId = id;
  const TMember back = *TMemberDAO().GetMember(id);
  EXPECT_EQ(back.memberId, id);
  EXPECT_EQ(back.projectId, 7);
  EXPECT_EQ(back.classId, 8);
  EXPECT_EQ(back.memberName, m.memberName);
  EXPECT_EQ(back.memberComment, m.memberComment);
  EXPECT_EQ(back.memberLength, 50);
  EXPECT_EQ(back.memberIsFloat, 1);
  EXPECT_EQ(back.memberQueryDisplay, 0);
  EXPECT_EQ(TMember().memberQueryDisplay, 1);
  // The column default serves rows written by other tools.
  Sql("insert into t_member(projectId,classId,memberName,memberType) values (7,8,'x','整型')");
  EXPECT_EQ(TDbHelper().GetIntValue("select memberQueryDisplay from t_member where memberName='x'"),
            1);
}

TEST_F(StoreTest, UpdateMemberNeverMovesTheRowToAnotherClass) {
  const int p = TProjectDAO().AddProject("P");
  const int c = TClassDAO().AddClass(p, "Book", "图书", 1);
  const int id = AddMember(p, c, "title", "字符串");
  TMember m = *TMemberDAO().GetMember(id);
  m.classId = c + 100;
  m.projectId = p + 100;
  m.memberName = "name";
  TMemberDAO().UpdateMember(m);
  const TMember back = *TMemberDAO().GetMember(id);
  EXPECT_EQ(back.classId, c);
  EXPECT_EQ(back.projectId, p);
  EXPECT_EQ(back.memberName, "name");
}

TEST_F(StoreTest, QueriesSelectTheirMembers) {
  const int p = TProjectDAO().AddProject("P");
  const int type = TClassDAO().AddClass(p, "BookType", "类型", 1);
  const int book = TClassDAO().AddClass(p, "Book", "图书", 1);
  AddMember(p, type, "typeId", "整型", 1);
  AddMember(p, type, "typeName", "字符串", 0, 1);
  AddMember(p, book, "bookId", "整型", 1);
  AddMember(p, book, "cover", "图片型");
  const int hidden = AddMember(p, book, "note", "字符串");
  Sql("update t_member set memberQueryDisplay=0 where memberId=" + std::to_string(hidden));
  AddMember(p, book, "bookType", "BookType");
  AddMember(p, book, "owner", "Person");

  TMemberDAO dao;
  EXPECT_EQ(dao.QueryImageMembers(book).RowCount(), 1);
  TRowSet refs = dao.QueryReferenceMembers(book);
  ASSERT_EQ(refs.RowCount(), 2);
  EXPECT_EQ(refs.AsString("memberName"), "bookType");
  EXPECT_EQ(dao.QueryShownMembers(book).RowCount(), 3);  // cover, bookType, owner
  EXPECT_EQ(dao.QueryNonKeyMembers(book).RowCount(), 4);
  EXPECT_EQ(dao.GetKeyMember(book)->memberName, "bookId");
  EXPECT_EQ(dao.GetKeyMemberByClassName(p, "BookType")->memberName, "typeId");
  EXPECT_EQ(dao.GetDisplayMemberByClassName(p, "BookType")->memberName, "typeName");
  EXPECT_FALSE(dao.GetKeyMemberByClassName(p, "Person").has_value());
  EXPECT_FALSE(dao.GetKeyMemberByClassName(p + 1, "BookType").has_value());
}

TEST_F(StoreTest, ExchangeSwapsContentsAndKeepsIdentifiers) {
  const int p = TProjectDAO().AddProject("P");
  const int c = TClassDAO().AddClass(p, "Book", "图书", 1);
  const int a = AddMember(p, c, "bookId", "整型", 1);
  const int b = AddMember(p, c, "title", "字符串");
  const int d = AddMember(p, c, "price", "浮点型");
  TMemberDAO dao;
  dao.ExchangeMembers(a, d);
  EXPECT_EQ(MemberNames(c), (std::vector<std::string>{"price", "title", "bookId"}));
  EXPECT_EQ(dao.GetMember(a)->memberType, "浮点型");
  EXPECT_EQ(dao.GetMember(d)->memberIsPri, 1);
  EXPECT_EQ(dao.GetKeyMember(c)->memberId, d);

  dao.ExchangeMembers(b, b);
  EXPECT_EQ(dao.GetMember(b)->memberName, "title");
  dao.ExchangeMembers(b, 9999);
  dao.ExchangeMembers(9999, b);
  EXPECT_EQ(MemberNames(c), (std::vector<std::string>{"price", "title", "bookId"}));
  EXPECT_EQ(Count("select count(*) from t_member"), 3);
}

TEST_F(StoreTest, ClassRenameCascadesWithinItsProjectOnly) {
  const int p1 = TProjectDAO().AddProject("P1");
  const int p2 = TProjectDAO().AddProject("P2");
  const int dept1 = TClassDAO().AddClass(p1, "Dept", "部门", 1);
  const int emp1 = TClassDAO().AddClass(p1, "Emp", "员工", 1);
  TClassDAO().AddClass(p2, "Dept", "部门", 1);
  const int emp2 = TClassDAO().AddClass(p2, "Emp", "员工", 1);
  const int ref1 = AddMember(p1, emp1, "dept", "Dept");
  const int ref2 = AddMember(p2, emp2, "dept", "Dept");

  TClassDAO().UpdateClass(p1, dept1, "Depart", "部门二", 0);
  EXPECT_EQ(TClassDAO().GetClassName(dept1), "Depart");
  EXPECT_EQ(TClassDAO().GetFriendName(dept1), "部门二");
  EXPECT_EQ(TClassDAO().GetFrontShowFlag(dept1), 0);
  EXPECT_EQ(TMemberDAO().GetMember(ref1)->memberType, "Depart");
  EXPECT_EQ(TMemberDAO().GetMember(ref2)->memberType, "Dept");
}

TEST_F(StoreTest, DeletesTakeDependentRowsAndNothingElse) {
  const int p1 = TProjectDAO().AddProject("P1");
  const int p2 = TProjectDAO().AddProject("P2");
  const int c1 = TClassDAO().AddClass(p1, "A", "甲", 1);
  const int c2 = TClassDAO().AddClass(p1, "B", "乙", 1);
  const int c3 = TClassDAO().AddClass(p2, "A", "甲", 1);
  AddMember(p1, c1, "a", "整型");
  AddMember(p1, c2, "b", "A");
  AddMember(p2, c3, "c", "整型");

  TClassDAO().DeleteClass(c1);
  EXPECT_EQ(Count("select count(*) from t_member where classId=" + std::to_string(c1)), 0);
  EXPECT_EQ(Count("select count(*) from t_member"), 2);  // the reference to A stays

  TProjectDAO().DeleteProject(p1);
  EXPECT_EQ(TProjectDAO().GetAllProjects(), (TNameList{{"P2", p2}}));
  EXPECT_TRUE(TClassDAO().GetClassList(p1).empty());
  EXPECT_EQ(Count("select count(*) from t_member where projectId=" + std::to_string(p1)), 0);
  EXPECT_EQ(Count("select count(*) from t_member"), 1);
}

TEST_F(StoreTest, NamesWithQuotesAreStoredAsTyped) {
  const int p = TProjectDAO().AddProject("O'Brien's");
  EXPECT_EQ(TProjectDAO().GetProjectCount("O'Brien's"), 1);
  const int c = TClassDAO().AddClass(p, "It'", "友'好", 1);
  EXPECT_EQ(TClassDAO().GetClassId(p, "It'"), c);
  EXPECT_EQ(TClassDAO().GetFriendName(c), "友'好");
  TClassDAO().UpdateClass(p, c, "X'", "'", 1);
  EXPECT_EQ(TClassDAO().GetClassName(c), "X'");
  TProjectDAO().UpdateProjectName(p, "'; delete from t_project; --");
  EXPECT_EQ(TProjectDAO().GetAllProjects().at(0).name, "'; delete from t_project; --");
}

TEST_F(StoreTest, NameCountsIgnoreAsciiCase) {
  const int p = TProjectDAO().AddProject("Demo");
  EXPECT_EQ(TProjectDAO().GetProjectCount("DEMO"), 1);
  EXPECT_EQ(TProjectDAO().GetProjectCountExcept("demo", p), 0);
  const int c = TClassDAO().AddClass(p, "Book", "图书", 1);
  EXPECT_EQ(TClassDAO().GetClassCount(p, "BOOK"), 1);
  EXPECT_EQ(TClassDAO().GetClassCount(p + 1, "Book"), 0);
  EXPECT_EQ(TClassDAO().GetClassCountExcept(p, "BOOK", c), 0);
}

TEST_F(StoreTest, PreChecksStopAtTheFirstFailingClass) {
  const int p = TProjectDAO().AddProject("P");
  const int a = TClassDAO().AddClass(p, "A", "甲", 1);
  const int b = TClassDAO().AddClass(p, "B", "乙", 1);
  const int c = TClassDAO().AddClass(p, "C", "丙", 1);
  AddMember(p, a, "id", "整型", 1, 1);
  AddMember(p, b, "id", "整型", 1, 1);
  AddMember(p, b, "id2", "整型", 1);
  const TNameList classes = TClassDAO().GetClassList(p);
  std::vector<int> reported;
  auto record = [&](int id) { reported.push_back(id); };
  EXPECT_FALSE(TClassDAO().CheckPrimaryKeys(classes, record));
  EXPECT_EQ(reported, std::vector<int>{b});  // two keys fail like none; C is not reached
  reported.clear();
  EXPECT_FALSE(TClassDAO().CheckDisplayMembers(classes, record));
  EXPECT_EQ(reported, std::vector<int>{c});
  EXPECT_TRUE(TClassDAO().CheckPrimaryKeys({}, record));
  EXPECT_TRUE(TClassDAO().CheckDisplayMembers({{"A", a}}, record));
}

// Failures half-way through a change must leave the design as it was.
class TransactionTest : public StoreTest {
protected:
  void FailOn(const std::string& event) {
    Sql("create trigger fail_once before " + event +
        " begin select raise(abort, 'injected failure'); end");
  }
};

TEST_F(TransactionTest, StatementListIsAllOrNothingAndReportsFailure) {
  TDbHelper db;
  EXPECT_THROW(db.ExecuteSqlList({{"insert into t_project(projectName) values (?)", {"kept?"}},
                                  {"insert into no_such_table values (1)", {}}}),
               TDbError);
  EXPECT_EQ(Count("select count(*) from t_project"), 0);
  EXPECT_NO_THROW(db.ExecuteSqlList({}));
  // The connection is usable after the rollback.
  TProjectDAO().AddProject("after");
  EXPECT_EQ(Count("select count(*) from t_project"), 1);
}

TEST_F(TransactionTest, FailedDeletesLeaveEverything) {
  const int p = TProjectDAO().AddProject("P");
  const int c = TClassDAO().AddClass(p, "Book", "图书", 1);
  AddMember(p, c, "bookId", "整型", 1);
  FailOn("delete on t_member");
  EXPECT_THROW(TClassDAO().DeleteClass(c), TDbError);
  EXPECT_EQ(TClassDAO().GetClassName(c), "Book");
  EXPECT_THROW(TProjectDAO().DeleteProject(p), TDbError);
  EXPECT_EQ(TProjectDAO().GetAllProjects().size(), 1u);
  EXPECT_EQ(TClassDAO().GetClassList(p).size(), 1u);
  EXPECT_EQ(Count("select count(*) from t_member"), 1);
}

TEST_F(TransactionTest, FailedCascadeKeepsTheOldClassName) {
  const int p = TProjectDAO().AddProject("P");
  const int c = TClassDAO().AddClass(p, "Dept", "部门", 1);
  const int e = TClassDAO().AddClass(p, "Emp", "员工", 1);
  AddMember(p, e, "dept", "Dept");
  FailOn("update on t_member");
  EXPECT_THROW(TClassDAO().UpdateClass(p, c, "Depart", "部门", 1), TDbError);
  EXPECT_EQ(TClassDAO().GetClassName(c), "Dept");
}

TEST_F(TransactionTest, FailedExchangeLeavesBothRows) {
  const int p = TProjectDAO().AddProject("P");
  const int c = TClassDAO().AddClass(p, "Book", "图书", 1);
  const int a = AddMember(p, c, "first", "整型");
  const int b = AddMember(p, c, "second", "字符串");
  // The second of the two updates fails.
  Sql("create trigger fail_second before update on t_member when new.memberName='first'"
      " begin select raise(abort, 'injected failure'); end");
  EXPECT_THROW(TMemberDAO().ExchangeMembers(a, b), TDbError);
  EXPECT_EQ(MemberNames(c), (std::vector<std::string>{"first", "second"}));
}

// The design file on disk: created when missing, checked when present.
class DesignFileTest : public TempDesign {
protected:
  std::string Path() const { return (Dir() / "design.mdb").string(); }
  void Write(const std::string& bytes) { std::ofstream(Path(), std::ios::binary) << bytes; }
  std::string Read() const {
    std::ifstream in(Path(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
};

TEST_F(DesignFileTest, MissingFileStartsAnEmptyDesign) {
  TDbHelper::SetDatabaseFile(Path());
  EXPECT_TRUE(TProjectDAO().GetAllProjects().empty());
  EXPECT_EQ(TDbHelper().GetIntValue("select count(*) from sqlite_master where type='index' and "
                                    "name in ('ix_member_class','ix_class_project_name')"),
            2);
  // Identifiers are never reused, even after the newest row is deleted.
  const int first = TProjectDAO().AddProject("A");
  TProjectDAO().DeleteProject(first);
  EXPECT_GT(TProjectDAO().AddProject("B"), first);
}

TEST_F(DesignFileTest, ForeignFileIsRefusedAndLeftAlone) {
  const std::string junk = "this is not a database, just some text\n";
  Write(junk);
  TDbHelper::SetDatabaseFile(Path());
  try {
    TProjectDAO().GetAllProjects();
    FAIL() << "a text file was accepted as a design";
  } catch (const TDbError& e) {
    EXPECT_NE(std::string(e.what()).find(Path()), std::string::npos) << e.what();
  }
  EXPECT_EQ(Read(), junk);
}

TEST_F(DesignFileTest, FileMissingATableIsRefusedAndLeftAlone) {
  TDbHelper::SetDatabaseFile(Path());
  TDbHelper().ExecuteSql("drop table t_member");
  TDbHelper::Close();
  const std::string before = Read();
  try {
    TProjectDAO().GetAllProjects();
    FAIL() << "a design without t_member was accepted";
  } catch (const TDbError& e) {
    EXPECT_NE(std::string(e.what()).find("t_member"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find(Path()), std::string::npos) << e.what();
  }
  EXPECT_EQ(Read(), before);
}

}  // namespace
