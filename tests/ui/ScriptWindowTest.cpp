// The table-script window: it shows the script the core builds for the
// selected project, selects all with Ctrl+A, and saves
// in UTF-8 or GBK, saying where; a save that cannot be made is an error. And
// the way back: a table script imported as a new project or over the
// current one.
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>

#include "UiTestSupport.h"
#include "commands/DesignCommands.h"
#include "commands/DesignReads.h"
#include "commands/SampleDesign.h"
#include "sqlscript/DataBaseSql.h"
#include "ui/TableScriptImport.h"
#include "vocabulary/Encoding.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ScriptWindowTest : public QObject {
  Q_OBJECT

private slots:
  void showsTheScriptOfTheSelectedProject();
  void savesInTheChosenEncodingOrSaysWhyNot();
  void importedScriptMakesAProjectOrUpdatesTheCurrentOne();
};

void ScriptWindowTest::showsTheScriptOfTheSelectedProject() {
  TWindowFixture f;
  commands::AddProject("Empty");
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open();
  f.Find<QComboBox>("CB_Project")->setCurrentIndex(1);  // not the first
  QString shown;
  WhenDialogOpens([&](QDialog* d) {
    auto* memo = Child<QPlainTextEdit>(d, "Memo_Sql");
    shown = memo->toPlainText().replace('\n', QStringLiteral("\r\n"));  // the script's line ends
    // What is wider than the window scrolls sideways; Ctrl+A selects all.
    QVERIFY(memo->horizontalScrollBar()->maximum() > 0);
    QVERIFY(!memo->textCursor().hasSelection());
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(memo->textCursor().selectedText().size(), memo->toPlainText().size());
  });
  f.Trigger("sql1");
  QCOMPARE(shown.toStdString(), BuildTableScript(demo).text);
  QVERIFY(f.prompter.boxes.isEmpty());
}

// A save that cannot be made (the file is the design database, or GBK
// cannot hold the text) is an error box; the window stays as it was and
// nothing is written.
void ScriptWindowTest::savesInTheChosenEncodingOrSaysWhyNot() {
  TWindowFixture f;
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open();
  const std::string expected = BuildTableScript(demo).text;
  const QString utf8 = f.Path("utf8.sql"), gbk = f.Path("gbk.sql"), emoji = f.Path("emoji.sql");
  const QString database = f.Path("projects.mdb");
  const QByteArray before = ReadAll(database);
  WhenDialogOpens([&](QDialog* d) {
    auto* saved = Child<QLabel>(d, "Label_Saved");
    const auto save = [&](std::optional<TSaveChoice> choice) {
      f.prompter.saveChoice = choice;
      Click(Child<QPushButton>(d, "Btn_SaveAs"));
    };
    save(TSaveChoice{database, 0});
    QVERIFY(!saved->isVisible());
    save(TSaveChoice{utf8, 0});
    // The window says where the script went, in full when pointed at.
    QVERIFY(saved->isVisible() && saved->text().contains(QStringLiteral("utf8.sql")));
    QCOMPARE(saved->toolTip(),
             QStringLiteral("已保存到 %1 (UTF-8 编码)").arg(QDir::toNativeSeparators(utf8)));
    save(TSaveChoice{gbk, 1});
    QVERIFY(saved->text().contains(QStringLiteral("GBK")));
    save(std::nullopt);
    QVERIFY(saved->toolTip().contains(gbk));
    auto* memo = Child<QPlainTextEdit>(d, "Memo_Sql");
    memo->moveCursor(QTextCursor::End);
    memo->insertPlainText(QStringLiteral("-- 备注 \U0001F600"));
    save(TSaveChoice{emoji, 1});
    QVERIFY(d->isVisible());
  });
  f.Trigger("sql1");
  QStringList kinds = f.prompter.Take();
  QVERIFY(kinds[0].contains("UTF-8") && kinds[0].contains("GBK"));
  kinds.replaceInStrings(QRegularExpression(" .*|:.*"), QString());
  QCOMPARE(kinds, QStringList({"save", "error", "save", "save", "save", "save", "error"}));
  QCOMPARE(ReadAll(database), before);
  QCOMPARE(ReadAll(utf8).toStdString(), expected);
  QCOMPARE(ReadAll(gbk).toStdString(), Utf8ToGbk(expected, "script"));
  QVERIFY(!QFile::exists(emoji));
}

// Without a selected project a script comes in as a new one, named after
// the file; with one, the user chooses between updating it (after seeing
// the changes) and a new project, whose taken name may be replaced.
void ScriptWindowTest::importedScriptMakesAProjectOrUpdatesTheCurrentOne() {
  TWindowFixture f;
  f.Open();
  const QString path = f.Path("shop.sql");
  const auto import = [&](const char* script, int project, QList<bool> confirmations = {}) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(script) < 0) qFatal("cannot write");
    file.close();
    f.prompter.confirmations = confirmations;
    return ImportTableScript(f.window.get(), f.prompter, path, project, QStringLiteral("shop"));
  };
  const char* script =
      "CREATE TABLE Customer (Id int PRIMARY KEY, [Full Name] nvarchar(40) NOT NULL)\n";
  QCOMPARE(import(script, -1), TScriptImportOutcome::NewProject);
  // The warnings come in the same box.
  QCOMPARE(f.prompter.Take(),
           QStringList{QStringLiteral("message: 已导入为工程 shop(编号 1)\n\n警告:\n"
                                      "表 dbo.Customer 的列 Full Name 导入为 fullName(第 1 行)\n"
                                      "1 个表名或列名只改了开头字母的大小写(如 Id → id)")});
  // OK twice: the current project is updated once the changes are agreed to.
  QCOMPARE(import("CREATE TABLE Customer (Id int PRIMARY KEY, [Full Name] nvarchar(60) NOT NULL)",
                  1, {true, true}),
           TScriptImportOutcome::ProjectUpdated);
  QStringList boxes = f.prompter.Take();
  QVERIFY(boxes.size() == 3 && boxes[0].startsWith(QStringLiteral(
                                   "confirm 从建表脚本导入: 用建表脚本更新当前工程 shop 吗?")));
  QVERIFY(boxes[1].startsWith(QStringLiteral(
      "confirm 从建表脚本导入: 将对工程 shop 做以下 1 处改动(脚本中没有的类和成员保留):\n"
      "变更成员 Customer.fullName: 长度 40 → 60")));
  QCOMPARE(boxes[2], QStringLiteral("message: 工程 shop 已更新，共 1 处改动"));
  // Cancel, then OK: a new project; its taken name may be replaced.
  f.prompter.answers = {QStringLiteral("shop2")};
  QCOMPARE(import(script, 1, {false, true}), TScriptImportOutcome::NewProject);
  boxes = f.prompter.Take();
  QCOMPARE(boxes.mid(2, 2), QStringList({"message: 该工程名称已经存在!", "ask 请输入工程名称: "}));
  QVERIFY(boxes.value(4).startsWith(QStringLiteral("message: 已导入为工程 shop2(编号 2)")));
  // Cancel twice, or the changes declined: nothing is written.
  QCOMPARE(import(script, 1, {false, false}), TScriptImportOutcome::Nothing);
  QCOMPARE(import(script, 1, {true, false}), TScriptImportOutcome::Nothing);
  QCOMPARE(commands::ListProjects().size(), 2u);
  QCOMPARE(commands::ListMembers(commands::ListClasses(1)[0].classId)[1].memberLength, 60);
}

QTEST_MAIN(ScriptWindowTest)
#include "ScriptWindowTest.moc"
