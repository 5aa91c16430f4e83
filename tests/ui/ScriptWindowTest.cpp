// The table-script window: it shows the script the core builds for the
// selected project, selects all with Ctrl+A and saves in UTF-8 or GBK.
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
#include "vocabulary/Encoding.h"

namespace {

// The memo's text with the script's CR LF line ends.
QString ShownScript(QDialog* d) {
  QString text = Child<QPlainTextEdit>(d, "Memo_Sql")->toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text;
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
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

class ScriptWindowTest : public QObject {
  Q_OBJECT

private slots:
  void showsTheCoreScriptOfTheSelectedProject();
  void ctrlASelectsEverything();
  void tabsLineUpWithSpaces();
  void savesInTheChosenEncoding();
  void gbkRefusesWhatItCannotHold();
};

void ScriptWindowTest::showsTheCoreScriptOfTheSelectedProject() {
  TWindowFixture f;
  TProjectDAO().AddProject("Empty");
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open();
  f.Find<QComboBox>("CB_Project")->setCurrentIndex(1);

  const std::string expected = BuildTableScript(demo).text;
  QVERIFY(!expected.empty());
  QString shown;
  WhenDialogOpens([&](QDialog* d) {
    QCOMPARE(d->windowTitle(), QStringLiteral("数据库建表sql语句"));
    QVERIFY(d->width() >= 766 && d->height() >= 551);
    shown = ShownScript(d);
  });
  f.Trigger("sql1");
  QCOMPARE(shown.toStdString(), expected);

  // Made afresh each time: a second showing is identical.
  QString again;
  WhenDialogOpens([&](QDialog* d) { again = ShownScript(d); });
  f.Trigger("sql1");
  QCOMPARE(again, shown);

  // Another project, another script.
  f.Find<QComboBox>("CB_Project")->setCurrentIndex(0);
  WhenDialogOpens([&](QDialog* d) { again = ShownScript(d); });
  f.Trigger("sql1");
  QCOMPARE(again.toStdString(), BuildTableScript(1).text);
  QVERIFY(again != shown);
  QVERIFY(f.prompter.boxes.isEmpty());
}

void ScriptWindowTest::ctrlASelectsEverything() {
  TWindowFixture f;
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open();
  WhenDialogOpens([&](QDialog* d) {
    auto* memo = Child<QPlainTextEdit>(d, "Memo_Sql");
    QVERIFY(!memo->toPlainText().isEmpty());
    QVERIFY(!memo->textCursor().hasSelection());
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(memo->textCursor().selectedText().size(), memo->toPlainText().size());
  });
  f.Trigger("sql1");
}

void ScriptWindowTest::tabsLineUpWithSpaces() {
  TWindowFixture f;
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open();
  WhenDialogOpens([&](QDialog* d) {
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
  });
  f.Trigger("sql1");
}

void ScriptWindowTest::savesInTheChosenEncoding() {
  TWindowFixture f;
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open();
  const std::string expected = BuildTableScript(demo).text;
  const QString utf8Path = f.Path("utf8.sql");
  const QString gbkPath = f.Path("gbk.sql");
  WhenDialogOpens([&](QDialog* d) {
    auto* save = Child<QPushButton>(d, "Btn_SaveAs");
    QCOMPARE(save->text(), QStringLiteral("另存为…"));
    auto* saved = Child<QLabel>(d, "Label_Saved");
    QVERIFY(!saved->isVisible());
    f.prompter.saveChoice = TSaveChoice{utf8Path, 0};
    Click(save);
    // The window says where the script went.
    QVERIFY(saved->isVisible());
    QVERIFY(saved->text().contains(QStringLiteral("utf8.sql")));
    QVERIFY(saved->text().contains(QStringLiteral("UTF-8")));
    QCOMPARE(saved->toolTip(),
             QStringLiteral("已保存到 %1 (UTF-8 编码)").arg(QDir::toNativeSeparators(utf8Path)));
    f.prompter.saveChoice = TSaveChoice{gbkPath, 1};
    Click(save);
    QVERIFY(saved->text().contains(QStringLiteral("gbk.sql")));
    QVERIFY(saved->text().contains(QStringLiteral("GBK")));
    QVERIFY(saved->width() >= saved->fontMetrics().horizontalAdvance(saved->text()));
    f.prompter.saveChoice.reset();
    Click(save);
    QVERIFY(saved->toolTip().contains(gbkPath));
  });
  f.Trigger("sql1");
  QCOMPARE(f.prompter.boxes.size(), 3);
  QCOMPARE(f.prompter.boxes[0].kind, QStringLiteral("save"));
  QVERIFY(f.prompter.boxes[0].text.contains(QStringLiteral("UTF-8")));
  QVERIFY(f.prompter.boxes[0].text.contains(QStringLiteral("GBK")));
  QCOMPARE(ReadAll(utf8Path).toStdString(), expected);
  QCOMPARE(ReadAll(gbkPath).toStdString(), Utf8ToGbk(expected, "script"));
  QVERIFY(ReadAll(gbkPath) != ReadAll(utf8Path));
}

void ScriptWindowTest::gbkRefusesWhatItCannotHold() {
  TWindowFixture f;
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open();
  const QString path = f.Path("gbk.sql");
  WhenDialogOpens([&](QDialog* d) {
    auto* memo = Child<QPlainTextEdit>(d, "Memo_Sql");
    memo->moveCursor(QTextCursor::End);
    memo->insertPlainText(QStringLiteral("-- 备注 \U0001F600"));
    f.prompter.saveChoice = TSaveChoice{path, 1};
    Click(Child<QPushButton>(d, "Btn_SaveAs"));
    QVERIFY(d->isVisible());
    QVERIFY(!Child<QLabel>(d, "Label_Saved")->isVisible());
  });
  f.Trigger("sql1");
  QCOMPARE(f.prompter.boxes.size(), 2);
  QCOMPARE(f.prompter.boxes[1].kind, QStringLiteral("error"));
  QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(ScriptWindowTest)
#include "ScriptWindowTest.moc"
