// The Model, DAL and BLL generators: whole generated files compared with
// expected files written by hand (tests/golden/gen), project files, the
// order of progress lines, and designs the generators must refuse.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "TempDesign.h"
#include "generate/BLLOperate.h"
#include "generate/ClassInfo.h"
#include "generate/DALOperate.h"
#include "generate/EntityOperate.h"
#include "generate/SqlNames.h"
#include "store/ClassDAO.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "store/SampleDesign.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGoldenDir = fs::path(__FILE__).parent_path().parent_path() / "golden" / "gen";

// Project file templates as the context serves them (byte-order mark gone).
// The placeholder stands twice in each to show that every occurrence is filled.
const std::map<std::string, std::string> kTemplates = {
    {"template/LoginFrame/Model/Model.csproj", "<Model>\r\n$CompileString</Model>$CompileString"},
    {"template/LoginFrame/DAL/DAL.csproj", "<DAL>\r\n$CompileString</DAL>$CompileString"},
    {"template/LoginFrame/BLL/BLL.csproj", "<BLL>\r\n$CompileString</BLL>$CompileString"},
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Empty when equal; otherwise the first differing line of each text.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  if (expected == actual) return "";
  std::istringstream e(expected), a(actual);
  std::string le, la;
  for (int line = 1;; ++line) {
    const bool moreE = static_cast<bool>(std::getline(e, le));
    const bool moreA = static_cast<bool>(std::getline(a, la));
    if (!moreE && !moreA) return "texts differ only in their last line break";
    if (moreE != moreA || le != la) {
      return "first difference at line " + std::to_string(line) + "\n  expected: [" +
             (moreE ? le : "<end of text>") + "]\n  actual:   [" + (moreA ? la : "<end of text>") +
             "]";
    }
  }
}

class GeneratorTest : public TempDesign {
protected:
  TMemoryContext Generate(int projectId, const std::string& projectName) {
    TMemoryContext ctx(projectId, projectName);
    ctx.templates = kTemplates;
    const TNameList classes = TClassDAO().GetClassList(projectId);
    TEntityOperate::Generate(ctx, classes);
    TBLLOperate::Generate(ctx, classes);
    TDALOperate().Generate(ctx, classes);
    return ctx;
  }

  // Every per-class file equals its expected file, and no expected file is missing.
  void ExpectGoldenFiles(const TMemoryContext& ctx, const std::string& projectName) {
    const std::string prefix = "projects/" + projectName + "/LoginFrame/";
    std::set<std::string> expectedFiles;
    for (const auto& entry : fs::recursive_directory_iterator(kGoldenDir / projectName))
      if (entry.is_regular_file())
        expectedFiles.insert(entry.path().lexically_relative(kGoldenDir / projectName).string());
    std::set<std::string> written;
    for (const auto& [path, text] : ctx.ansiFiles) {
      ASSERT_EQ(path.rfind(prefix, 0), 0u) << path;
      const std::string relative = path.substr(prefix.size());
      written.insert(relative);
      if (!expectedFiles.count(relative)) continue;
      EXPECT_EQ(FirstDifference(ReadFile(kGoldenDir / projectName / relative), text), "")
          << relative;
    }
    EXPECT_EQ(written, expectedFiles);
  }

  int AddClass(int projectId, const std::string& name, const std::string& friendName) {
    return TClassDAO().AddClass(projectId, name, friendName, 1);
  }

  // A member as the member dialog stores it: flags derived from the type.
  void AddMember(int projectId, int classId, const std::string& name, const std::string& type,
                 const std::string& comment, bool key = false, bool display = false,
                 bool shown = true, int length = 0) {
    TMember m;
    m.projectId = projectId;
    m.classId = classId;
    m.memberName = name;
    m.memberType = type;
    m.memberLength = length;
    m.memberIsPri = key ? 1 : 0;
    m.memberComment = comment;
    m.memberIsMust = 1;
    m.memberIsInteger = type == kTypeInteger ? 1 : 0;
    m.memberIsFloat = type == kTypeFloat ? 1 : 0;
    m.memberIsDisplay = display ? 1 : 0;
    m.memberQueryDisplay = shown ? 1 : 0;
    TMemberDAO().AddMember(m);
  }

  // String keys (one not the first member), a class naming another class
  // twice, display columns whose names are taken, headings that are empty
  // or need brackets, and two classes that hold nothing but their key.
  int CreateShopDesign() {
    const int p = TProjectDAO().AddProject("Shop");
    const int category = AddClass(p, "Category", "商品分类");
    AddMember(p, category, "catName", std::string(kTypeString), "分类名称", false, true, true, 30);
    AddMember(p, category, "catCode", std::string(kTypeString), "分类代码", true, false, true, 10);
    AddMember(p, category, "remark", std::string(kTypeString), "", false, false, true, 200);
    const int tag = AddClass(p, "Tag", "标签");
    AddMember(p, tag, "tagId", std::string(kTypeInteger), "标签编号", true, true);
    const int unit = AddClass(p, "Unit", "计量单位");
    AddMember(p, unit, "unitCode", std::string(kTypeString), "", true, true, true, 8);
    const int transfer = AddClass(p, "Transfer", "调拨单");
    AddMember(p, transfer, "transferId", std::string(kTypeInteger), "调拨单号", true);
    AddMember(p, transfer, "fromCategory", "Category", "调出分类");
    AddMember(p, transfer, "toCategory", "Category", "调入分类(目标)");
    AddMember(p, transfer, "catName", std::string(kTypeString), "备注名称", false, true, false, 20);
    AddMember(p, transfer, "amount", std::string(kTypeFloat), "数量");
    AddMember(p, transfer, "tag", "Tag", "标签", false, false, false);
    AddMember(p, transfer, "unit", "Unit", "单位");
    AddMember(p, transfer, "made", std::string(kTypeDate), "");
    return p;
  }
};

TEST_F(GeneratorTest, SampleDesignMatchesExpectedFiles) {
  int projectId = 0;
  ASSERT_FALSE(CreateSampleDesign(projectId));
  const TMemoryContext ctx = Generate(projectId, kSampleProjectName);
  ExpectGoldenFiles(ctx, kSampleProjectName);
}

TEST_F(GeneratorTest, StringKeysRepeatedReferencesAndKeyOnlyClassesMatchExpectedFiles) {
  const int projectId = CreateShopDesign();
  const TMemoryContext ctx = Generate(projectId, "Shop");
  ExpectGoldenFiles(ctx, "Shop");
}

TEST_F(GeneratorTest, ProjectFilesListTheClassFilesInClassOrderAtEveryPlaceholder) {
  int projectId = 0;
  ASSERT_FALSE(CreateSampleDesign(projectId));
  const TMemoryContext ctx = Generate(projectId, "Demo");
  const std::map<std::string, std::string> expected = {
      {"projects/Demo/LoginFrame/Model/Model.csproj",
       "<Model>\r\n"
       "    <Compile Include=\"BookType.cs\" />\r\n"
       "    <Compile Include=\"Book.cs\" />\r\n"
       "</Model>"
       "    <Compile Include=\"BookType.cs\" />\r\n"
       "    <Compile Include=\"Book.cs\" />\r\n"},
      {"projects/Demo/LoginFrame/DAL/DAL.csproj",
       "<DAL>\r\n"
       "    <Compile Include=\"dalBookType.cs\" />\r\n"
       "    <Compile Include=\"dalBook.cs\" />\r\n"
       "</DAL>"
       "    <Compile Include=\"dalBookType.cs\" />\r\n"
       "    <Compile Include=\"dalBook.cs\" />\r\n"},
      {"projects/Demo/LoginFrame/BLL/BLL.csproj",
       "<BLL>\r\n"
       "    <Compile Include=\"bllBookType.cs\" />\r\n"
       "    <Compile Include=\"bllBook.cs\" />\r\n"
       "</BLL>"
       "    <Compile Include=\"bllBookType.cs\" />\r\n"
       "    <Compile Include=\"bllBook.cs\" />\r\n"},
  };
  EXPECT_EQ(ctx.utf8Files, expected);
}

TEST_F(GeneratorTest, ProjectWithoutClassesWritesProjectFilesOnly) {
  const int projectId = TProjectDAO().AddProject("Empty");
  TMemoryContext ctx(projectId, "Empty");
  ctx.templates = kTemplates;
  ctx.templates["template/LoginFrame/Model/Model.csproj"] = "no placeholder here\r\n";
  TEntityOperate::Generate(ctx, {});
  TBLLOperate::Generate(ctx, {});
  TDALOperate().Generate(ctx, {});
  EXPECT_TRUE(ctx.ansiFiles.empty());
  EXPECT_EQ(ctx.utf8Files["projects/Empty/LoginFrame/Model/Model.csproj"],
            "no placeholder here\r\n");
  EXPECT_EQ(ctx.utf8Files["projects/Empty/LoginFrame/DAL/DAL.csproj"], "<DAL>\r\n</DAL>");
  EXPECT_EQ(ctx.progress.size(), 3u);
}

TEST_F(GeneratorTest, ProgressLinesFollowTheFilesInOrder) {
  int projectId = 0;
  ASSERT_FALSE(CreateSampleDesign(projectId));
  const TMemoryContext ctx = Generate(projectId, "Demo");
  const std::vector<std::string> expected = {
      "projects/Demo/LoginFrame/Model/Model.csproj生成完成!",
      "projects/Demo/LoginFrame/Model/BookType.cs生成完毕!",
      "projects/Demo/LoginFrame/Model/Book.cs生成完毕!",
      "projects/Demo/LoginFrame/BLL/BLL.csproj生成完成!",
      "projects/Demo/LoginFrame/BLL/bllBookType.cs生成完毕!",
      "projects/Demo/LoginFrame/BLL/bllBook.cs生成完毕!",
      "projects/Demo/LoginFrame/DAL/DAL.csproj生成完成!",
      "projects/Demo/LoginFrame/DAL/dalBookType.cs生成完毕!",
      "projects/Demo/LoginFrame/DAL/dalBook.cs生成完毕!",
  };
  EXPECT_EQ(ctx.progress, expected);
}

TEST_F(GeneratorTest, GeneratingTwiceGivesIdenticalText) {
  const int projectId = CreateShopDesign();
  const TMemoryContext first = Generate(projectId, "Shop");
  const TMemoryContext second = Generate(projectId, "Shop");
  EXPECT_EQ(first.ansiFiles, second.ansiFiles);
  EXPECT_EQ(first.utf8Files, second.utf8Files);
  EXPECT_EQ(first.progress, second.progress);
}

TEST_F(GeneratorTest, ClassWithoutMembersGivesAnEmptyEntityBody) {
  const int p = TProjectDAO().AddProject("Bare");
  AddClass(p, "Note", "便签");
  TMemoryContext ctx(p, "Bare");
  ctx.templates = kTemplates;
  TEntityOperate::Generate(ctx, TClassDAO().GetClassList(p));
  const std::string& text = ctx.ansiFiles.at("projects/Bare/LoginFrame/Model/Note.cs");
  const std::string tail = "    public class Note\r\n    {\r\n    }\r\n}\r\n";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST_F(GeneratorTest, ReferenceToAMissingClassStopsWithAMessageNamingIt) {
  const int p = TProjectDAO().AddProject("Broken");
  const int book = AddClass(p, "Book", "图书");
  AddMember(p, book, "bookId", std::string(kTypeInteger), "编号", true, true);
  AddMember(p, book, "shelf", "Shelf", "书架");
  TMemoryContext ctx(p, "Broken");
  ctx.templates = kTemplates;
  const TNameList classes = TClassDAO().GetClassList(p);
  for (int generator = 0; generator < 2; ++generator) {
    try {
      if (generator == 0)
        TEntityOperate::Generate(ctx, classes);
      else
        TDALOperate().Generate(ctx, classes);
      ADD_FAILURE() << "generator " << generator << " accepted a reference to a missing class";
    } catch (const TGenerationError& e) {
      EXPECT_EQ(std::string(e.what()), "类 Book 的成员 shelf 引用的类 Shelf 不存在或没有主键成员!");
    }
  }
  EXPECT_TRUE(ctx.ansiFiles.empty());
}

TEST_F(GeneratorTest, ClassWithoutKeyCannotBeWrittenByTheKeyedGenerators) {
  const int p = TProjectDAO().AddProject("NoKey");
  const int note = AddClass(p, "Note", "便签");
  AddMember(p, note, "text", std::string(kTypeString), "内容", false, true);
  TMemoryContext ctx(p, "NoKey");
  ctx.templates = kTemplates;
  const TNameList classes = TClassDAO().GetClassList(p);
  EXPECT_THROW(TBLLOperate::Generate(ctx, classes), TGenerationError);
  EXPECT_THROW(TDALOperate().Generate(ctx, classes), TGenerationError);
  EXPECT_TRUE(ctx.ansiFiles.empty());
}

TEST(GeneratorSqlNames, HeadingsSqlServerCannotReadBareGoBetweenBrackets) {
  EXPECT_EQ(SqlAlias("出版日期"), "出版日期");
  EXPECT_EQ(SqlAlias("title2"), "title2");
  EXPECT_EQ(SqlAlias("_x"), "_x");
  EXPECT_EQ(SqlAlias("书 名"), "[书 名]");
  EXPECT_EQ(SqlAlias("价格（元）"), "[价格（元）]");
  EXPECT_EQ(SqlAlias("2号"), "[2号]");
  EXPECT_EQ(SqlAlias("a]b"), "[a]]b]");
  EXPECT_EQ(SqlAlias("Order"), "[Order]");
  EXPECT_EQ(SqlAlias("orders"), "orders");
}

}  // namespace
