// The program's start-up: after it, the standard boxes the window shows
// through its prompter speak Chinese, whatever the locale says.
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "UiTestSupport.h"
#include "ui/Startup.h"

namespace {

// The texts of the buttons of the next modal box, read while it is open;
// the box is then cancelled (or, without a cancel button, accepted).
QStringList ButtonsOfNextBox(const std::function<void()>& openBox) {
  QStringList texts;
  WhenDialogOpens([&](QDialog* box) {
    for (auto* button : box->findChildren<QAbstractButton*>())
      if (button->isVisible() && !button->text().isEmpty())
        texts << button->text().remove(QLatin1Char('&'));
  });
  openBox();
  texts.sort();
  return texts;
}

QStringList Sorted(QStringList texts) {
  texts.sort();
  return texts;
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

private slots:
  void standardBoxesSpeakChineseAfterStartUp();
  void deletionQuestionWarnsAndEnterKeeps();
};

void StartupTest::standardBoxesSpeakChineseAfterStartUp() {
  TQtPrompter prompter;
  QWidget owner;
  owner.show();
  const auto confirm = [&] {
    prompter.Confirm(&owner, QStringLiteral("确认删除当前项目吗?"), QStringLiteral("删除提示"));
  };

  // Before: Qt's own English texts.
  QCOMPARE(ButtonsOfNextBox(confirm), Sorted({"OK", "Cancel"}));

  QVERIFY2(SetUpApplication(*qApp), qPrintable(QtTranslationDirectory()));
  QCOMPARE(QApplication::applicationName(), QStringLiteral("corvane"));
  QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(kDesktopId));
  QVERIFY(!QApplication::windowIcon().isNull());
  QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(256, 256)));

  QCOMPARE(ButtonsOfNextBox(confirm), Sorted({"确定", "取消"}));
  QCOMPARE(ButtonsOfNextBox([&] { prompter.Message(&owner, QStringLiteral("删除成功!")); }),
           QStringList({"确定"}));
  QCOMPARE(ButtonsOfNextBox([&] { prompter.Error(&owner, QStringLiteral("磁盘已满")); }),
           QStringList({"确定"}));
  QCOMPARE(ButtonsOfNextBox([&] { prompter.AskText(&owner, QStringLiteral("请输入工程名称")); }),
           Sorted({"确定", "取消"}));

  // The file box the script window saves through: Qt's own dialog here.
  QStringList fileButtons;
  QString fileTitle;
  WhenDialogOpens([&](QDialog* box) {
    fileTitle = box->windowTitle();
    QVERIFY(qobject_cast<QFileDialog*>(box));
    for (auto* button : box->findChildren<QAbstractButton*>())
      if (button->isVisible() && !button->text().isEmpty())
        fileButtons << button->text().remove(QLatin1Char('&'));
  });
  prompter.AskSaveFile(&owner, QStringLiteral("另存为"), QStringLiteral("create-tables.sql"),
                       {QStringLiteral("SQL 脚本 (*.sql)")});
  QCOMPARE(fileTitle, QStringLiteral("另存为"));
  // The save button carries its mnemonic: "保存(S)".
  QCOMPARE(fileButtons.size(), 2);
  QVERIFY2(fileButtons[0].startsWith(QStringLiteral("保存")), qPrintable(fileButtons[0]));
  QCOMPARE(fileButtons[1], QStringLiteral("取消"));
}

void StartupTest::deletionQuestionWarnsAndEnterKeeps() {
  TQtPrompter prompter;
  QWidget owner;
  owner.show();
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  WhenDialogOpens([&](QDialog* box) {
    icon = qobject_cast<QMessageBox*>(box)->icon();
    QTest::keyClick(box, Qt::Key_Return);
  });
  QVERIFY(
      !prompter.Confirm(&owner, QStringLiteral("确认删除当前项目吗?"), QStringLiteral("删除提示")));
  QCOMPARE(icon, QMessageBox::Warning);
  WhenDialogOpens(
      [](QDialog* box) { Click(qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)); });
  QVERIFY(
      prompter.Confirm(&owner, QStringLiteral("确认删除当前项目吗?"), QStringLiteral("删除提示")));
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
