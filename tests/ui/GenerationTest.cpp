// Generation started from the main window: the advice, the progress log
// filled in the run's order while the window stays usable, the completion
// message and the output directory opened, one run at a time, and closing
// that waits for the run.
#include <QDir>
#include <QPlainTextEdit>

#include "UiTestSupport.h"
#include "commands/SampleDesign.h"
#include "generate/AutoCode.h"
#include "store/ClassDAO.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"

namespace {

const QString kTitle = QStringLiteral("CorvaneC#代码生成器2.0版");
const QString kAdvice = QStringLiteral("如果以前生成了该项目，最好先删除原来的目录!");
const TBox kDone{QStringLiteral("information"), QStringLiteral("任务提示"),
                 QStringLiteral("所有代码生成完毕!")};

TBox Msg(const QString& text) {
  return {QStringLiteral("message"), kTitle, text};
}

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

bool HasBox(const TScriptedPrompter& p, const TBox& box) {
  return p.boxes.contains(box);
}

}  // namespace

class GenerationTest : public QObject {
  Q_OBJECT

private slots:
  void runReportsInOrderAndCompletes();
  void secondRunWaitsForTheFirst();
  void closingWaitsForTheRun();
  void failedPreCheckNamesTheClassAndWritesNothing();
  void errorIsShownAndEndsTheLog();
  void logEndsWithTheOutputFolderAndSaysWhatItCouldNotOpen();
  void systemOpenerHearsWhetherXdgOpenOpenedTheFolder();
};

void GenerationTest::runReportsInOrderAndCompletes() {
  TWindowFixture f;
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open(Resources());
  auto* log = f.Find<QPlainTextEdit>("Memo_State");
  log->setPlainText(QStringLiteral("上次的记录"));

  f.Trigger("A1");
  QCOMPARE(f.prompter.boxes.value(0), Msg(kAdvice));
  // The window stays usable while the run works.
  QVERIFY(f.window->isEnabled());
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 120000);
  QCOMPARE(f.prompter.boxes, QList<TBox>({Msg(kAdvice), kDone}));

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
  QVERIFY(expected.back().contains(QStringLiteral("移动资源文件完毕!")));
  QVERIFY(QFileInfo(projectDir + QStringLiteral("/LoginFrame/Model/Book.cs")).isFile());
}

void GenerationTest::secondRunWaitsForTheFirst() {
  TWindowFixture f;
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open(Resources());
  f.Trigger("A1");
  // Until the window has heard the run end, a second start is refused.
  QVERIFY(f.window->IsGenerating());
  f.Trigger("A1");
  QCOMPARE(f.prompter.boxes.value(1), Msg(QStringLiteral("代码正在生成，请稍候!")));
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 120000);
  QCOMPARE(f.prompter.boxes,
           QList<TBox>({Msg(kAdvice), Msg(QStringLiteral("代码正在生成，请稍候!")), kDone}));
  QCOMPARE(f.opener.opened.size(), 1);

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
  QVERIFY(HasBox(f.prompter, kDone));
  QVERIFY(!f.window->IsGenerating());
  QVERIFY(LogLines(f).contains(QStringLiteral("移动资源文件完毕!")));
}

void GenerationTest::failedPreCheckNamesTheClassAndWritesNothing() {
  TWindowFixture f;
  const int projectId = TProjectDAO().AddProject("Shop");
  TClassDAO classes;
  const int dept = classes.AddClass(projectId, "Dept", "部门", 1);
  const int item = classes.AddClass(projectId, "Item", "商品", 1);
  TMember key;
  key.projectId = projectId;
  key.classId = dept;
  key.memberName = "deptId";
  key.memberType = "整型";
  key.memberIsPri = 1;
  key.memberIsMust = 1;
  key.memberIsInteger = 1;
  key.memberIsDisplay = 1;
  TMemberDAO().AddMember(key);
  key.classId = item;
  key.memberName = "itemId";
  key.memberIsDisplay = 0;
  TMemberDAO().AddMember(key);
  f.Open(Resources());

  f.Trigger("A1");
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 60000);
  QCOMPARE(f.prompter.boxes,
           QList<TBox>(
               {Msg(kAdvice),
                Msg(QStringLiteral("Item表显示成员设置错误，每个类有且只能设置一个显示成员!"))}));
  QVERIFY(f.opener.opened.isEmpty());
  QVERIFY(!QDir(f.dir.filePath(QStringLiteral("projects/Shop"))).exists() ||
          QDir(f.dir.filePath(QStringLiteral("projects/Shop")))
              .entryList(QDir::Files | QDir::NoDotAndDotDot)
              .isEmpty());

  // A second key in Dept fails the key check first.
  key.classId = dept;
  key.memberName = "otherId";
  TMemberDAO().AddMember(key);
  f.prompter.boxes.clear();
  f.Trigger("A1");
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 60000);
  QCOMPARE(f.prompter.boxes,
           QList<TBox>(
               {Msg(kAdvice), Msg(QStringLiteral("Dept表主键设置错误，每个类只能设置一个主键!"))}));
}

void GenerationTest::errorIsShownAndEndsTheLog() {
  TWindowFixture f;
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  QTemporaryDir emptyResources;
  f.Open(emptyResources.path().toStdString());
  f.Trigger("A1");
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 60000);
  QCOMPARE(f.prompter.boxes.size(), 2);
  QCOMPARE(f.prompter.boxes[1].kind, QStringLiteral("error"));
  QVERIFY(!HasBox(f.prompter, kDone));
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
  TProjectDAO().SetFullQueryForms(demo, true);
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
