// The generators: whole generated files compared with expected files written
// by hand (tests/golden/gen), project files, the order of progress lines,
// and designs the generators must refuse.
#include <set>

#include "TempDesign.h"
#include "TestSupport.h"
#include "commands/DesignCommands.h"
#include "commands/DesignText.h"
#include "commands/SampleDesign.h"
#include "generate/AutoCode.h"
#include "generate/ClassFiles.h"
#include "generate/DALOperate.h"
#include "generate/DesignCheck.h"
#include "generate/EntityOperate.h"
#include "generate/GeneratorContext.h"
#include "store/DbHelper.h"
#include "store/DesignReader.h"
#include "store/ProjectDAO.h"
#include "generate/OutputFiles.h"
#include "vocabulary/SqlDialect.h"
#include "vocabulary/TableScript.h"

namespace fs = std::filesystem;
using test::TMemberBuilder;

namespace {

const fs::path kGoldenGen = test::kGoldenDir / "gen";

// Templates as the context serves them (byte-order mark gone). Each
// placeholder of a tier project stands twice to show that every occurrence
// is filled.
const std::map<std::string, std::string> kTemplates = {
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

class GeneratorTest : public TempDesign {
protected:
  TMemoryContext Generate(int projectId, const std::string& projectName) {
    TMemoryContext ctx(projectName);
    ctx.templates = kTemplates;
    GenerateSolution(ctx, ReadDesign(projectId));
    return ctx;
  }

  // Every per-class file and every project file of the user interface equals
  // its expected file, and no expected file is missing.
  void ExpectGoldenFiles(const TMemoryContext& ctx, const std::string& projectName) {
    const fs::path dir = kGoldenGen / projectName;
    std::set<std::string> expectedFiles;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
      if (entry.is_regular_file())
        expectedFiles.insert(entry.path().lexically_relative(dir).string());
    const std::string prefix = "projects/" + projectName + "/LoginFrame/";
    std::set<std::string> compared;
    // Tier project files are checked on their own; the user interface's
    // are compared whole.
    auto compare = [&](const std::map<std::string, std::string>& files, bool projectFiles) {
      for (const auto& [path, text] : files) {
        ASSERT_EQ(path.rfind(prefix, 0), 0u) << path;
        const std::string relative = path.substr(prefix.size());
        if (projectFiles && relative.rfind("LoginFrame/", 0) != 0) continue;
        compared.insert(relative);
        EXPECT_TRUE(test::SameText(test::ReadFile(dir / relative), text)) << relative;
      }
    };
    compare(ctx.ansiFiles, false);
    compare(ctx.utf8Files, true);
    EXPECT_EQ(compared, expectedFiles);
  }

  // String keys (one not the first member), a class naming another class
  // twice, display columns whose names are taken, headings that are empty
  // or need brackets, and two classes that hold nothing but their key.
  int CreateShopDesign() {
    const int p = TProjectDAO().AddProject("Shop");
    const int category = test::AddClass(p, "Category", "商品分类");
    TMemberBuilder(p, category, "catName", kTypeString, "分类名称", 30).Display().Store();
    TMemberBuilder(p, category, "catCode", kTypeString, "分类代码", 10).Key().Store();
    TMemberBuilder(p, category, "remark", kTypeString, "", 200).Store();
    const int tag = test::AddClass(p, "Tag", "标签");
    TMemberBuilder(p, tag, "tagId", kTypeInteger, "标签编号").Key().Display().Store();
    const int unit = test::AddClass(p, "Unit", "计量单位");
    TMemberBuilder(p, unit, "unitCode", kTypeString, "", 8).Key().Display().Store();
    const int transfer = test::AddClass(p, "Transfer", "调拨单");
    TMemberBuilder(p, transfer, "transferId", kTypeInteger, "调拨单号").Key().Store();
    TMemberBuilder(p, transfer, "fromCategory", "Category", "调出分类").Store();
    TMemberBuilder(p, transfer, "toCategory", "Category", "调入分类(目标)").Store();
    TMemberBuilder(p, transfer, "catName", kTypeString, "备注名称", 20).Display().Hidden().Store();
    TMemberBuilder(p, transfer, "amount", kTypeFloat, "数量").Store();
    TMemberBuilder(p, transfer, "tag", "Tag", "标签").Hidden().Store();
    TMemberBuilder(p, transfer, "unit", "Unit", "单位").Store();
    TMemberBuilder(p, transfer, "made", kTypeDate, "").Store();
    return p;
  }
};

TEST_F(GeneratorTest, SampleDesignMatchesExpectedFiles) {
  int projectId = 0;
  ASSERT_FALSE(CreateSampleDesign(projectId));
  ExpectGoldenFiles(Generate(projectId, kSampleProjectName), kSampleProjectName);
}

TEST_F(GeneratorTest, StringKeysRepeatedReferencesAndKeyOnlyClassesMatchExpectedFiles) {
  const int projectId = CreateShopDesign();
  const TMemoryContext ctx = Generate(projectId, "Shop");
  ExpectGoldenFiles(ctx, "Shop");
  // Generating again gives the same bytes and the same progress.
  const TMemoryContext again = Generate(projectId, "Shop");
  EXPECT_EQ(ctx.ansiFiles, again.ansiFiles);
  EXPECT_EQ(ctx.utf8Files, again.utf8Files);
  EXPECT_EQ(ctx.progress, again.progress);
}

// Yes/no members, references to the member's own class (an integer and a
// string key), and every constraint: unique, defaults, ranges, choices;
// with complete query forms. Both databases: the SQLite project's
// data-access classes and both table scripts have expected files too.
TEST_F(GeneratorTest, YesNoOwnReferencesAndConstraintsMatchExpectedFiles) {
  const int p = TProjectDAO().AddProject("Staff");
  TProjectDAO().SetFullQueryForms(p, true);
  const auto choices = [](std::vector<std::string> list, std::string value = "") {
    return TMemberConstraints{false, std::move(value), "", "", std::move(list)};
  };
  const int dept = test::AddClass(p, "Dept", "部门");
  TMemberBuilder(p, dept, "deptId", kTypeInteger, "部门编号").Key().Store();
  TMemberBuilder(p, dept, "deptName", kTypeString, "部门名称", 20)
      .Display()
      .Queried()
      .With({true, "", "", "", {}})
      .Store();
  TMemberBuilder(p, dept, "parent", "Dept", "上级部门").Optional().Queried().Store();
  const int emp = test::AddClass(p, "Employee", "员工");
  TMemberBuilder(p, emp, "empNo", kTypeString, "工号", 10).Key().Store();
  TMemberBuilder(p, emp, "name", kTypeString, "姓名", 20).Display().Queried().Store();
  TMemberBuilder(p, emp, "gender", kTypeString, "性别", 2)
      .Queried()
      .With(choices({"男", "女"}, "男"))
      .Store();
  TMemberBuilder(p, emp, "active", kTypeBoolean, "在职").Queried().With(choices({}, "是")).Store();
  TMemberBuilder(p, emp, "retired", kTypeBoolean, "退休").Hidden().Store();
  TMemberBuilder(p, emp, "age", kTypeInteger, "年龄").With({false, "18", "16", "70", {}}).Store();
  TMemberBuilder(p, emp, "salary", kTypeFloat, "工资").With({false, "", "0", "", {}}).Store();
  TMemberBuilder(p, emp, "bonus", kTypeFloat, "奖金").With({false, "", "", "99999.5", {}}).Store();
  TMemberBuilder(p, emp, "status", kTypeString, "状态", 6)
      .Optional()
      .With(choices({"草稿", "已审核", "已作废"}))
      .Store();
  TMemberBuilder(p, emp, "idCard", kTypeString, "身份证号", 18).With({true, "", "", "", {}}).Store();
  TMemberBuilder(p, emp, "manager", "Employee", "上级").Optional().Store();
  TMemberBuilder(p, emp, "dept", "Dept", "部门").Store();

  TDesign design = ReadDesign(p);
  EXPECT_TRUE(CheckDesign(design).empty());
  ExpectGoldenFiles(Generate(p, "Staff"), "Staff");
  EXPECT_TRUE(test::SameText(test::ReadFile(test::kGoldenDir / "sql" / "staff.sql"),
                             BuildTableScript(design).text));
  design.database = TDatabase::Sqlite;
  EXPECT_TRUE(test::SameText(test::ReadFile(test::kGoldenDir / "sqlite" / "staff.sqlite.sql"),
                             BuildTableScript(design).text));
  TMemoryContext sqlite("Staff");
  sqlite.templates = kTemplates;
  GenerateSolution(sqlite, design);
  for (const char* file : {"DAL/dalDept.cs", "DAL/dalEmployee.cs"})
    EXPECT_TRUE(test::SameText(test::ReadFile(test::kGoldenDir / "sqlite" / "Staff" / file),
                               sqlite.ansiFiles.at("projects/Staff/LoginFrame/" + std::string(file))))
        << file;
}

TEST_F(GeneratorTest, TierProjectFilesListTheClassFilesInClassOrderAtEveryPlaceholder) {
  int projectId = 0;
  ASSERT_FALSE(CreateSampleDesign(projectId));
  const TMemoryContext ctx = Generate(projectId, "Demo");
  EXPECT_EQ(ctx.utf8Files.at("projects/Demo/LoginFrame/Model/Model.csproj"),
            "<Model>\r\n"
            "    <Compile Include=\"BookType.cs\" />\r\n"
            "    <Compile Include=\"Book.cs\" />\r\n"
            "</Model>"
            "    <Compile Include=\"BookType.cs\" />\r\n"
            "    <Compile Include=\"Book.cs\" />\r\n");
  EXPECT_EQ(ctx.utf8Files.at("projects/Demo/LoginFrame/DAL/DAL.csproj"),
            "<DAL>\r\n"
            "    <Compile Include=\"dalBookType.cs\" />\r\n"
            "    <Compile Include=\"dalBook.cs\" />\r\n"
            "</DAL>"
            "    <Compile Include=\"dalBookType.cs\" />\r\n"
            "    <Compile Include=\"dalBook.cs\" />\r\n");
}

// The user's text is written as it is, even when it spells a placeholder
// of the template the main form is made from.
TEST_F(GeneratorTest, TextThatSpellsAPlaceholderIsNotFilled) {
  const int p = TProjectDAO().AddProject("Marks");
  const int cost = test::AddClass(p, "Cost", "$designerStringX");
  TMemberBuilder(p, cost, "costId", kTypeInteger, "编号").Key().Store();
  TMemberBuilder(p, cost, "title", kTypeString, "标题", 30).Display().Store();
  const std::string path = "projects/Marks/LoginFrame/LoginFrame/Frm主面.designer.cs";
  const std::string plain = Generate(p, "Marks").utf8Files.at(path);
  ASSERT_TRUE(commands::UpdateClass(p, cost, {"Cost", "$designerString4", true}));
  EXPECT_EQ(ReplaceAll(Generate(p, "Marks").utf8Files.at(path), "$designerString4",
                       "$designerStringX"),
            plain);
}

TEST_F(GeneratorTest, ProjectWithoutClassesWritesProjectFilesOnly) {
  const int projectId = TProjectDAO().AddProject("Empty");
  TMemoryContext ctx("Empty");
  ctx.templates = kTemplates;
  ctx.templates["template/LoginFrame/Model/Model.csproj"] = "no placeholder here\r\n";
  GenerateSolution(ctx, ReadDesign(projectId));
  EXPECT_TRUE(ctx.ansiFiles.empty());
  EXPECT_EQ(ctx.utf8Files["projects/Empty/LoginFrame/Model/Model.csproj"],
            "no placeholder here\r\n");
  EXPECT_EQ(ctx.utf8Files["projects/Empty/LoginFrame/DAL/DAL.csproj"], "<DAL>\r\n</DAL>");
}

TEST_F(GeneratorTest, ClassWithoutMembersGivesAnEmptyEntityBody) {
  const int p = TProjectDAO().AddProject("Bare");
  test::AddClass(p, "Note", "便签");
  const TDesign design = ReadDesign(p);
  const std::string text = TEntityOperate::BuildClass(design, design.classes.at(0));
  const std::string tail = "    public class Note\r\n    {\r\n    }\r\n}\r\n";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST_F(GeneratorTest, MissingReferencedClassOrKeyStopsWithAMessageNamingIt) {
  const int p = TProjectDAO().AddProject("Broken");
  const int book = test::AddClass(p, "Book", "图书");
  TMemberBuilder(p, book, "bookId", kTypeInteger, "编号").Key().Display().Store();
  TMemberBuilder(p, book, "shelf", "Shelf", "书架").Store();
  const int note = test::AddClass(p, "Note", "便签");
  TMemberBuilder(p, note, "text", kTypeString, "内容").Display().Store();
  const TDesign design = ReadDesign(p);
  try {
    TDALOperate::BuildClass(design, design.classes.at(0));
    ADD_FAILURE() << "a reference to a missing class was accepted";
  } catch (const TGenerationError& e) {
    EXPECT_EQ(std::string(e.what()), "类 Book 的成员 shelf 引用的类 Shelf 不存在或没有主键成员!");
  }
  EXPECT_THROW(TDALOperate::BuildClass(design, design.classes.at(1)), TGenerationError);
}

// Reserved SQL names, C# keywords as class and member names, a key named
// like the entity variable and a class named like a framework type: each
// file shown in tests/golden/names equals its expected text.
TEST_F(GeneratorTest, NamesThatCollideWithSqlOrCSharpAreWrittenSafely) {
  const int p = TProjectDAO().AddProject("Names");
  const int event = test::AddClass(p, "Event", "事件");
  TMemberBuilder(p, event, "eventId", kTypeInteger, "编号").Key().Store();
  TMemberBuilder(p, event, "title", kTypeString, "标题", 30).Display().Store();
  TMemberBuilder(p, event, "photo", kTypeImage, "照片").Optional().Store();
  const int order = test::AddClass(p, "Order", "订单");
  TMemberBuilder(p, order, "order", kTypeString, "单号", 12).Key().Store();
  TMemberBuilder(p, order, "event", kTypeString, "事件名", 20).Display().Store();
  TMemberBuilder(p, order, "end", kTypeDate, "结束").Store();
  const int image = test::AddClass(p, "Image", "图片");
  TMemberBuilder(p, image, "key", kTypeInteger, "键").Key().Store();
  TMemberBuilder(p, image, "default", kTypeString, "默认", 40).Display().Store();
  TMemberBuilder(p, image, "owner", "Order", "订单").Store();
  TMemberBuilder(p, image, "happening", "Event", "事件").Store();
  const TMemoryContext ctx = Generate(p, "Names");

  const fs::path dir = test::kGoldenDir / "names";
  int compared = 0;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    const std::string relative = entry.path().lexically_relative(dir).string();
    if (!entry.is_regular_file() || relative == "README.md") continue;
    const auto file = ctx.ansiFiles.find("projects/Names/LoginFrame/" + relative);
    ASSERT_NE(file, ctx.ansiFiles.end()) << relative;
    EXPECT_TRUE(test::SameText(test::ReadFile(entry.path()), file->second)) << relative;
    ++compared;
  }
  EXPECT_EQ(compared, 8);
}

// A SQLite project's solution differs from the SQL Server one only where
// the database speaks: the data-access classes and the edit form's
// selection of a reference (tests/golden/sqlite), the complete query
// forms' literals, the application's project file (the carried table
// script and the provider's package) and that script.
TEST_F(GeneratorTest, SqliteSolutionDiffersOnlyWhereTheDatabaseSpeaks) {
  int demo = 0;
  ASSERT_FALSE(CreateSampleDesign(demo));
  TDesign design = ReadDesign(demo);
  design.fullQueryForms = true;
  const TMemoryContext sqlServer = [&] {
    TMemoryContext ctx("Demo");
    ctx.templates = kTemplates;
    GenerateSolution(ctx, design);
    return ctx;
  }();
  design.database = TDatabase::Sqlite;
  TMemoryContext sqlite("Demo");
  sqlite.templates = kTemplates;
  GenerateSolution(sqlite, design);

  const fs::path golden = test::kGoldenDir / "sqlite";
  const std::string out = "projects/Demo/LoginFrame/";
  ASSERT_EQ(sqlServer.ansiFiles.size(), sqlite.ansiFiles.size());
  for (const auto& [path, text] : sqlite.ansiFiles) {
    const std::string relative = path.substr(out.size());
    if (fs::exists(golden / relative))
      EXPECT_TRUE(test::SameText(test::ReadFile(golden / relative), text)) << relative;
    else
      EXPECT_EQ(ReplaceAll(sqlServer.ansiFiles.at(path), SqlServerDialect().QueryLiteralMethods(),
                           SqliteDialect().QueryLiteralMethods()),
                text)
          << relative;
  }
  const std::string script = out + "LoginFrame/Database.sqlite.sql";
  EXPECT_TRUE(
      test::SameText(test::ReadFile(golden / "Database.sqlite.sql"), sqlite.utf8Files.at(script)));
  EXPECT_EQ(sqlite.utf8Files.at(script), BuildTableScript(design).text);
  const std::string project = out + "LoginFrame/LoginFrame.csproj";
  EXPECT_EQ(sqlite.utf8Files.at(project),
            ReplaceAll(sqlServer.utf8Files.at(project), "</UI>",
                       SqliteDialect().ApplicationProjectItems() + "</UI>"));
  EXPECT_NE(sqlite.utf8Files.at(project).find("<Version>"), std::string::npos);
  EXPECT_EQ(sqlite.utf8Files.size(), sqlServer.utf8Files.size() + 1);
  EXPECT_EQ(sqlite.progress.size(), sqlServer.progress.size() + 1);
}

TEST(GeneratorSqlNames, HeadingsSqlServerCannotReadBareGoBetweenBrackets) {
  const TSqlDialect& sql = SqlServerDialect();
  EXPECT_EQ(sql.Name("出版日期"), "出版日期");
  EXPECT_EQ(sql.Name("title2"), "title2");
  EXPECT_EQ(sql.Name("_x"), "_x");
  EXPECT_EQ(sql.Name("书 名"), "[书 名]");
  EXPECT_EQ(sql.Name("价格（元）"), "[价格（元）]");
  EXPECT_EQ(sql.Name("2号"), "[2号]");
  EXPECT_EQ(sql.Name("a]b"), "[a]]b]");
  EXPECT_EQ(sql.Name("Order"), "[Order]");
  EXPECT_EQ(sql.Name("orders"), "orders");
  // SQLite's names stand inside C# strings: between backquotes.
  const TSqlDialect& lite = SqliteDialect();
  EXPECT_EQ(lite.Name("出版日期"), "出版日期");
  EXPECT_EQ(lite.Name("书 名"), "`书 名`");
  EXPECT_EQ(lite.Name("a`b"), "`a``b`");
  EXPECT_EQ(lite.Name("Order"), "`Order`");
  EXPECT_EQ(lite.Name("limit"), "`limit`");
  EXPECT_EQ(lite.Name("top"), "top");
}

}  // namespace

// The complete query forms, asked for by the project: the query form of
// every class is the complete one (tests/golden/fullquery), every other
// file is what the project gives without them.
class FullQueryFormTest : public GeneratorTest {
protected:
  void ExpectCompleteQueryForms(int projectId, const std::string& projectName) {
    TDesign design = ReadDesign(projectId);
    TMemoryContext plain(projectName);
    plain.templates = kTemplates;
    GenerateSolution(plain, design);
    design.fullQueryForms = true;
    TMemoryContext full(projectName);
    full.templates = kTemplates;
    GenerateSolution(full, design);

    const fs::path dir = test::kGoldenDir / "fullquery" / projectName;
    const std::string prefix = "projects/" + projectName + "/LoginFrame/LoginFrame/";
    int queryFiles = 0;
    ASSERT_EQ(plain.ansiFiles.size(), full.ansiFiles.size());
    for (const auto& [path, text] : full.ansiFiles) {
      const std::string name = path.substr(path.rfind('/') + 1);
      if (path.rfind(prefix + "FrmQuery", 0) == 0) {
        ++queryFiles;
        EXPECT_TRUE(test::SameText(test::ReadFile(dir / name), text)) << name;
        EXPECT_NE(plain.ansiFiles.at(path), text) << name;
      } else {
        EXPECT_EQ(plain.ansiFiles.at(path), text) << path;
      }
    }
    EXPECT_EQ(queryFiles, 2 * static_cast<int>(design.classes.size()));
    EXPECT_EQ(plain.utf8Files, full.utf8Files);
    EXPECT_EQ(plain.copies, full.copies);
    EXPECT_EQ(plain.progress, full.progress);
  }
};

TEST_F(FullQueryFormTest, SampleDesignMatchesExpectedFiles) {
  int projectId = 0;
  ASSERT_FALSE(CreateSampleDesign(projectId));
  ExpectCompleteQueryForms(projectId, kSampleProjectName);
}

// A string key, a reference whose class has a string key, a date, and a
// member of every kind flagged for search: numbers and images, whose flag
// the entry rules refuse but a design file may hold, are left out as the
// rules have it; a class with nothing to search. Two classes refer to the
// shelf, one of them by two members: the shelf's form has three tabs.
TEST_F(FullQueryFormTest, StringKeysEverySearchKindAndNoSearchMatchExpectedFiles) {
  const int p = TProjectDAO().AddProject("Lib");
  const int shelf = test::AddClass(p, "Shelf", "书架");
  TMemberBuilder(p, shelf, "shelfCode", kTypeString, "书架代码", 10).Key().Store();
  TMemberBuilder(p, shelf, "shelfName", kTypeString, "书架名称", 30).Display().Store();
  const int loan = test::AddClass(p, "Loan", "借阅");
  TMemberBuilder(p, loan, "loanNo", kTypeString, "借阅单号", 20).Key().Store();
  TMemberBuilder(p, loan, "reader", kTypeString, "读者", 30).Display().Queried().Store();
  TMemberBuilder(p, loan, "days", kTypeInteger, "天数").Queried().Store();
  TMemberBuilder(p, loan, "fee", kTypeFloat, "费用").Queried().Store();
  TMemberBuilder(p, loan, "lentOn", kTypeDate, "借出日期").Queried().Store();
  TMemberBuilder(p, loan, "photo", kTypeImage, "照片").Optional().Hidden().Queried().Store();
  TMemberBuilder(p, loan, "shelf", "Shelf", "").Queried().Store();
  const int move = test::AddClass(p, "Move", "调架");
  TMemberBuilder(p, move, "moveId", kTypeInteger, "调架编号").Key().Store();
  TMemberBuilder(p, move, "fromShelf", "Shelf", "原书架").Store();
  TMemberBuilder(p, move, "toShelf", "Shelf", "新书架").Store();
  ExpectCompleteQueryForms(p, "Lib");
}

// The setting is the project's own: no table holds it until it is first
// set, export and import carry it, and it goes with its project.
TEST_F(FullQueryFormTest, TheProjectsSettingTravelsWithItsDesign) {
  int demo = 0;
  ASSERT_FALSE(CreateSampleDesign(demo));
  const std::string plainText = ExportDesign(demo);
  EXPECT_EQ(plainText.find("fullQueryForms"), std::string::npos);
  EXPECT_EQ(TDbHelper().GetIntValue("select count(*) from sqlite_master where "
                                    "name='t_projectoption'"),
            0);
  ASSERT_TRUE(commands::SetFullQueryForms(demo, true));
  const std::string fullText = ExportDesign(demo);
  EXPECT_NE(fullText.find("\"fullQueryForms\": true"), std::string::npos);
  EXPECT_TRUE(ReadDesign(ImportDesign(fullText, "Copy")).fullQueryForms);
  EXPECT_FALSE(ReadDesign(ImportDesign(plainText, "Plain")).fullQueryForms);
  ASSERT_TRUE(commands::DeleteProject(demo));
  EXPECT_EQ(TDbHelper().GetIntValue("select count(*) from t_projectoption where projectId=?",
                                    {std::int64_t{demo}}),
            0);
  EXPECT_FALSE(commands::SetFullQueryForms(demo, true));
}

// The 数据库 setting: SQL Server for a file that never stored it and for an
// option table of an earlier version, which gets the column when the
// setting is first written; kept apart from 完整查询窗体, read with the
// design, carried by export and import (written only for SQLite), and a
// text naming no database refused.
TEST_F(FullQueryFormTest, TheDatabaseSettingIsStoredReadExportedAndImported) {
  int demo = 0;
  ASSERT_FALSE(CreateSampleDesign(demo));
  const int other = TProjectDAO().AddProject("Other");
  Sql("create table t_projectoption (projectId integer primary key, fullQueryForms integer)");
  Sql("insert into t_projectoption values (" + std::to_string(demo) + ", 1)");
  EXPECT_EQ(ReadDesign(demo).database, TDatabase::SqlServer);
  const std::string plainText = ExportDesign(demo);
  EXPECT_EQ(plainText.find("\"database\""), std::string::npos);

  const TCommandResult set = commands::SetDatabase(demo, TDatabase::Sqlite);
  ASSERT_TRUE(set);
  EXPECT_EQ(set.message, "数据库已设为 SQLite 嵌入式数据库");
  EXPECT_EQ(ReadDesign(demo).database, TDatabase::Sqlite);
  EXPECT_TRUE(ReadDesign(demo).fullQueryForms);
  EXPECT_EQ(ReadDesign(other).database, TDatabase::SqlServer);
  ASSERT_TRUE(commands::SetFullQueryForms(demo, false));
  EXPECT_EQ(ReadDesign(demo).database, TDatabase::Sqlite);
  const std::string text = ExportDesign(demo);
  EXPECT_NE(text.find("\"projectName\": \"Demo\",\n  \"database\": \"sqlite\",\n"),
            std::string::npos);
  EXPECT_EQ(ReadDesign(ImportDesign(text, "Copy")).database, TDatabase::Sqlite);
  EXPECT_EQ(ReadDesign(ImportDesign(plainText, "Plain")).database, TDatabase::SqlServer);
  EXPECT_EQ(test::ErrorOf<TDesignTextError>(
                [&] { ImportDesign(ReplaceAll(text, "\"sqlite\"", "\"oracle\""), "Bad"); }),
            "database: 数据库 \"oracle\" 不可用，可选: sqlserver, sqlite");
  Sql("update t_projectoption set databaseKind='oracle'");
  EXPECT_EQ(ReadDesign(demo).database, TDatabase::SqlServer);
}
