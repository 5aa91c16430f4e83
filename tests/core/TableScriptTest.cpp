// The table-creation script, compared whole with the expected files: an
// empty project, and a design of every column form, reference and key, and
// of what an incomplete design leaves out.
#include "TestSupport.h"
#include "sqlscript/DataBaseSql.h"

namespace {

using test::TMemberBuilder;

class TableScriptTest : public TempDesign {
protected:
  void SetUp() override {
    TempDesign::SetUp();
    projectId_ = TProjectDAO().AddProject("Shop");
  }
  int Class(const std::string& name) { return test::AddClass(projectId_, name, name + "表"); }
  TMemberBuilder Member(int classId, const std::string& name, std::string_view type,
                        int length = 0) {
    return TMemberBuilder(projectId_, classId, name, type, "注释", length);
  }

  int projectId_ = 0;
};

// An empty project gives the login module only (the sample design's script
// is the command line's test). Every column form, references and their
// foreign keys, where a key opens the table, and what cannot be rendered:
// each omission is a comment in its place and a problem in the list
// (tests/golden/sql/tables.sql).
TEST_F(TableScriptTest, ColumnsKeysReferencesAndOmissionsGiveTheExpectedFile) {
  const TTableScript empty = BuildTableScript(projectId_);
  EXPECT_TRUE(test::SameAsGolden("sql/login_module.sql", empty.text));
  EXPECT_TRUE(empty.problems.empty());
  Member(Class("Tag"), "tagCode", kTypeString, 8).Key().Store();
  const int person = Class("Person");
  Member(person, "personId", kTypeInteger).Key().Store();
  Member(person, "height]cm", kTypeFloat).Store();         // a bracket in a name is doubled
  Member(person, "age", kTypeInteger).Optional().Store();  // integers are NOT NULL regardless
  Member(person, "photo", kTypeImage).Optional().Store();
  Member(person, "name", kTypeString, 50).Store();
  Member(person, "nick", kTypeString, 200).Optional().Store();
  Member(person, "born", kTypeDate).Store();  // a last date keeps its comma
  // References take their key's form; their own length and flag play no part.
  const int loan = Class("Loan");
  Member(loan, "loanId", kTypeInteger).Key().Store();
  Member(loan, "reader", "Reader").Store();
  Member(loan, "book", "Book", 99).Optional().Store();
  Member(Class("Reader"), "readerId", kTypeInteger).Key().Store();
  const int book = Class("Book");
  Member(book, "isbn", kTypeString, 13).Key().Store();
  Member(book, "firstReader", "Reader").Store();
  // The first key opens the table, a second is left out; only an integer
  // key is an identity.
  const int pair = Class("Pair");
  Member(pair, "label", kTypeString, 10).Store();
  Member(pair, "code", kTypeString, 8).Key().Store();
  Member(pair, "pairId", kTypeInteger).Key().Store();
  Member(Class("Reading"), "takenAt", kTypeFloat, 12).Key().Store();
  // Keys a file made by other tools may hold: an integer key whose integer
  // flag is not 1, and a key too long for a varchar.
  TMemberBuilder probe = Member(Class("Probe"), "probeId", kTypeInteger).Key();
  probe.m.memberIsInteger = 2;
  probe.Store();
  Member(Class("Wide"), "code", kTypeString, 8001).Key().Store();
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
  Member(item, "client", "Client").Store();      // a class that was deleted or never made
  Member(item, "unit", "Unit").Store();
  Member(item, "note", "NOTE").Store();

  const TTableScript script = BuildTableScript(projectId_);
  EXPECT_TRUE(test::SameAsGolden("sql/tables.sql", script.text));
  const std::string expected = test::ReadFile(test::kGoldenDir / "sql/tables.sql");
  std::vector<std::string> comments;
  std::istringstream lines(expected);
  for (std::string line; std::getline(lines, line);)
    if (line.starts_with("-- 类 ")) comments.push_back(line.substr(3, line.size() - 4));
  EXPECT_EQ(script.problems, comments);
}

}  // namespace
