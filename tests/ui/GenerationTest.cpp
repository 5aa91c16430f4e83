// Generation started from the main window: the advice, the progress log
// filled in the run's order while the window stays usable, the completion
// message and the output directory opened, one run at a time, and closing
// that waits for the run.
#include <QDir>
#include <QPlainTextEdit>

#include "UiTestSupport.h"
#include "commands/DesignCommands.h"
#include "commands/SampleDesign.h"
#include "generate/AutoCode.h"

namespace {

const std::filesystem::path kResources = CORVANE_SOURCE_RESOURCES;
const QString kAdvice = QStringLiteral("message: 如果以前生成了该项目，最好先删除原来的目录!");
const QString kDone = QStringLiteral("information 任务提示: 所有代码生成完毕!");

// The lines the run reports when nobody but a recorder listens.
class TRecordingHost : public TGenerationHost {
public:
  QStringList lines;
  void Progress(const std::string& line) override { lines << QString::fromStdString(line); }
  void PreCheckFailed(const std::string&) override {}
  void Completed(const std::filesystem::path&) override {}
  void Failed(const std::string&) override {}
};

QStringList LogLines(TWindowFixture& f) {
  return f.Find<QPlainTextEdit>("Memo_State")->toPlainText().split(QLatin1Char('\n'));
}

}  // namespace

class GenerationTest : public QObject {
  Q_OBJECT

private slots:
  void runReportsInOrderAndCompletesOneAtATime();
  void checksAndErrorsStopTheRunAndAreShown();
  void systemOpenerHearsWhetherXdgOpenOpenedTheFolder();
};

void GenerationTest::runReportsInOrderAndCompletesOneAtATime() {
  TWindowFixture f;
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open(kResources);
  const QString folder = QDir(f.dir.path()).filePath(QStringLiteral("projects/Demo"));
  f.Find<QPlainTextEdit>("Memo_State")->setPlainText(QStringLiteral("上次的记录"));
  QStringList whileShown;
  f.prompter.onBox = [&](const QString& box) {
    if (box == kDone) whileShown = LogLines(f);
  };
  // 完整查询窗体 off, and a desktop that cannot open the folder. The window
  // stays usable while the run works; until it has heard the run end, a
  // second start is refused.
  f.opener.failing = true;
  f.Trigger("A1");
  QVERIFY(f.window->isEnabled() && f.window->IsGenerating());
  f.Trigger("A1");
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 120000);
  QCOMPARE(f.prompter.Take(), QStringList({kAdvice, "message: 代码正在生成，请稍候!", kDone}));
  QCOMPARE(f.opener.opened, QList<QUrl>({QUrl::fromLocalFile(folder)}));

  // The log holds exactly what the run reported, in its order, then the
  // hint and the output folder while the message is shown, then what could
  // not be opened.
  QTemporaryDir other;
  TRecordingHost recorder;
  TAutoCode({demo, kSampleProjectName, other.path().toStdString(), kResources}, recorder).Execute();
  QStringList expected = recorder.lines;
  expected.replaceInStrings(other.path(), f.dir.path());
  QVERIFY(expected.size() > 4);
  expected << QStringLiteral(
                  "提示: 查询窗体生成为空白窗口；要生成可查询、添加、修改和删除的完整查询窗体，"
                  "请勾选菜单 代码管理 → 完整查询窗体 后重新生成。")
           << QStringLiteral("输出目录: ") + folder;
  QCOMPARE(whileShown, expected);
  QCOMPARE(LogLines(f), expected + QStringList{QStringLiteral("无法打开输出目录: ") + folder});

  // Once it has ended, the next run starts; with the option on, the folder
  // is the last line. Closing waits for the run, and says so where it stays
  // in view while more progress lines arrive.
  commands::SetFullQueryForms(demo, true);
  f.opener.failing = false;
  const QString title = f.window->windowTitle();
  f.Trigger("A1");
  QVERIFY(!f.window->close());
  const QString notice = QStringLiteral("代码生成结束后窗口将自动关闭。");
  QCOMPARE(f.window->windowTitle(), title + QStringLiteral(" - ") + notice);
  QVERIFY(LogLines(f).contains(notice));
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->isVisible(), 120000);
  QCOMPARE(f.prompter.Take(), QStringList({kAdvice, kDone}));
  QVERIFY(!LogLines(f).contains(expected[expected.size() - 2]));
  QCOMPARE(LogLines(f).back(), expected.back());
}

// A failed check before writing is a message and writes nothing; an error
// while writing is an error box that also ends the log.
void GenerationTest::checksAndErrorsStopTheRunAndAreShown() {
  TWindowFixture f;
  const int shop = commands::AddProject("Shop").id;
  const int dept = commands::AddClass(shop, {"Dept", "部门"}).id;
  commands::AddMember(
      shop, dept, {.memberName = "deptId", .memberType = "整型", .isPri = true, .isMust = true});
  QTemporaryDir emptyResources;
  f.Open(emptyResources.path().toStdString());
  f.Trigger("A1");
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 120000);
  QCOMPARE(
      f.prompter.Take(),
      QStringList({kAdvice, "message: Dept表显示成员设置错误，每个类有且只能设置一个显示成员!"}));
  QVERIFY(!QDir(f.dir.filePath(QStringLiteral("projects/Shop"))).exists());

  commands::AddMember(shop, dept,
                      {.memberName = "name", .memberType = "字符串", .isDisplay = true});
  f.Trigger("A1");
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 120000);
  QVERIFY(f.prompter.boxes.size() == 2 && f.prompter.boxes[1].startsWith("error: "));
  QVERIFY(f.opener.opened.isEmpty());
  QCOMPARE(LogLines(f).back(), f.prompter.boxes[1].replace("error: ", "代码生成出错: "));
}

void GenerationTest::systemOpenerHearsWhetherXdgOpenOpenedTheFolder() {
  // An xdg-open that opens only folders that are there.
  QTemporaryDir bin;
  QFile script(bin.filePath(QStringLiteral("xdg-open")));
  QVERIFY(script.open(QIODevice::WriteOnly) && script.write("#!/bin/sh\n[ -d \"$1\" ]\n") > 0);
  script.close();
  script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.path().toUtf8() + ':' + path);
  const QString there = bin.filePath(QStringLiteral("学生 管理")), gone = bin.filePath("gone");
  QVERIFY(QDir().mkdir(there));
  TSystemDesktopOpener opener;
  QStringList failed;
  for (const QString& folder : {there, gone})
    opener.Open(QUrl::fromLocalFile(folder), [&failed, folder] { failed << folder; });
  QTRY_COMPARE(failed, QStringList{gone});
  QTest::qWait(200);
  QCOMPARE(failed, QStringList{gone});
  qputenv("PATH", path);
}

QTEST_MAIN(GenerationTest)
#include "GenerationTest.moc"
