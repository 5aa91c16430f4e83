// The generation run as its host sees it: the checks before writing with
// their messages, the resource copy, errors that stop the run, and edits
// made by others while it writes.
#include <functional>
#include <utility>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

class AutoCodeTest : public TempDesign {
protected:
  // The skeleton is a copy of the real one, for tests to take parts away.
  void SetUp() override {
    TempDesign::SetUp();
    test::CopySkeleton(Res());
    projectId_ = TProjectDAO().AddProject("Shop");
  }

  fs::path Res() const { return Dir() / "res"; }
  fs::path Out() const { return Dir() / "projects/Shop/LoginFrame"; }

  int AddClass(const std::string& name, const std::string& friendName = "友好名称") {
    return TClassDAO().AddClass(projectId_, name, friendName, 1);
  }
  void AddMember(int classId, const std::string& name, const std::string& type, bool key = false,
                 bool display = false, const std::string& comment = "注释") {
    test::TMemberBuilder b(projectId_, classId, name, type, comment, 20);
    if (key) b.Key();
    if (display) b.Display();
    b.Store();
  }
  // A class that passes every check: integer key, string display member.
  int AddGoodClass(const std::string& name) {
    const int c = AddClass(name);
    AddMember(c, "id", "整型", true);
    AddMember(c, "name", "字符串", false, true);
    return c;
  }

  // A run of the project stored under projectName (names the dialogs refuse
  // are stored as a file made by other tools holds them).
  std::vector<std::string> Run(const std::string& projectName = "Shop") {
    TDbHelper().ExecuteSql("update t_project set projectName=? where projectId=?",
                           {projectName, std::int64_t{projectId_}});
    test::TRecordingHost host;
    TAutoCode(TGenerationRequest{projectId_, projectName, Dir(), Res()}, host).Execute();
    projectDir_ = host.projectDir;
    return host.events;
  }

  int projectId_ = 0;
  fs::path projectDir_;
};

// A project without classes is refused (its solution would not build: a
// project without a single source file). The key check names the first
// class that fails it, and the display check runs only once every class
// has passed the key check.
TEST_F(AutoCodeTest, PreChecksNameTheFirstFailingClassAndWriteNothing) {
  EXPECT_EQ(Run(), std::vector<std::string>{"precheck: 工程 \"Shop\" 还没有任何类，无法生成代码!"});
  const int noDisplay = AddClass("First");
  AddMember(noDisplay, "id", "整型", true);
  const int noKey = AddClass("Second");
  AddMember(noKey, "name", "字符串", false, true);
  const int two = AddClass("TwoKeys");
  AddMember(two, "a", "整型", true);
  AddMember(two, "b", "整型", true, true);
  EXPECT_EQ(Run(),
            std::vector<std::string>{"precheck: Second表主键设置错误，每个类只能设置一个主键!"});
  AddMember(noKey, "id", "整型", true);
  EXPECT_EQ(Run(),
            std::vector<std::string>{"precheck: TwoKeys表主键设置错误，每个类只能设置一个主键!"});
  TClassDAO().DeleteClass(two);
  EXPECT_EQ(Run(), std::vector<std::string>{
                       "precheck: First表显示成员设置错误，每个类有且只能设置一个显示成员!"});
  EXPECT_FALSE(fs::exists(Dir() / "projects"));
}

TEST_F(AutoCodeTest, DesignCheckListsEveryProblemWithClassAndMember) {
  const int book = AddClass("Book", "图书*/");
  AddMember(book, "price", "浮点型", true, false, "价格");
  AddMember(book, "title", "字符串", false, true, "书\"名");
  AddMember(book, "Title", "字符串", false, false, "第二行\r\n");
  AddMember(book, "2nd", "整型");
  AddMember(book, "class", "字符串", false, false, "路径\\");
  AddMember(book, "kind", "Missing", false, false, "笑脸\xF0\x9F\x98\x80");
  AddMember(book, "Book", "整型");
  const int keyword = AddClass("event");
  AddMember(keyword, "id", "字符串", true);
  AddMember(keyword, "name", "字符串", false, true);
  // Names the solution or the generated forms already use.
  const int model = AddClass("Model");
  AddMember(model, "txt_name", "字符串", true);
  AddMember(model, "name", "字符串", false, true);
  AddMember(model, "e", "图片型");
  const int form = AddClass("FrmAddBook");
  AddMember(form, "sender", "整型", true, true);
  AddMember(form, "kindDs", "图片型");
  AddMember(form, "kind", "Kind");
  const int kind = AddClass("Kind");
  AddMember(kind, "kindId", "整型", true, true);
  AddMember(kind, "big", "字符串");
  AddMember(kind, "huge", "字符串");
  const int same = AddClass("KIND");
  AddMember(same, "kindId", "整型", true, true);
  // Values a file made by other tools may hold: flags of 2 or the text '1',
  // lengths no entry lets in.
  AddMember(AddClass("Tag"), "tagId", "整型", true, true);
  AddMember(AddClass("Item"), "code", "字符串", true, true);
  Sql("update t_member set memberIsInteger=2 where memberName='tagId'");
  Sql("update t_member set memberIsInteger='1' where memberName='code'");
  Sql("update t_member set memberLength=9223372036854775807 where memberName='big'");
  Sql("update t_member set memberLength=1e300 where memberName='huge'");

  const std::vector<std::string> events = Run("a/b");
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(
      events[0],
      "precheck: 设计检查未通过，未生成任何文件:\n"
      "工程名称 \"a/b\" 不能用作目录名称: 不能为空，不能含有 / 或 \\ 或控制字符，也不能是 . 或 ..\n"
      "类 \"Book\": 友好名称含有换行或控制字符、\"*/\"、双引号或反斜杠\n"
      "类 \"Book\" 的成员 \"price\": 主键的类型必须是字符串或整型，现为 \"浮点型\"\n"
      "类 \"Book\" 的成员 \"title\": 注释含有换行或控制字符、\"*/\"、双引号或反斜杠\n"
      "类 \"Book\" 的成员 \"Title\": 成员名与本类的另一个成员重复(不区分大小写)\n"
      "类 \"Book\" 的成员 \"Title\": 注释含有换行或控制字符、\"*/\"、双引号或反斜杠\n"
      "类 \"Book\" 的成员 \"2nd\": 成员名不是合法的 C# 标识符\n"
      "类 \"Book\" 的成员 \"class\": 注释含有换行或控制字符、\"*/\"、双引号或反斜杠\n"
      "类 \"Book\" 的成员 \"kind\": 成员类型 \"Missing\" 不是本工程的类\n"
      "类 \"Book\" 的成员 \"kind\": 注释中的字符 \"\xF0\x9F\x98\x80\" (U+1F600) 无法用 GBK "
      "编码保存\n"
      "类 \"Book\" 的成员 \"Book\": 成员名与类名相同\n"
      "类 \"event\": 类名是 C# 关键字\n"
      "类 \"Model\": 类名与解决方案的命名空间 Model 相同\n"
      "类 \"Model\" 的成员 \"txt_name\": 主键成员名与生成的代码中的名称 txt_name 相同\n"
      "类 \"Model\" 的成员 \"e\": 图片成员名与生成的代码中的名称 e 相同\n"
      "类 \"FrmAddBook\": 类名与类 \"Book\" 的窗体 FrmAddBook 相同\n"
      "类 \"FrmAddBook\" 的成员 \"sender\": 主键成员名与生成的代码中的名称 sender 相同\n"
      "类 \"FrmAddBook\" 的成员 \"kindDs\": 图片成员名与生成的代码中的名称 kindDs 相同\n"
      "类 \"Kind\" 的成员 \"big\": 长度 9223372036854775807 超出范围\n"
      "类 \"Kind\" 的成员 \"huge\": 长度 1e+300 超出范围\n"
      "类 \"KIND\": 类名与类 \"Kind\" 重复(不区分大小写)\n"
      "类 \"Tag\" 的成员 \"tagId\": 主键的整型标志与成员类型 \"整型\" 不符\n"
      "类 \"Item\" 的成员 \"code\": 主键的整型标志与成员类型 \"字符串\" 不符");
  EXPECT_FALSE(fs::exists(Dir() / "projects"));
}

// The progress lines, the completion and the copied helper are the command
// line's test.
TEST_F(AutoCodeTest, ResourcesAreCopiedAfterTheGeneratedFilesAndTheRunCompletes) {
  AddGoodClass("Book");
  // A form resource that cannot be copied is skipped without a word.
  fs::remove(Res() / "template/LoginFrame/LoginFrame/FrmEdit.resx");
  EXPECT_EQ(Run().back(), "completed");
  EXPECT_EQ(projectDir_, Dir() / "projects" / "Shop");
  for (const char* copied : {"LoginFrame.sln", "LoginFrame/pic/NoImage.jpg"})
    EXPECT_EQ(test::ReadFile(Out() / copied), test::ReadFile(Res() / "bak/LoginFrame" / copied));
  EXPECT_EQ(test::ReadFile(Out() / "LoginFrame/FrmAddBook.resx"),
            test::ReadFile(Res() / "template/LoginFrame/LoginFrame/FrmAdd.resx"));
  EXPECT_FALSE(fs::exists(Out() / "LoginFrame/FrmEditBook.resx"));
}

// A missing resource tree stops the run after the generated files, a
// missing template where it is read. The files written before stay.
TEST_F(AutoCodeTest, MissingSkeletonPartsStopTheRunAndEarlierFilesStay) {
  AddGoodClass("Book");
  const std::vector<std::pair<std::string, std::string>> parts = {
      {"bak", "正在移动资源文件。。。"},
      {"template/LoginFrame/DAL/DAL.csproj", "projects/Shop/LoginFrame/BLL/bllBook.cs生成完毕!"}};
  for (const auto& [part, lastLine] : parts) {
    fs::remove_all(Res() / part);
    const std::vector<std::string> events = Run();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[events.size() - 2], lastLine);
    EXPECT_TRUE(events.back().starts_with("failed: ")) << events.back();
    EXPECT_NE(events.back().find(fs::path(part).filename().string()), std::string::npos);
    EXPECT_TRUE(fs::exists(Out() / "DAL/dalBook.cs"));
  }
  EXPECT_FALSE(fs::exists(Out() / "LoginFrame.sln"));
}

class EditingHost : public test::TRecordingHost {
public:
  std::function<void()> onFirstLine;
  void Progress(const std::string& line) override {
    if (onFirstLine) std::exchange(onFirstLine, nullptr)();
    TRecordingHost::Progress(line);
  }
};

TEST_F(AutoCodeTest, EditsMadeWhileTheRunWritesDoNotReachItsFiles) {
  AddGoodClass("Kind");
  const int book = AddGoodClass("Book");
  AddMember(book, "kind", "Kind");
  EditingHost host;
  host.onFirstLine = [&] {
    // Renames the referenced class (with its references, as a rename does)
    // and adds a member, right after the run has started writing.
    test::SqlFromElsewhere(Dir() / "projects.mdb",
                      "begin; update t_class set className='Sort' where className='Kind';"
                      "update t_member set memberType='Sort' where memberType='Kind';"
                      "insert into t_member(projectId,classId,memberName,memberType,memberLength,"
                      "memberIsPri,memberComment,memberIsMust,memberIsInteger,memberIsFloat,"
                      "queryFlag,memberIsDisplay,memberQueryDisplay) select projectId,classId,"
                      "'late','字符串',10,0,'',1,0,0,0,0,1 from t_member where memberName='kind';"
                      "commit;");
  };
  TAutoCode(TGenerationRequest{projectId_, "Shop", Dir(), Res()}, host).Execute();
  ASSERT_EQ(host.events.back(), "completed");
  EXPECT_TRUE(fs::exists(Out() / "Model/Kind.cs"));
  EXPECT_FALSE(fs::exists(Out() / "Model/Sort.cs"));
  const std::string dal = test::ReadFile(Out() / "DAL/dalBook.cs");
  EXPECT_NE(dal.find("from Book,Kind where"), std::string::npos);
  EXPECT_EQ(dal.find("Sort"), std::string::npos);
  EXPECT_EQ(test::ReadFile(Out() / "LoginFrame/FrmAddBook.cs").find("late"), std::string::npos);
  // The next run sees the edits.
  EXPECT_EQ(Run().back(), "completed");
  EXPECT_NE(test::ReadFile(Out() / "DAL/dalBook.cs").find("from Book,Sort where"),
            std::string::npos);
}

// A run asked for under a name the project no longer has writes under its
// present name, and keeps that name's record: nothing under the old name.
TEST_F(AutoCodeTest, ARunAskedForUnderAnOldNameWritesUnderTheNewOne) {
  AddGoodClass("Book");
  ASSERT_EQ(Run().back(), "completed");
  const fs::path record = Dir() / "projects/Shop/.corvane/manifest.json";
  const std::string before = test::ReadFile(record);
  test::TRecordingHost host;
  TAutoCode(TGenerationRequest{projectId_, "Store", Dir(), Res()}, host).Execute();
  ASSERT_EQ(host.events.back(), "completed");
  EXPECT_EQ(host.projectDir, Dir() / "projects/Shop");
  EXPECT_FALSE(fs::exists(Dir() / "projects/Store"));
  EXPECT_EQ(test::ReadFile(record), before);
}

}  // namespace
