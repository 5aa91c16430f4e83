// The generators: whole generated files compared with expected files written
// by hand (tests/golden/gen), project files, the order of progress lines,
// designs the generators must refuse, and the project's settings.
#include <set>

#include "TestSupport.h"
#include "commands/DesignText.h"
#include "generate/DesignCheck.h"
#include "generate/GeneratorContext.h"
#include "generate/OutputFiles.h"
#include "vocabulary/SqlDialect.h"
#include "vocabulary/TableScript.h"

namespace fs = std::filesystem;
using test::TMemberBuilder;

namespace {


using test::Generate;
using test::TFiles;

class GeneratorTest : public TempDesign {
protected:

  // Compares each expected file below dir (its README aside) with
  // files[prefix + its path]; answers how many it compared.
  static std::size_t ExpectGoldenFiles(const fs::path& dir, const TFiles& files,
                                       const std::string& prefix) {
    std::size_t compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      const std::string relative = entry.path().lexically_relative(dir).string();
      if (!entry.is_regular_file() || relative == "README.md") continue;
      const auto file = files.find(prefix + relative);
      EXPECT_TRUE(file != files.end()) << "not written: " << relative;
      if (file == files.end()) continue;
      EXPECT_TRUE(test::SameText(test::ReadFile(entry.path()), file->second)) << relative;
      ++compared;
    }
    return compared;
  }
  // Every per-class file and every project file of the user interface
  // equals its expected file (tests/golden/gen/<project>), and none is
  // missing. Tier project files are checked on their own.
  static void ExpectSolution(const TMemoryContext& ctx) {
    const std::string prefix = "projects/" + ctx.ProjectName() + "/LoginFrame/";
    TFiles files = ctx.ansiFiles;
    for (const auto& [path, text] : ctx.utf8Files)
      if (path.starts_with(prefix + "LoginFrame/")) files.emplace(path, text);
    const fs::path dir = test::kGoldenDir / "gen" / ctx.ProjectName();
    EXPECT_EQ(ExpectGoldenFiles(dir, files, prefix), files.size());
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
  ExpectSolution(Generate(ReadDesign(projectId)));
}

TEST_F(GeneratorTest, StringKeysRepeatedReferencesAndKeyOnlyClassesMatchExpectedFiles) {
  const int projectId = CreateShopDesign();
  const TMemoryContext ctx = Generate(ReadDesign(projectId));
  ExpectSolution(ctx);
  // Generating again gives the same bytes and the same progress.
  const TMemoryContext again = Generate(ReadDesign(projectId));
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
  TMemberBuilder(p, emp, "idCard", kTypeString, "身份证号", 18)
      .With({true, "", "", "", {}})
      .Store();
  TMemberBuilder(p, emp, "manager", "Employee", "上级").Optional().Store();
  TMemberBuilder(p, emp, "dept", "Dept", "部门").Store();

  TDesign design = ReadDesign(p);
  EXPECT_TRUE(CheckDesign(design).empty());
  ExpectSolution(Generate(design));
  EXPECT_TRUE(test::SameAsGolden("sql/staff.sql", BuildTableScript(design).text));
  design.database = TDatabase::Sqlite;
  EXPECT_TRUE(test::SameAsGolden("sqlite/staff.sqlite.sql", BuildTableScript(design).text));
  EXPECT_EQ(ExpectGoldenFiles(test::kGoldenDir / "sqlite/Staff", Generate(design).ansiFiles,
                              "projects/Staff/LoginFrame/"),
            2u);
}

// A template without the placeholder is written as it is.
TEST_F(GeneratorTest, TierProjectFilesListTheClassFilesInClassOrderAtEveryPlaceholder) {
  int projectId = 0;
  ASSERT_FALSE(CreateSampleDesign(projectId));
  TMemoryContext ctx("Demo");
  ctx.templates = test::kTemplates;
  ctx.templates["template/LoginFrame/BLL/BLL.csproj"] = "no placeholder here\r\n";
  GenerateSolution(ctx, ReadDesign(projectId));
  for (const std::string tier : {"Model", "DAL"}) {
    const std::string prefix = tier == "DAL" ? "dal" : "";
    const std::string list = "    <Compile Include=\"" + prefix + "BookType.cs\" />\r\n" +
                             "    <Compile Include=\"" + prefix + "Book.cs\" />\r\n";
    EXPECT_EQ(ctx.utf8Files.at("projects/Demo/LoginFrame/" + tier + "/" + tier + ".csproj"),
              "<" + tier + ">\r\n" + list + "</" + tier + ">" + list);
  }
  EXPECT_EQ(ctx.utf8Files.at("projects/Demo/LoginFrame/BLL/BLL.csproj"), "no placeholder here\r\n");
}

// The user's text is written as it is, even when it spells a placeholder
// of the template the main form is made from.
TEST_F(GeneratorTest, TextThatSpellsAPlaceholderIsNotFilled) {
  const int p = TProjectDAO().AddProject("Marks");
  const int cost = test::AddClass(p, "Cost", "$designerStringX");
  TMemberBuilder(p, cost, "costId", kTypeInteger, "编号").Key().Store();
  TMemberBuilder(p, cost, "title", kTypeString, "标题", 30).Display().Store();
  const std::string path = "projects/Marks/LoginFrame/LoginFrame/Frm主面.designer.cs";
  const std::string plain = Generate(ReadDesign(p)).utf8Files.at(path);
  ASSERT_TRUE(commands::UpdateClass(p, cost, {"Cost", "$designerString4", true}));
  EXPECT_EQ(ReplaceAll(Generate(ReadDesign(p)).utf8Files.at(path), "$designerString4",
                       "$designerStringX"),
            plain);
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
  EXPECT_EQ(ExpectGoldenFiles(test::kGoldenDir / "names", Generate(ReadDesign(p)).ansiFiles,
                              "projects/Names/LoginFrame/"),
            8u);
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
  const TMemoryContext sqlServer = Generate(design);
  design.database = TDatabase::Sqlite;
  const TMemoryContext sqlite = Generate(design);

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
  EXPECT_TRUE(test::SameAsGolden("sqlite/Database.sqlite.sql", sqlite.utf8Files.at(script)));
  EXPECT_EQ(sqlite.utf8Files.at(script), BuildTableScript(design).text);
  const std::string project = out + "LoginFrame/LoginFrame.csproj";
  EXPECT_EQ(sqlite.utf8Files.at(project),
            ReplaceAll(sqlServer.utf8Files.at(project), "</UI>",
                       SqliteDialect().ApplicationProjectItems() + "</UI>"));
  EXPECT_NE(sqlite.utf8Files.at(project).find("<Version>"), std::string::npos);
  EXPECT_EQ(sqlite.utf8Files.size(), sqlServer.utf8Files.size() + 1);
  EXPECT_EQ(sqlite.progress.size(), sqlServer.progress.size() + 1);
}

// Headings SQL Server cannot read bare go between brackets; SQLite's names
// stand inside C# strings, between backquotes.
TEST(GeneratorSqlNames, NamesAreQuotedWhereTheDatabaseNeedsIt) {
  using TCases = std::vector<std::pair<std::string, std::string>>;
  for (const auto& [name, quoted] : TCases{{"出版日期", "出版日期"},
                                           {"title2", "title2"},
                                           {"_x", "_x"},
                                           {"书 名", "[书 名]"},
                                           {"价格（元）", "[价格（元）]"},
                                           {"2号", "[2号]"},
                                           {"a]b", "[a]]b]"},
                                           {"Order", "[Order]"},
                                           {"orders", "orders"}})
    EXPECT_EQ(SqlServerDialect().Name(name), quoted);
  for (const auto& [name, quoted] : TCases{{"出版日期", "出版日期"},
                                           {"书 名", "`书 名`"},
                                           {"a`b", "`a``b`"},
                                           {"Order", "`Order`"},
                                           {"limit", "`limit`"},
                                           {"top", "top"}})
    EXPECT_EQ(SqliteDialect().Name(name), quoted);
}

}  // namespace

// The complete query forms, asked for by the project: the query form of
// every class is the complete one (tests/golden/fullquery), every other
// file is what the project gives without them.
class FullQueryFormTest : public GeneratorTest {
protected:
  void ExpectCompleteQueryForms(int projectId, const std::string& projectName) {
    TDesign design = ReadDesign(projectId);
    const TMemoryContext plain = Generate(design);
    design.fullQueryForms = true;
    const TMemoryContext full = Generate(design);

    const std::string prefix = "projects/" + projectName + "/LoginFrame/LoginFrame/";
    const fs::path dir = test::kGoldenDir / "fullquery" / projectName;
    EXPECT_EQ(ExpectGoldenFiles(dir, full.ansiFiles, prefix), 2 * design.classes.size());
    ASSERT_EQ(plain.ansiFiles.size(), full.ansiFiles.size());
    for (const auto& [path, text] : full.ansiFiles)
      EXPECT_EQ(plain.ansiFiles.at(path) == text, !path.starts_with(prefix + "FrmQuery")) << path;
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

// The settings (完整查询窗体, 数据库) are the project's own: no table holds
// them until one is first set, an option table of an earlier version gets
// the database column then; each is kept apart from the other and from
// other projects, read with the design, carried by export and import
// (written only when set), and gone with its project.
TEST_F(FullQueryFormTest, TheProjectsSettingsAreStoredReadExportedAndImported) {
  int demo = 0;
  ASSERT_FALSE(CreateSampleDesign(demo));
  const int other = TProjectDAO().AddProject("Other");
  const std::string plainText = ExportDesign(demo);
  EXPECT_EQ(plainText.find("fullQueryForms"), std::string::npos);
  EXPECT_EQ(plainText.find("\"database\""), std::string::npos);
  EXPECT_EQ(
      TDbHelper().GetIntValue("select count(*) from sqlite_master where name='t_projectoption'"),
      0);
  Sql("create table t_projectoption (projectId integer primary key, fullQueryForms integer)");
  Sql("insert into t_projectoption values (" + std::to_string(demo) + ", 1)");
  EXPECT_EQ(ReadDesign(demo).database, TDatabase::SqlServer);

  ASSERT_TRUE(commands::SetDatabase(demo, TDatabase::Sqlite));
  EXPECT_TRUE(ReadDesign(demo).fullQueryForms);
  EXPECT_EQ(ReadDesign(other).database, TDatabase::SqlServer);
  ASSERT_TRUE(commands::SetFullQueryForms(demo, false));
  EXPECT_EQ(ReadDesign(demo).database, TDatabase::Sqlite);
  ASSERT_TRUE(commands::SetFullQueryForms(demo, true));
  const std::string text = ExportDesign(demo);
  EXPECT_NE(text.find("\"projectName\": \"Demo\",\n  \"fullQueryForms\": true,\n"
                      "  \"database\": \"sqlite\",\n"),
            std::string::npos);
  const TDesign copy = ReadDesign(ImportDesign(text, "Copy"));
  EXPECT_EQ(std::tie(copy.database, copy.fullQueryForms), std::make_tuple(TDatabase::Sqlite, true));
  const TDesign plain = ReadDesign(ImportDesign(plainText, "Plain"));
  EXPECT_EQ(std::tie(plain.database, plain.fullQueryForms),
            std::make_tuple(TDatabase::SqlServer, false));
  EXPECT_EQ(test::ErrorOf<TDesignTextError>(
                [&] { ImportDesign(ReplaceAll(text, "\"sqlite\"", "\"oracle\""), "Bad"); }),
            "database: 数据库 \"oracle\" 不可用，可选: sqlserver, sqlite");
  Sql("update t_projectoption set databaseKind='oracle'");
  EXPECT_EQ(ReadDesign(demo).database, TDatabase::SqlServer);

  ASSERT_TRUE(commands::DeleteProject(demo));
  EXPECT_EQ(TDbHelper().GetIntValue("select count(*) from t_projectoption where projectId=?",
                                    {std::int64_t{demo}}),
            0);
  EXPECT_FALSE(commands::SetFullQueryForms(demo, true));
}
