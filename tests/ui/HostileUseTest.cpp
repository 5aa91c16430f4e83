// The window as a hostile or unlucky user meets it: a name or text too
// long, a string length outside 1 to 8000, a class that another process
// deleted while its dialog was open, and the script saved onto the design
// database.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "UiTestSupport.h"
#include "commands/SampleDesign.h"
#include "store/ClassDAO.h"
#include "store/ProjectDAO.h"

namespace {

void TryClass(QDialog* d, const QString& name, const QString& friendName) {
  Type(Child<QLineEdit>(d, "Edt_ClassName"), name);
  Type(Child<QLineEdit>(d, "Edt_FriendName"), friendName);
  Click(Child<QPushButton>(d, "Button1"));
}

void TryMember(QDialog* d, const QString& name, const QString& length,
               const QString& comment = {}) {
  Type(Child<QLineEdit>(d, "Edt_MemberName"), name);
  Choose(Child<QComboBox>(d, "CB_MemberType"), QStringLiteral("字符串"));
  Type(Child<QLineEdit>(d, "Edt_MemberLength"), length);
  Child<QLineEdit>(d, "Edt_MemberComment")->setText(comment);
  Click(Child<QPushButton>(d, "Button1"));
}

}  // namespace

class HostileUseTest : public QObject {
  Q_OBJECT

private slots:
  void namesTextsAndLengthsOutOfBoundsAreRefusedInTheDialogs();
  void aClassGoneWhileItsDialogIsOpenIsReported();
  void theScriptIsNeverSavedOntoTheDesignDatabase();
};

void HostileUseTest::namesTextsAndLengthsOutOfBoundsAreRefusedInTheDialogs() {
  TWindowFixture f;
  f.Open();
  f.prompter.answers = {QString(81, QLatin1Char('P')), QString(80, QChar(0x5DE5))};
  f.Trigger("F2");
  f.Trigger("F2");
  QCOMPARE(f.prompter.TakeMessages(),
           QStringList({"工程名称不能超过80个字符!", "工程名称添加成功！"}));

  WhenDialogOpens([&](QDialog* d) {
    TryClass(d, QStringLiteral("A") + QString(128, QLatin1Char('b')), QStringLiteral("甲"));
    TryClass(d, QStringLiteral("A"), QString(129, QChar(0x7532)));
    QVERIFY(d->isVisible());
    TryClass(d, QStringLiteral("A"), QString(128, QChar(0x7532)));
  });
  f.Trigger("A2");
  QCOMPARE(
      f.prompter.TakeMessages(),
      QStringList({"类名称不能超过128个字符!", "友好名称不能超过128个字符!", "类名称添加成功！"}));

  auto* members = f.Find<QTableWidget>("LV_Member");
  WhenDialogOpens([&](QDialog* d) {
    auto* length = Child<QLineEdit>(d, "Edt_MemberLength");
    for (const char* wrong : {"-5", "0", "8001"}) {
      TryMember(d, QStringLiteral("name"), QString::fromLatin1(wrong));
      QCOMPARE(QApplication::focusWidget(), length);
    }
    TryMember(d, QString(129, QLatin1Char('n')), QStringLiteral("20"));
    TryMember(d, QStringLiteral("name"), QStringLiteral("20"), QString(129, QChar(0x6CE8)));
    QCOMPARE(members->rowCount(), 0);
    TryMember(d, QStringLiteral("name"), QStringLiteral("8000"), QString(128, QChar(0x6CE8)));
  });
  f.Trigger("M1");
  QCOMPARE(f.prompter.TakeMessages(),
           QStringList({"字符串长度必须在1到8000之间!", "字符串长度必须在1到8000之间!",
                        "字符串长度必须在1到8000之间!", "成员名称不能超过128个字符!",
                        "成员注释不能超过128个字符!", "类成员属性添加成功!"}));
  QCOMPARE(Column(members, 3), QStringList({"8000"}));

  ClickRow(members, 0);
  WhenDialogOpens([&](QDialog* d) {
    TryMember(d, QStringLiteral("name"), QStringLiteral("0"));
    QVERIFY(d->isVisible());
  });
  f.Trigger("N3");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"字符串长度必须在1到8000之间!"}));
  QCOMPARE(Column(members, 3), QStringList({"8000"}));
}

void HostileUseTest::aClassGoneWhileItsDialogIsOpenIsReported() {
  TWindowFixture f;
  f.Open();
  f.prompter.answers = {QStringLiteral("Shop")};
  f.Trigger("F2");
  WhenDialogOpens([&](QDialog* d) { TryClass(d, "Dept", "部门"); });
  f.Trigger("A2");
  f.prompter.boxes.clear();

  bool stillOpen = false;
  WhenDialogOpens([&](QDialog* d) {
    // Another process deletes the class; the member must not be stored
    // for a class that is no more.
    TClassDAO().DeleteClass(f.window->CurrentClassId());
    TryMember(d, QStringLiteral("name"), QStringLiteral("20"));
    stillOpen = d->isVisible();
  });
  f.Trigger("M1");
  QVERIFY(stillOpen);
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"该类已不存在!"}));
  QCOMPARE(TDbHelper().GetIntValue("select count(*) from t_member"), 0);
  // The window shows the design as it is now.
  QCOMPARE(f.Find<QListWidget>("LB_Object")->count(), 0);
}

void HostileUseTest::theScriptIsNeverSavedOntoTheDesignDatabase() {
  TWindowFixture f;
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open();
  const QString database = f.Path("projects.mdb");
  QFile file(database);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  file.close();
  WhenDialogOpens([&](QDialog* d) {
    f.prompter.saveChoice = TSaveChoice{database, 0};
    Click(Child<QPushButton>(d, "Btn_SaveAs"));
    QVERIFY(!Child<QLabel>(d, "Label_Saved")->isVisible());
  });
  f.Trigger("sql1");
  QCOMPARE(f.prompter.boxes.size(), 2);
  QCOMPARE(f.prompter.boxes[1].kind, QStringLiteral("error"));
  QVERIFY2(f.prompter.boxes[1].text.contains(QStringLiteral("设计数据库")),
           qPrintable(f.prompter.boxes[1].text));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), before);
  QCOMPARE(TProjectDAO().GetAllProjects().size(), std::size_t{1});
}

QTEST_MAIN(HostileUseTest)
#include "HostileUseTest.moc"
