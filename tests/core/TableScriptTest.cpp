// The table-creation script, compared whole against texts written out by
// hand: the login module (a golden file), then the tables and foreign keys
// each design must give.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "sqlscript/DataBaseSql.h"
#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "store/SampleDesign.h"

namespace {

namespace fs = std::filesystem;

std::string ReadGolden(const std::string& name) {
  const fs::path path = fs::path(__FILE__).parent_path().parent_path() / "golden" / "sql" / name;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("missing golden file " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Shows CR and tab so that a difference in them can be seen.
std::string Visible(const std::string& line) {
  std::string out;
  for (char c : line) {
    if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else
      out += c;
  }
  return out;
}

// Equal texts, or the first line (split at LF) where they differ.
::testing::AssertionResult SameText(const std::string& expected, const std::string& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  std::istringstream e(expected), a(actual);
  std::string el, al;
  for (int line = 1;; ++line) {
    const bool eMore = static_cast<bool>(std::getline(e, el));
    const bool aMore = static_cast<bool>(std::getline(a, al));
    if (!eMore && !aMore) break;
    if (eMore != aMore || el != al)
      return ::testing::AssertionFailure()
             << "first difference at line " << line
             << "\n  expected: " << (eMore ? "\"" + Visible(el) + "\"" : "(end of text)")
             << "\n  actual:   " << (aMore ? "\"" + Visible(al) + "\"" : "(end of text)");
  }
  return ::testing::AssertionFailure() << "texts differ only in the final line break";
}

// The first lines of a class's block, up to its key column.
std::string TableHead(const std::string& name) {
  std::string head;
  head += "if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[" + name +
          "]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)\r\n";
  head += "drop table [dbo].[" + name + "]\r\n";
  head += "GO\r\n\r\n";
  head += "CREATE TABLE [dbo].[" + name + "] (\r\n";
  return head;
}

const std::string kTableTail =
    ") ON [PRIMARY]\r\n"
    "GO\r\n"
    "\r\n"
    "\r\n"
    "\r\n";

class TableScriptTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "corvane-sql-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    TDbHelper::SetDatabaseFile((dir_ / "projects.mdb").string());
    projectId_ = TProjectDAO().AddProject("Shop");
    login_ = ReadGolden("login_module.sql");
  }

  void TearDown() override {
    TDbHelper::Close();
    fs::remove_all(dir_);
  }

  int AddClass(const std::string& name) {
    return TClassDAO().AddClass(projectId_, name, name + "表", 1);
  }

  // A member as the store may hold it; the integer flag follows the type
  // unless a test sets it apart from the type.
  TMember& Add(int classId, const std::string& name, std::string_view type, int length = 0) {
    TMember m;
    m.projectId = projectId_;
    m.classId = classId;
    m.memberName = name;
    m.memberType = std::string(type);
    m.memberLength = length;
    m.memberIsMust = 1;
    m.memberIsInteger = type == kTypeInteger ? 1 : 0;
    m.memberIsFloat = type == kTypeFloat ? 1 : 0;
    pending_.push_back(m);
    return pending_.back();
  }
  TMember& AddKey(int classId, const std::string& name, std::string_view type, int length = 0) {
    TMember& m = Add(classId, name, type, length);
    m.memberIsPri = 1;
    return m;
  }

  // Stores the members added so far, in the order they were added.
  TTableScript Build() {
    for (const TMember& m : pending_) TMemberDAO().AddMember(m);
    pending_.clear();
    return BuildTableScript(projectId_);
  }

  fs::path dir_;
  int projectId_ = 0;
  std::string login_;
  std::vector<TMember> pending_;
};

TEST_F(TableScriptTest, ProjectWithoutClassesIsTheLoginModuleOnly) {
  const TTableScript script = Build();
  EXPECT_TRUE(SameText(login_, script.text));
  EXPECT_TRUE(script.text.ends_with("\r\nGO\r\n"));
  EXPECT_TRUE(script.problems.empty());
}

TEST_F(TableScriptTest, SampleDesignGivesTheWholeScriptAndTheSameTextTwice) {
  int demoId = 0;
  ASSERT_FALSE(CreateSampleDesign(demoId));
  const TTableScript first = BuildTableScript(demoId);
  EXPECT_TRUE(SameText(ReadGolden("demo.sql"), first.text));
  EXPECT_TRUE(first.problems.empty());
  EXPECT_EQ(first.text, BuildTableScript(demoId).text);
}

TEST_F(TableScriptTest, IntegerKeyAsOnlyColumnEndsInPrimaryKey) {
  AddKey(AddClass("Tag"), "tagId", kTypeInteger);
  EXPECT_TRUE(SameText(login_ + TableHead("Tag") +
                           "\t[tagId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY\r\n" + kTableTail,
                       Build().text));
}

TEST_F(TableScriptTest, ColumnsFollowTheirTypeAndALastDateKeepsItsComma) {
  const int person = AddClass("Person");
  AddKey(person, "personId", kTypeInteger);
  Add(person, "height", kTypeFloat);
  Add(person, "age", kTypeInteger).memberIsMust = 0;  // integers are NOT NULL regardless
  Add(person, "photo", kTypeImage).memberIsMust = 0;
  Add(person, "born", kTypeDate);
  EXPECT_TRUE(SameText(login_ + TableHead("Person") +
                           "\t[personId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,\r\n"
                           "\t[height] [float] NOT NULL ,\r\n"
                           "\t[age] [int] NOT NULL ,\r\n"
                           "\t[photo] [image] NULL ,\r\n"
                           "\t[born] [datetime] NULL ,\r\n" +
                           kTableTail,
                       Build().text));
}

TEST_F(TableScriptTest, StringColumnsFollowTheRequiredFlag) {
  const int customer = AddClass("Customer");
  AddKey(customer, "customerId", kTypeInteger);
  Add(customer, "name", kTypeString, 50);
  Add(customer, "nick", kTypeString, 50).memberIsMust = 0;
  Add(customer, "memo", kTypeString, 200).memberIsMust = 0;
  EXPECT_TRUE(SameText(login_ + TableHead("Customer") +
                           "\t[customerId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,\r\n"
                           "\t[name] [varchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,\r\n"
                           "\t[nick] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,\r\n"
                           "\t[memo] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL \r\n" +
                           kTableTail,
                       Build().text));
}

TEST_F(TableScriptTest, ReferenceToStringKeyIsVarcharOfTheKeyLengthWithOneForeignKey) {
  const int dept = AddClass("Dept");
  AddKey(dept, "deptNo", kTypeString, 20);
  const int staff = AddClass("Staff");
  AddKey(staff, "staffId", kTypeInteger);
  // The reference's own length and required flag play no part.
  TMember& ref = Add(staff, "dept", "Dept", 99);
  ref.memberIsMust = 0;
  EXPECT_TRUE(SameText(
      login_ + TableHead("Dept") +
          "\t[deptNo] [varchar] (20) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY \r\n" +
          kTableTail + TableHead("Staff") +
          "\t[staffId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,\r\n"
          "\t[dept] [varchar] (20) COLLATE Chinese_PRC_CI_AS NOT NULL \r\n" +
          kTableTail + "ALTER TABLE Staff ADD FOREIGN KEY (dept) REFERENCES Dept(deptNo)\r\n",
      Build().text));
}

TEST_F(TableScriptTest, ForeignKeysComeAfterAllTablesInClassAndMemberOrder) {
  const int loan = AddClass("Loan");
  AddKey(loan, "loanId", kTypeInteger);
  Add(loan, "reader", "Reader");
  Add(loan, "book", "Book");
  const int reader = AddClass("Reader");
  AddKey(reader, "readerId", kTypeInteger);
  const int book = AddClass("Book");
  AddKey(book, "isbn", kTypeString, 13);
  Add(book, "firstReader", "Reader");
  EXPECT_TRUE(
      SameText(login_ + TableHead("Loan") +
                   "\t[loanId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,\r\n"
                   "\t[reader] int NOT NULL ,\r\n"
                   "\t[book] [varchar] (13) COLLATE Chinese_PRC_CI_AS NOT NULL \r\n" +
                   kTableTail + TableHead("Reader") +
                   "\t[readerId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY\r\n" + kTableTail +
                   TableHead("Book") +
                   "\t[isbn] [varchar] (13) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY ,\r\n"
                   "\t[firstReader] int NOT NULL \r\n" +
                   kTableTail +
                   "ALTER TABLE Loan ADD FOREIGN KEY (reader) REFERENCES Reader(readerId)\r\n"
                   "ALTER TABLE Loan ADD FOREIGN KEY (book) REFERENCES Book(isbn)\r\n"
                   "ALTER TABLE Book ADD FOREIGN KEY (firstReader) REFERENCES Reader(readerId)\r\n",
               Build().text));
}

TEST_F(TableScriptTest, FirstOfTwoKeysIsTheKeyAndTheSecondIsLeftOut) {
  const int pair = AddClass("Pair");
  Add(pair, "label", kTypeString, 10);
  AddKey(pair, "code", kTypeString, 8);
  AddKey(pair, "pairId", kTypeInteger);
  const TTableScript script = Build();
  EXPECT_TRUE(
      SameText(login_ + TableHead("Pair") +
                   "\t[code] [varchar] (8) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY ,\r\n"
                   "\t[label] [varchar] (10) COLLATE Chinese_PRC_CI_AS NOT NULL \r\n" +
                   kTableTail,
               script.text));
  EXPECT_TRUE(script.problems.empty());
}

TEST_F(TableScriptTest, KeyThatIsNotAnIntegerKeyIsVarcharOfItsStoredLength) {
  const int reading = AddClass("Reading");
  AddKey(reading, "takenAt", kTypeFloat);
  // An integer key whose integer flag is not 1 (a file made by other tools)
  // has no character length: its table is left out, never made varchar(0).
  const int probe = AddClass("Probe");
  AddKey(probe, "probeId", kTypeInteger).memberIsInteger = 2;
  const TTableScript script = Build();
  EXPECT_TRUE(SameText(
      login_ + TableHead("Reading") +
          "\t[takenAt] [varchar] (0) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY \r\n" +
          kTableTail + "-- 类 Probe 的主键成员 probeId 的整型标志与类型不符，未生成它的表\r\n",
      script.text));
  EXPECT_EQ(script.problems.size(), 1u);
}

TEST_F(TableScriptTest, ClassWithoutKeyIsLeftOutWithACommentAndTheRestIsBuilt) {
  const int draft = AddClass("Draft");
  Add(draft, "title", kTypeString, 30);
  const int note = AddClass("Note");
  AddKey(note, "noteId", kTypeInteger);
  Add(note, "draft", "Draft");
  Add(note, "text", kTypeString, 100);
  const TTableScript script = Build();
  EXPECT_TRUE(SameText(login_ + "-- 类 Draft 没有主键成员，未生成它的表\r\n" + TableHead("Note") +
                           "\t[noteId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,\r\n"
                           "-- 类 Note 的成员 draft 引用的类 Draft 没有主键成员，未生成该列\r\n"
                           "\t[text] [varchar] (100) COLLATE Chinese_PRC_CI_AS NOT NULL \r\n" +
                           kTableTail,
                       script.text));
  EXPECT_EQ(script.problems, (std::vector<std::string>{
                                 "类 Draft 没有主键成员，未生成它的表",
                                 "类 Note 的成员 draft 引用的类 Draft 没有主键成员，未生成该列"}));
}

TEST_F(TableScriptTest, OmittedLastColumnLeavesThePreviousColumnAsTheLast) {
  const int order = AddClass("Order");
  AddKey(order, "orderId", kTypeInteger);
  Add(order, "amount", kTypeFloat);
  Add(order, "client", "Client");  // a class that was deleted or never made
  Add(order, "shop", "Shop");
  const TTableScript script = Build();
  EXPECT_TRUE(SameText(login_ + TableHead("Order") +
                           "\t[orderId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,\r\n"
                           "\t[amount] [float] NOT NULL \r\n"
                           "-- 类 Order 的成员 client 引用的类 Client 不存在，未生成该列\r\n"
                           "-- 类 Order 的成员 shop 引用的类 Shop 不存在，未生成该列\r\n" +
                           kTableTail,
                       script.text));
  EXPECT_EQ(script.problems.size(), 2u);
}

TEST_F(TableScriptTest, ReferencesResolveOnlyWithinTheProject) {
  const int otherProject = TProjectDAO().AddProject("Other");
  const int foreignUnit = TClassDAO().AddClass(otherProject, "Unit", "单位", 1);
  TMember key;
  key.projectId = otherProject;
  key.classId = foreignUnit;
  key.memberName = "unitId";
  key.memberType = std::string(kTypeInteger);
  key.memberIsPri = key.memberIsInteger = key.memberIsMust = 1;
  TMemberDAO().AddMember(key);

  const int item = AddClass("Item");
  AddKey(item, "itemId", kTypeInteger);
  Add(item, "unit", "Unit");
  const TTableScript script = Build();
  EXPECT_NE(script.text.find("-- 类 Item 的成员 unit 引用的类 Unit 不存在，未生成该列\r\n"),
            std::string::npos);
  EXPECT_EQ(script.text.find("ALTER TABLE"), std::string::npos);
}

}  // namespace
