// The table-script window: it shows the script the core builds for the
// selected project, its tabs lined up, selects all with Ctrl+A, and saves
// in UTF-8 or GBK, saying where; a save that cannot be made is an error. And
// the way back: a table script imported as a new project or over the
// current one.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

#include "UiTestSupport.h"
#include "commands/SampleDesign.h"
#include "sqlscript/DataBaseSql.h"
#include "store/ProjectDAO.h"
#include "ui/TableScriptImport.h"
#include "vocabulary/Encoding.h"

namespace {

// The memo's text with the script's CR LF line ends.
QString ShownScript(QDialog* d) {
  return Child<QPlainTextEdit>(d, "Memo_Sql")->toPlainText().replace('\n', QStringLiteral("\r\n"));
}

// Where a word of a line of the memo is drawn, from the left edge.
int XOf(QPlainTextEdit* memo, const QString& lineStart, const QString& word) {
  for (QTextBlock b = memo->document()->firstBlock(); b.isValid(); b = b.next()) {
    if (!b.text().trimmed().startsWith(lineStart)) continue;
    QTextCursor cursor(b);
    cursor.setPosition(b.position() + static_cast<int>(b.text().indexOf(word)));
    return memo->cursorRect(cursor).left();
  }
  qFatal("no line %s", qPrintable(lineStart));
}

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
  TProjectDAO().AddProject("Empty");
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open();
  f.Find<QComboBox>("CB_Project")->setCurrentIndex(1);
  QString shown;
  WhenDialogOpens([&](QDialog* d) {
    QCOMPARE(d->windowTitle(), QStringLiteral("数据库建表sql语句"));
    shown = ShownScript(d);
    auto* memo = Child<QPlainTextEdit>(d, "Memo_Sql");
    // The login table's columns: one line is aligned with spaces, the
    // others with tabs; they read as the same columns.
    const int type = XOf(memo, QStringLiteral("U_LoginTime "), QStringLiteral("datetime"));
    QCOMPARE(XOf(memo, QStringLiteral("U_Birthday\t"), QStringLiteral("datetime")), type);
    QCOMPARE(XOf(memo, QStringLiteral("U_Name\t"), QStringLiteral("varchar")), type);
    const int null = XOf(memo, QStringLiteral("U_LoginTime "), QStringLiteral("null"));
    QCOMPARE(XOf(memo, QStringLiteral("U_Birthday\t"), QStringLiteral("null")), null);
    QVERIFY(null - type < memo->viewport()->width() / 2);
    // What is wider than the window scrolls sideways.
    QVERIFY(memo->horizontalScrollBar()->maximum() > 0);
    QVERIFY(!memo->textCursor().hasSelection());
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(memo->textCursor().selectedText().size(), memo->toPlainText().size());
  });
  f.Trigger("sql1");
  QCOMPARE(shown.toStdString(), BuildTableScript(demo).text);
  // Another project, another script.
  f.Find<QComboBox>("CB_Project")->setCurrentIndex(0);
  WhenDialogOpens([&](QDialog* d) { shown = ShownScript(d); });
  f.Trigger("sql1");
  QCOMPARE(shown.toStdString(), BuildTableScript(1).text);
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
    auto* save = Child<QPushButton>(d, "Btn_SaveAs");
    auto* saved = Child<QLabel>(d, "Label_Saved");
    f.prompter.saveChoice = TSaveChoice{database, 0};
    Click(save);
    QVERIFY(!saved->isVisible());
    f.prompter.saveChoice = TSaveChoice{utf8, 0};
    Click(save);
    // The window says where the script went.
    QVERIFY(saved->isVisible());
    QVERIFY(saved->text().contains(QStringLiteral("utf8.sql")));
    QCOMPARE(saved->toolTip(),
             QStringLiteral("已保存到 %1 (UTF-8 编码)").arg(QDir::toNativeSeparators(utf8)));
    f.prompter.saveChoice = TSaveChoice{gbk, 1};
    Click(save);
    QVERIFY(saved->text().contains(QStringLiteral("gbk.sql")) &&
            saved->text().contains(QStringLiteral("GBK")));
    QVERIFY(saved->width() >= saved->fontMetrics().horizontalAdvance(saved->text()));
    f.prompter.saveChoice.reset();
    Click(save);
    QVERIFY(saved->toolTip().contains(gbk));
    auto* memo = Child<QPlainTextEdit>(d, "Memo_Sql");
    memo->moveCursor(QTextCursor::End);
    memo->insertPlainText(QStringLiteral("-- 备注 \U0001F600"));
    f.prompter.saveChoice = TSaveChoice{emoji, 1};
    Click(save);
    QVERIFY(d->isVisible());
  });
  f.Trigger("sql1");
  QStringList kinds;
  for (const TBox& box : f.prompter.boxes) kinds << box.kind;
  QCOMPARE(kinds, QStringList({"save", "error", "save", "save", "save", "save", "error"}));
  QVERIFY2(f.prompter.boxes[1].text.contains(QStringLiteral("设计数据库")),
           qPrintable(f.prompter.boxes[1].text));
  QVERIFY(f.prompter.boxes[0].text.contains("UTF-8") && f.prompter.boxes[0].text.contains("GBK"));
  QCOMPARE(ReadAll(database), before);
  QCOMPARE(ReadAll(utf8).toStdString(), expected);
  QCOMPARE(ReadAll(gbk).toStdString(), Utf8ToGbk(expected, "script"));
  QVERIFY(!QFile::exists(emoji));
}

void ScriptWindowTest::importedScriptMakesAProjectOrUpdatesTheCurrentOne() {
  TWindowFixture f;
  f.Open();
  QCOMPARE(f.Find<QAction>("ImportTableScript")->text(), QStringLiteral("从建表脚本导入…"));
  const QString path = f.Path("shop.sql");
  const auto write = [&](const char* script) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(script);
  };
  write(
      "CREATE TABLE Customer (Id int PRIMARY KEY, [Full Name] nvarchar(40) NOT NULL)\n"
      "INSERT Customer VALUES (1, N'x')\n");
  // Without a selected project it comes in as a new one, named after the
  // file, with its warnings in the same box.
  QCOMPARE(ImportTableScript(f.window.get(), f.prompter, path, -1, QString()),
           TScriptImportOutcome::NewProject);
  QCOMPARE(f.prompter.TakeMessages(),
           QStringList{QStringLiteral("已导入为工程 shop(编号 1)\n\n警告:\n"
                                      "数据语句 INSERT 已跳过(共 1 条，第 2 行)\n"
                                      "表 dbo.Customer 的列 Full Name 导入为 fullName(第 1 行)\n"
                                      "1 个表名或列名只改了开头字母的大小写(如 Id → id)")});

  // OK: the current project is updated once the listed changes are agreed to.
  write("CREATE TABLE Customer (Id int PRIMARY KEY, [Full Name] nvarchar(60) NOT NULL)\n");
  f.prompter.confirmations = {true, true};
  QCOMPARE(ImportTableScript(f.window.get(), f.prompter, path, 1, QStringLiteral("shop")),
           TScriptImportOutcome::ProjectUpdated);
  QCOMPARE(f.prompter.boxes.size(), 3);
  QVERIFY(f.prompter.boxes[0].text.startsWith(QStringLiteral("用建表脚本更新当前工程 shop 吗?")));
  QVERIFY(f.prompter.boxes[1].text.startsWith(
      QStringLiteral("将对工程 shop 做以下 1 处改动(脚本中没有的类和成员保留):\n"
                     "变更成员 Customer.fullName: 长度 40 → 60")));
  QCOMPARE(f.prompter.TakeMessages(), QStringList{QStringLiteral("工程 shop 已更新，共 1 处改动")});

  // Cancel, then OK: a new project; its taken name may be replaced.
  f.prompter.confirmations = {false, true};
  f.prompter.answers = {QStringLiteral("shop2")};
  QCOMPARE(ImportTableScript(f.window.get(), f.prompter, path, 1, QStringLiteral("shop")),
           TScriptImportOutcome::NewProject);
  QCOMPARE(f.prompter.TakeMessages(),
           (QStringList{QStringLiteral("该工程名称已经存在!"),
                        QStringLiteral("已导入为工程 shop2(编号 2)\n\n警告:\n"
                                       "表 dbo.Customer 的列 Full Name 导入为 fullName(第 1 行)\n"
                                       "1 个表名或列名只改了开头字母的大小写(如 Id → id)")}));

  // Cancel twice: nothing is written; nor when the changes are declined.
  f.prompter.confirmations = {false, false};
  QCOMPARE(ImportTableScript(f.window.get(), f.prompter, path, 1, QStringLiteral("shop")),
           TScriptImportOutcome::Nothing);
  write("CREATE TABLE Customer (Id int PRIMARY KEY, [Full Name] nvarchar(70) NOT NULL)\n");
  f.prompter.confirmations = {true, false};
  QCOMPARE(ImportTableScript(f.window.get(), f.prompter, path, 1, QStringLiteral("shop")),
           TScriptImportOutcome::Nothing);
  QCOMPARE(TProjectDAO().GetAllProjects().size(), 2u);

  // A script that cannot be read says where.
  write("CREATE TABLE [Customer (Id int)");
  f.prompter.boxes.clear();
  QCOMPARE(ImportTableScript(f.window.get(), f.prompter, path, -1, QString()),
           TScriptImportOutcome::Nothing);
  QCOMPARE(f.prompter.TakeMessages(),
           QStringList{QStringLiteral("第 1 行第 14 列: 方括号中的名称没有结束(缺少 ])")});
}

QTEST_MAIN(ScriptWindowTest)
#include "ScriptWindowTest.moc"
