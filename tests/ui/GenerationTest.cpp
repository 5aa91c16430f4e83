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

const QString kAdvice = QStringLiteral("如果以前生成了该项目，最好先删除原来的目录!");
const TBox kDone{QStringLiteral("information"), QStringLiteral("任务提示"),
                 QStringLiteral("所有代码生成完毕!")};

std::filesystem::path Resources() {
  return CORVANE_SOURCE_RESOURCES;
}

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

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class GenerationTest : public QObject {
  Q_OBJECT

private slots:
  void runReportsInOrderAndCompletesOneAtATime();
  void closingWaitsForTheRun();
  void checksAndErrorsStopTheRunAndAreShown();
  void logEndsWithTheOutputFolderAndSaysWhatItCouldNotOpen();
  void systemOpenerHearsWhetherXdgOpenOpenedTheFolder();
};

void GenerationTest::runReportsInOrderAndCompletesOneAtATime() {
  TWindowFixture f;
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open(Resources());
  f.Find<QPlainTextEdit>("Memo_State")->setPlainText(QStringLiteral("上次的记录"));
  const TBox busy = Msg(QStringLiteral("代码正在生成，请稍候!"));
  f.Trigger("A1");
  // The window stays usable while the run works; until it has heard the
  // run end, a second start is refused.
  QVERIFY(f.window->isEnabled() && f.window->IsGenerating());
  f.Trigger("A1");
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 120000);
  QCOMPARE(f.prompter.boxes, QList<TBox>({Msg(kAdvice), busy, kDone}));
  const QString projectDir = QDir(f.dir.path()).filePath(QStringLiteral("projects/Demo"));
  QCOMPARE(f.opener.opened, QList<QUrl>({QUrl::fromLocalFile(projectDir)}));

  // The log holds exactly what the run reported, in its order.
  QTemporaryDir other;
  TRecordingHost recorder;
  TGenerationRequest request{demo, kSampleProjectName, other.path().toStdString(), Resources()};
  TAutoCode(request, recorder).Execute();
  QStringList expected = recorder.lines;
  expected.replaceInStrings(other.path(), f.dir.path());
  QVERIFY(expected.size() > 4);
  QCOMPARE(LogLines(f).mid(0, expected.size()), expected);

  // Once it has ended, the next run starts.
  f.prompter.boxes.clear();
  f.Trigger("A1");
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 120000);
  QCOMPARE(f.prompter.boxes, QList<TBox>({Msg(kAdvice), kDone}));
}

void GenerationTest::closingWaitsForTheRun() {
  TWindowFixture f;
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open(Resources());
  f.Trigger("A1");
  QVERIFY(!f.window->close());
  QVERIFY(f.window->isVisible());
  // Said where it stays in view while more progress lines arrive.
  const QString notice = QStringLiteral("代码生成结束后窗口将自动关闭。");
  QCOMPARE(f.window->windowTitle(), kTitle + QStringLiteral(" - ") + notice);
  QVERIFY(LogLines(f).contains(notice));
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->isVisible(), 120000);
  QVERIFY(f.prompter.boxes.contains(kDone));
  QVERIFY(!f.window->IsGenerating());
  QVERIFY(LogLines(f).contains(QStringLiteral("移动资源文件完毕!")));
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
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 60000);
  QCOMPARE(f.prompter.boxes, QList<TBox>({Msg(kAdvice), Msg("Dept表显示成员设置错误，每个类有且"
                                                            "只能设置一个显示成员!")}));
  QVERIFY(!QDir(f.dir.filePath(QStringLiteral("projects/Shop"))).exists());

  commands::AddMember(shop, dept,
                      {.memberName = "name", .memberType = "字符串", .isDisplay = true});
  f.prompter.boxes.clear();
  f.Trigger("A1");
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 60000);
  QCOMPARE(f.prompter.boxes.size(), 2);
  QCOMPARE(f.prompter.boxes[1].kind, QStringLiteral("error"));
  QVERIFY(f.opener.opened.isEmpty());
  QCOMPARE(LogLines(f).back(), QStringLiteral("代码生成出错: %1").arg(f.prompter.boxes[1].text));
}

void GenerationTest::logEndsWithTheOutputFolderAndSaysWhatItCouldNotOpen() {
  TWindowFixture f;
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open(Resources());
  const QString folder = QDir(f.dir.path()).filePath(QStringLiteral("projects/Demo"));
  const QString optionLine = QStringLiteral(
      "提示: 查询窗体生成为空白窗口；要生成可查询、添加、修改和删除的完整查询窗体，"
      "请勾选菜单 代码管理 → 完整查询窗体 后重新生成。");
  // The lines are there while the completion message is shown.
  QStringList whileShown;
  f.prompter.onBox = [&](const TBox& box) {
    if (box == kDone) whileShown = LogLines(f);
  };

  // 完整查询窗体 off, and a desktop that cannot open the folder.
  f.opener.failing = true;
  f.Trigger("A1");
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 120000);
  QCOMPARE(whileShown.mid(whileShown.size() - 2),
           QStringList({optionLine, QStringLiteral("输出目录: ") + folder}));
  QCOMPARE(LogLines(f).mid(whileShown.size()),
           QStringList({QStringLiteral("无法打开输出目录: ") + folder}));

  // With the option on the folder is the last line; it opened.
  commands::SetFullQueryForms(demo, true);
  f.opener.failing = false;
  f.Trigger("A1");
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 120000);
  QVERIFY(!LogLines(f).contains(optionLine));
  QCOMPARE(LogLines(f).back(), QStringLiteral("输出目录: ") + folder);
}

void GenerationTest::systemOpenerHearsWhetherXdgOpenOpenedTheFolder() {
  // An xdg-open that records what it was given and exits as told.
  QTemporaryDir bin;
  const QString record = bin.filePath(QStringLiteral("opened"));
  QFile script(bin.filePath(QStringLiteral("xdg-open")));
  QVERIFY(script.open(QIODevice::WriteOnly));
  script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" >'%1'\nexit $(cat '%1.status')\n")
                   .arg(record)
                   .toUtf8());
  script.close();
  script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.path().toUtf8() + ':' + path);
  const QString folder = bin.filePath(QStringLiteral("projects/学生管理"));

  TSystemDesktopOpener opener;
  for (const char* status : {"3", "0"}) {
    QFile(record).remove();
    QFile statusFile(record + QStringLiteral(".status"));
    QVERIFY(statusFile.open(QIODevice::WriteOnly));
    statusFile.write(status);
    statusFile.close();
    bool failed = false;
    opener.Open(QUrl::fromLocalFile(folder), [&] { failed = true; });
    QTRY_COMPARE(ReadText(record), folder);
    if (*status == '0') {
      QTest::qWait(200);
      QVERIFY(!failed);
    } else {
      QTRY_VERIFY(failed);
    }
  }
  qputenv("PATH", path);
}

QTEST_MAIN(GenerationTest)
#include "GenerationTest.moc"
