// The table-creation script, compared whole: with the expected files for an
// empty project and the sample design, and with texts written out here for
// the column forms, references and what an incomplete design leaves out.
#include "TempDesign.h"
#include "TestSupport.h"
#include "commands/SampleDesign.h"
#include "sqlscript/DataBaseSql.h"
#include "store/ProjectDAO.h"

namespace {

using test::SameText;
using test::TMemberBuilder;

// The lines of a class's table before its first column, and after its last.
std::string Head(const std::string& name) {
  return "if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[" + name +
         "]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)\r\ndrop table [dbo].[" + name +
         "]\r\nGO\r\n\r\nCREATE TABLE [dbo].[" + name + "] (\r\n";
}
const std::string kTail = ") ON [PRIMARY]\r\nGO\r\n\r\n\r\n\r\n";

// Before the tables, the foreign keys referring to any of them are dropped.
std::string Drops(const std::vector<std::string>& tables) {
  std::string list;
  for (const std::string& t : tables)
    list += (list.empty() ? "" : ", ") + std::string("object_id(N'[dbo].[") + t + "]')";
  return "declare @dropForeignKeys nvarchar(max)\r\nset @dropForeignKeys = N''\r\n"
         "select @dropForeignKeys = @dropForeignKeys + N'ALTER TABLE ' + "
         "quotename(object_schema_name(parent_object_id)) + N'.' + "
         "quotename(object_name(parent_object_id)) + N' DROP CONSTRAINT ' + quotename(name) + "
         "N'; '\r\nfrom sys.foreign_keys\r\nwhere referenced_object_id in (" +
         list + ")\r\nexec (@dropForeignKeys)\r\nGO\r\n\r\n";
}

class TableScriptTest : public TempDesign {
protected:
  void SetUp() override {
    TempDesign::SetUp();
    projectId_ = TProjectDAO().AddProject("Shop");
    login_ = test::ReadFile(test::kGoldenDir / "sql" / "login_module.sql");
    ASSERT_FALSE(login_.empty());
  }
  int Class(const std::string& name) { return test::AddClass(projectId_, name, name + "表"); }
  TMemberBuilder Member(int classId, const std::string& name, std::string_view type,
                        int length = 0) {
    return TMemberBuilder(projectId_, classId, name, type, "注释", length);
  }
  TTableScript Build() { return BuildTableScript(projectId_); }

  int projectId_ = 0;
  std::string login_;
};

TEST_F(TableScriptTest, EmptyProjectAndSampleDesignGiveTheExpectedFiles) {
  const TTableScript empty = Build();
  EXPECT_TRUE(SameText(login_, empty.text));
  EXPECT_TRUE(empty.problems.empty());

  int demoId = 0;
  ASSERT_FALSE(CreateSampleDesign(demoId));
  const TTableScript sample = BuildTableScript(demoId);
  EXPECT_TRUE(SameText(test::ReadFile(test::kGoldenDir / "sql" / "demo.sql"), sample.text));
  EXPECT_TRUE(sample.problems.empty());
  EXPECT_EQ(BuildTableScript(demoId).text, sample.text);
}

TEST_F(TableScriptTest, ColumnsFollowTheirTypeAndTheLastColumnGivesUpItsSeparator) {
  Member(Class("Tag"), "tagCode", kTypeString, 8).Key().Store();
  const int person = Class("Person");
  Member(person, "personId", kTypeInteger).Key().Store();
  Member(person, "height]cm", kTypeFloat).Store();  // a bracket in a name is doubled
  Member(person, "age", kTypeInteger).Optional().Store();  // integers are NOT NULL regardless
  Member(person, "photo", kTypeImage).Optional().Store();
  Member(person, "name", kTypeString, 50).Store();
  Member(person, "nick", kTypeString, 200).Optional().Store();
  Member(person, "born", kTypeDate).Store();  // a last date keeps its comma
  EXPECT_TRUE(SameText(
      login_ + Drops({"Tag", "Person"}) + Head("Tag") +
          "\t[tagCode] [varchar] (8) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY \r\n" + kTail +
          Head("Person") +
          "\t[personId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,\r\n"
          "\t[height]]cm] [float] NOT NULL ,\r\n"
          "\t[age] [int] NOT NULL ,\r\n"
          "\t[photo] [image] NULL ,\r\n"
          "\t[name] [varchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,\r\n"
          "\t[nick] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,\r\n"
          "\t[born] [datetime] NULL ,\r\n" +
          kTail,
      Build().text));
}

TEST_F(TableScriptTest, ReferencesTakeTheirKeysFormAndForeignKeysFollowAllTables) {
  const int loan = Class("Loan");
  Member(loan, "loanId", kTypeInteger).Key().Store();
  Member(loan, "reader", "Reader").Store();
  // The reference's own length and required flag play no part.
  Member(loan, "book", "Book", 99).Optional().Store();
  Member(Class("Reader"), "readerId", kTypeInteger).Key().Store();
  const int book = Class("Book");
  Member(book, "isbn", kTypeString, 13).Key().Store();
  Member(book, "firstReader", "Reader").Store();
  EXPECT_TRUE(
      SameText(login_ + Drops({"Loan", "Reader", "Book"}) + Head("Loan") +
                   "\t[loanId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,\r\n"
                   "\t[reader] int NOT NULL ,\r\n"
                   "\t[book] [varchar] (13) COLLATE Chinese_PRC_CI_AS NOT NULL \r\n" +
                   kTail + Head("Reader") +
                   "\t[readerId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY\r\n" + kTail +
                   Head("Book") +
                   "\t[isbn] [varchar] (13) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY ,\r\n"
                   "\t[firstReader] int NOT NULL \r\n" +
                   kTail +
                   "ALTER TABLE Loan ADD CONSTRAINT FK_Loan_reader FOREIGN KEY (reader) "
                   "REFERENCES Reader(readerId)\r\n"
                   "ALTER TABLE Loan ADD CONSTRAINT FK_Loan_book FOREIGN KEY (book) "
                   "REFERENCES Book(isbn)\r\n"
                   "ALTER TABLE Book ADD CONSTRAINT FK_Book_firstReader FOREIGN KEY (firstReader) "
                   "REFERENCES Reader(readerId)\r\n",
               Build().text));
}

TEST_F(TableScriptTest, FirstKeyOpensTheTableAndOnlyAnIntegerKeyIsAnIdentity) {
  const int pair = Class("Pair");
  Member(pair, "label", kTypeString, 10).Store();
  Member(pair, "code", kTypeString, 8).Key().Store();
  Member(pair, "pairId", kTypeInteger).Key().Store();  // a second key is left out
  Member(Class("Reading"), "takenAt", kTypeFloat, 12).Key().Store();
  // Keys a file made by other tools may hold: an integer key whose integer
  // flag is not 1, and a key too long for a varchar.
  TMemberBuilder probe = Member(Class("Probe"), "probeId", kTypeInteger).Key();
  probe.m.memberIsInteger = 2;
  probe.Store();
  Member(Class("Wide"), "code", kTypeString, 8001).Key().Store();
  const TTableScript script = Build();
  const std::vector<std::string> problems = {
      "类 Probe 的主键成员 probeId 的整型标志与类型不符，未生成它的表",
      "类 Wide 的主键成员 code 的长度 8001 不在1到8000之间，未生成它的表"};
  EXPECT_TRUE(SameText(
      login_ + Drops({"Pair", "Reading"}) + Head("Pair") +
          "\t[code] [varchar] (8) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY ,\r\n"
          "\t[label] [varchar] (10) COLLATE Chinese_PRC_CI_AS NOT NULL \r\n" +
          kTail + Head("Reading") +
          "\t[takenAt] [varchar] (12) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY \r\n" + kTail +
          "-- " + problems[0] + "\r\n-- " + problems[1] + "\r\n",
      script.text));
  EXPECT_EQ(script.problems, problems);
}

// What cannot be rendered becomes a comment in its place; an omitted last
// column leaves the column before it as the last.
TEST_F(TableScriptTest, OmittedTablesAndColumnsAreCommentsAndTheRestIsBuilt) {
  Member(Class("Draft"), "title", kTypeString, 30).Store();
  const int note = Class("Note");
  Member(note, "noteId", kTypeInteger).Key().Store();
  Member(note, "draft", "Draft").Store();
  Member(note, "text", kTypeString, 100).Store();
  // SQL Server would take NOTE for the table Note.
  Member(Class("NOTE"), "noteId", kTypeInteger).Key().Store();
  // Unit exists, with a key, only in another project.
  const int other = TProjectDAO().AddProject("Other");
  TMemberBuilder(other, test::AddClass(other, "Unit", "单位"), "unitId", kTypeInteger)
      .Key()
      .Store();
  const int item = Class("Item");
  Member(item, "itemId", kTypeInteger).Key().Store();
  Member(item, "amount", kTypeFloat).Store();
  Member(item, "memo", kTypeString, 0).Store();  // a length only other tools store
  Member(item, "client", "Client").Store();  // a class that was deleted or never made
  Member(item, "unit", "Unit").Store();
  Member(item, "note", "NOTE").Store();
  const std::vector<std::string> problems = {
      "类 Draft 没有主键成员，未生成它的表",
      "类 Note 的成员 draft 引用的类 Draft 没有主键成员，未生成该列",
      "类 NOTE 与类 Note 重名(不区分大小写)，未生成它的表",
      "类 Item 的成员 memo 的长度 0 不在1到8000之间，未生成该列",
      "类 Item 的成员 client 引用的类 Client 不存在，未生成该列",
      "类 Item 的成员 unit 引用的类 Unit 不存在，未生成该列",
      "类 Item 的成员 note 引用的类 NOTE 的表未生成，未生成该列"};
  const TTableScript script = Build();
  EXPECT_TRUE(SameText(
      login_ + Drops({"Note", "Item"}) + "-- " + problems[0] + "\r\n" + Head("Note") +
          "\t[noteId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,\r\n-- " + problems[1] +
          "\r\n\t[text] [varchar] (100) COLLATE Chinese_PRC_CI_AS NOT NULL \r\n" + kTail + "-- " +
          problems[2] + "\r\n" + Head("Item") +
          "\t[itemId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,\r\n"
          "\t[amount] [float] NOT NULL \r\n-- " +
          problems[3] + "\r\n-- " + problems[4] + "\r\n-- " + problems[5] + "\r\n-- " +
          problems[6] + "\r\n" + kTail,
      script.text));
  EXPECT_EQ(script.problems, problems);
}

}  // namespace
