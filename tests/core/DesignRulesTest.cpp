// The entry rules as the user meets them: which message, in which order.
#include "TempDesign.h"
#include "store/ClassDAO.h"
#include "store/DesignRules.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "store/SampleDesign.h"

namespace {

using Rules = TempDesign;

std::string Said(const TRuleResult& r) {
  return r.value_or("<accepted>");
}

TEST_F(Rules, ProjectNames) {
  EXPECT_EQ(Said(CheckAddProject("")), "工程名称不能为空!");
  EXPECT_EQ(Said(CheckAddProject("  ")), "<accepted>");  // blanks are a name; nothing is trimmed
  const int demo = TProjectDAO().AddProject("Demo");
  EXPECT_EQ(Said(CheckAddProject("Demo")), "该工程名称已经存在!");
  EXPECT_EQ(Said(CheckAddProject("dEMO")), "该工程名称已经存在!");
  for (const char* unsafe : {"a/b", "a\\b", ".", "..", "tab\there", "nl\n"})
    EXPECT_EQ(Said(CheckAddProject(unsafe)), msg::kProjectNameUnsafe) << unsafe;
  EXPECT_EQ(Said(CheckAddProject("...")), "<accepted>");
  EXPECT_EQ(Said(CheckAddProject("图书 管理")), "<accepted>");

  EXPECT_EQ(Said(CheckRenameProject(demo, "")), "工程项目名称不能为空!");
  EXPECT_EQ(Said(CheckRenameProject(demo, "..")), msg::kProjectNameUnsafe);
  EXPECT_EQ(Said(CheckRenameProject(demo, "DEMO")), "<accepted>");  // its own name
  const int other = TProjectDAO().AddProject("Other");
  EXPECT_EQ(Said(CheckRenameProject(other, "demo")), "该工程名称已经存在!");
}

TEST_F(Rules, AddClassChecksInOrder) {
  const int p = TProjectDAO().AddProject("P");
  EXPECT_EQ(Said(CheckAddClass(p, "", "")), "类名称不能为空!");
  EXPECT_EQ(Said(CheckAddClass(p, "book", "")), "友好名称不能为空");
  EXPECT_EQ(Said(CheckAddClass(p, "", "图书")), "类名称不能为空!");
  for (const char* bad : {"book", "1Book", " Book", "图书", "_Book"})
    EXPECT_EQ(Said(CheckAddClass(p, bad, "图书")), "类名首个字母必须大写") << bad;
  EXPECT_EQ(Said(CheckAddClass(p, "B", "图书")), "<accepted>");
  EXPECT_EQ(Said(CheckAddClass(p, "Book 图书 2", "图书")),
            "<accepted>");  // only the first is tested
  TClassDAO().AddClass(p, "Book", "图书", 1);
  EXPECT_EQ(Said(CheckAddClass(p, "Book", "书")), "该类名称已经存在!");
  EXPECT_EQ(Said(CheckAddClass(p, "BOOK", "书")), "该类名称已经存在!");
  const int q = TProjectDAO().AddProject("Q");
  EXPECT_EQ(Said(CheckAddClass(q, "Book", "书")), "<accepted>");
}

TEST_F(Rules, UpdateClassChecksInOrder) {
  const int p = TProjectDAO().AddProject("P");
  const int book = TClassDAO().AddClass(p, "Book", "图书", 1);
  TClassDAO().AddClass(p, "Dept", "部门", 1);
  EXPECT_EQ(Said(CheckUpdateClass(p, book, "", "")), "类名称不能为空");
  EXPECT_EQ(Said(CheckUpdateClass(p, book, "book", "")), "类名首个字母必须大写");
  EXPECT_EQ(Said(CheckUpdateClass(p, book, "Book", "")), "友好名称不能为空");
  EXPECT_EQ(Said(CheckUpdateClass(p, book, "Book", "书")), "<accepted>");
  EXPECT_EQ(Said(CheckUpdateClass(p, book, "BOOK", "书")), "<accepted>");
  EXPECT_EQ(Said(CheckUpdateClass(p, book, "DEPT", "书")), "该类名称已经存在!");
}

TMemberEntry Member(std::string name, std::string type, bool must = true) {
  TMemberEntry e;
  e.memberName = std::move(name);
  e.memberType = std::move(type);
  e.isMust = must;
  return e;
}

TEST_F(Rules, MemberChecksInOrder) {
  EXPECT_EQ(Said(CheckAddMember(Member("", "字符串"))), "成员名称输入不能为空!");
  for (const char* bad : {"Title", "1title", "_title", "书名"})
    EXPECT_EQ(Said(CheckAddMember(Member(bad, "字符串"))), "成员属性首个字母必须小写") << bad;
  EXPECT_EQ(Said(CheckAddMember(Member("t Itle书", "字符串"))), "<accepted>");

  EXPECT_EQ(Said(CheckAddMember(Member("d", "日期型", false))), "日期型必须勾选是否必填标志!");
  EXPECT_EQ(Said(CheckAddMember(Member("d", "BookType", false))), "BookType必须勾选是否必填标志!");
  EXPECT_EQ(Said(CheckAddMember(Member("s", "字符串", false))), "<accepted>");
  EXPECT_EQ(Said(CheckAddMember(Member("i", "图片型", false))), "<accepted>");

  for (const char* type : {"浮点型", "日期型", "图片型", "BookType"}) {
    TMemberEntry key = Member("k", type);
    key.isPri = true;
    EXPECT_EQ(Said(CheckAddMember(key)), "主键字段必须是整型或字符串型!") << type;
    EXPECT_EQ(Said(CheckUpdateMember(key)), "主键字段必须是整型或字符串型!") << type;
  }
  TMemberEntry intKey = Member("k", "整型");
  intKey.isPri = true;
  EXPECT_EQ(Said(CheckUpdateMember(intKey)), "<accepted>");

  TMemberEntry queried = Member("q", "整型");
  queried.queryFlag = true;
  EXPECT_EQ(Said(CheckAddMember(queried)), "参与查询的字段不能是整型");
  queried.memberType = "浮点型";
  EXPECT_EQ(Said(CheckAddMember(queried)), "参与查询的字段不能是浮点型");
  queried.memberType = "日期型";
  EXPECT_EQ(Said(CheckAddMember(queried)), "<accepted>");
  // The must flag is reported before the query flag.
  TMemberEntry both = Member("q", "整型", false);
  both.queryFlag = true;
  EXPECT_EQ(Said(CheckAddMember(both)), "整型必须勾选是否必填标志!");
}

TEST_F(Rules, BuildMemberDerivesFlagsAndReadsLengthOnlyForStrings) {
  TMember m;
  TMemberEntry e = Member("title", "字符串");
  e.lengthText = " 50 ";
  ASSERT_FALSE(BuildMember(e, 3, 4, m));
  EXPECT_EQ(m.memberLength, 50);
  EXPECT_EQ(m.projectId, 3);
  EXPECT_EQ(m.classId, 4);
  EXPECT_EQ(m.memberIsInteger, 0);
  EXPECT_EQ(m.memberQueryDisplay, 1);

  e.lengthText = "abc";
  EXPECT_EQ(Said(BuildMember(e, 3, 4, m)), "长度必须是整数!");
  e.lengthText = "5x";
  EXPECT_EQ(Said(BuildMember(e, 3, 4, m)), "长度必须是整数!");

  e.memberType = "整型";  // length box ignored for other types
  e.queryDisplay = false;
  ASSERT_FALSE(BuildMember(e, 3, 4, m));
  EXPECT_EQ(m.memberLength, 0);
  EXPECT_EQ(m.memberIsInteger, 1);
  EXPECT_EQ(m.memberIsFloat, 0);
  EXPECT_EQ(m.memberQueryDisplay, 0);
  e.memberType = "浮点型";
  ASSERT_FALSE(BuildMember(e, 3, 4, m));
  EXPECT_EQ(m.memberIsFloat, 1);
  EXPECT_EQ(m.memberIsInteger, 0);
}

TEST_F(Rules, TypeChoicesNeverOfferTheClassItself) {
  const int p = TProjectDAO().AddProject("P");
  const int only = TClassDAO().AddClass(p, "Book", "图书", 1);
  EXPECT_EQ(MemberTypeChoices(p, only),
            (std::vector<std::string>{"字符串", "整型", "浮点型", "日期型", "图片型"}));
  const int dept = TClassDAO().AddClass(p, "Dept", "部门", 1);
  TClassDAO().AddClass(p, "Area", "地区", 1);
  EXPECT_EQ(
      MemberTypeChoices(p, dept),
      (std::vector<std::string>{"字符串", "整型", "浮点型", "日期型", "图片型", "Book", "Area"}));
}

TEST_F(Rules, MemberListOperations) {
  EXPECT_EQ(Said(CheckDeleteMember(-1)), "请先选择一个成员");
  EXPECT_EQ(Said(CheckMoveUp(-1)), "请先选择一个成员");
  EXPECT_EQ(Said(CheckMoveUp(0)), "第一个成员无法上移了！");
  EXPECT_EQ(Said(CheckMoveUp(2)), "<accepted>");
  EXPECT_EQ(Said(CheckMoveDown(-1, 5)), "请先选择一个成员");
  EXPECT_EQ(Said(CheckMoveDown(4, 5)), "最后一个成员无法下移了！");
  EXPECT_EQ(Said(CheckMoveDown(3, 5)), "<accepted>");
  EXPECT_EQ(Said(CheckExchange(1)), "请选中2条记录!");
  EXPECT_EQ(Said(CheckExchange(3)), "请选中2条记录!");
  EXPECT_EQ(Said(CheckExchange(2)), "<accepted>");
}

TEST_F(Rules, SampleDesignPassesTheGenerationPreChecks) {
  int projectId = 0;
  ASSERT_FALSE(CreateSampleDesign(projectId));
  const TNameList classes = TClassDAO().GetClassList(projectId);
  ASSERT_EQ(classes.size(), 2u);
  EXPECT_TRUE(TClassDAO().CheckPrimaryKeys(classes, nullptr));
  EXPECT_TRUE(TClassDAO().CheckDisplayMembers(classes, nullptr));
  TRowSet book = TMemberDAO().QueryMembers(classes[1].id);
  std::vector<std::string> types;
  for (book.First(); !book.Eof(); book.Next()) types.push_back(book.AsString("memberType"));
  EXPECT_EQ(types, (std::vector<std::string>{"整型", "字符串", "浮点型", "整型", "日期型", "图片型",
                                             "BookType"}));
  EXPECT_EQ(Said(CreateSampleDesign(projectId)), "该工程名称已经存在!");
}

}  // namespace
