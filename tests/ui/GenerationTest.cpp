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

}  // namespace

class GenerationTest : public QObject {
  Q_OBJECT

private slots:
  void runReportsInOrderAndCompletesOneAtATime();
  void closingWaitsForTheRun();
  void checksAndErrorsStopTheRunAndAreShown();
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
  QCOMPARE(LogLines(f), expected);

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

QTEST_MAIN(GenerationTest)
#include "GenerationTest.moc"
