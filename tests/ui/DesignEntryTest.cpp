// A design entered the way a user enters it: projects through the input
// box, classes and members through their dialogs. What the window adds to
// the commands is checked here, once for each dialog: a refusal shows the
// command's message and keeps the dialog open (and the cursor where the
// fault is), an accepted entry closes it and refreshes the lists, and the
// update dialogs show what is stored. The rules and their messages are the
// core tests'.
#include <QCheckBox>
#include <QPushButton>

#include "UiTestSupport.h"
#include "store/ClassDAO.h"

namespace {

void TryClass(QDialog* d, const QString& name, const QString& friendName) {
  Type(Child<QLineEdit>(d, "Edt_ClassName"), name);
  Type(Child<QLineEdit>(d, "Edt_FriendName"), friendName);
  Click(Child<QPushButton>(d, "Button1"));
}

struct TMemberInput {
  QString name;
  QString type;
  QString length = QStringLiteral("20");
  bool isPri = false;
  bool isMust = false;
  bool query = false;
  bool display = false;
  bool queryDisplay = true;
  QString comment;
};

void TryMember(QDialog* d, const TMemberInput& in) {
  Type(Child<QLineEdit>(d, "Edt_MemberName"), in.name);
  Choose(Child<QComboBox>(d, "CB_MemberType"), in.type);
  Type(Child<QLineEdit>(d, "Edt_MemberLength"), in.length);
  Tick(Child<QCheckBox>(d, "CB_MemberIsPri"), in.isPri);
  Tick(Child<QCheckBox>(d, "CB_MemberIsMust"), in.isMust);
  Tick(Child<QCheckBox>(d, "CB_QueryFlag"), in.query);
  Tick(Child<QCheckBox>(d, "CB_MemberIsDisplay"), in.display);
  Tick(Child<QCheckBox>(d, "CB_MemberQueryDisplay"), in.queryDisplay);
  Child<QLineEdit>(d, "Edt_MemberComment")->setText(in.comment);
  Click(Child<QPushButton>(d, "Button1"));
}

// A window over the project Shop with the class Dept.
void OpenShop(TWindowFixture& f) {
  f.Open();
  f.prompter.answers = {QStringLiteral("Shop")};
  f.Trigger("F2");
  WhenDialogOpens([&](QDialog* d) { TryClass(d, "Dept", "部门"); });
  f.Trigger("A2");
  f.prompter.boxes.clear();
}

}  // namespace

class DesignEntryTest : public QObject {
  Q_OBJECT

private slots:
  void emptyDesignAnswersEveryCommandWithItsMissingSelection();
  void newProjectBoxShowsTheAnswerAndRefreshesTheList();
  void classDialogsStayOpenOnARefusalAndRefreshTheLists();
  void memberDialogsStayOpenOnARefusalAndShowTheStoredMember();
  void doubleClicksOpenTheRightDialogs();
  void storeErrorsAndVanishedClassesAreShownAndTheDialogStaysOpen();
  void constraintDialogRefusesBadEntriesAndNothingIsStoredBeforeTheMember();
};

void DesignEntryTest::emptyDesignAnswersEveryCommandWithItsMissingSelection() {
  TWindowFixture f;
  f.Open();
  for (const char* action :
       {"N1", "D1", "A2", "N2", "S1", "M1", "N3", "C1", "sql1", "A1", "D2", "E1", "N5", "L1"})
    f.Trigger(action);
  QCOMPARE(
      f.prompter.TakeMessages(),
      QStringList({"当前未有任何项目被选中!", "未有任何项目被选中!", "当前未有任何项目被选中!",
                   "没有类被选中!", "没有类被选中!", "请先选择类对象", "请先选择一个成员",
                   "请先选择一个成员", "当前未有任何项目被选中!", "没有一个工程被选中！",
                   "请先选择一个成员", "请选中2条记录!", "请先选择一个成员", "请先选择一个成员"}));
}

void DesignEntryTest::newProjectBoxShowsTheAnswerAndRefreshesTheList() {
  TWindowFixture f;
  f.Open();
  // Cancelling the box answers the empty name.
  f.prompter.answers = {QString(), QStringLiteral("Library")};
  f.Trigger("F2");
  f.Trigger("F2");
  const TBox ask{QStringLiteral("ask"), QStringLiteral("请输入工程名称"), QString()};
  QCOMPARE(f.prompter.boxes,
           QList<TBox>({ask, Msg("工程名称不能为空!"), ask, Msg("工程名称添加成功！")}));
  QCOMPARE(Entries(f.Find<QComboBox>("CB_Project")), QStringList({"Library"}));
}

void DesignEntryTest::classDialogsStayOpenOnARefusalAndRefreshTheLists() {
  TWindowFixture f;
  OpenShop(f);
  auto* classes = f.Find<QListWidget>("LB_Object");
  WhenDialogOpens([&](QDialog* d) {
    QCOMPARE(d->windowTitle(), QStringLiteral("添加类"));
    QVERIFY(Child<QCheckBox>(d, "CB_FrontShowFlag")->isChecked());
    TryClass(d, "dept", "部门");
    QVERIFY(d->isVisible());
    QCOMPARE(classes->count(), 1);
    Tick(Child<QCheckBox>(d, "CB_FrontShowFlag"), false);
    TryClass(d, "Employee", "员工");
    QVERIFY(!d->isVisible());
  });
  f.Trigger("A2");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"类名首个字母必须大写", "类名称添加成功！"}));
  // The new class is selected.
  QCOMPARE(Entries(classes), QStringList({"Dept", "Employee"}));
  QCOMPARE(classes->currentRow(), 1);

  ClickRow(classes, 1);
  WhenDialogOpens([&](QDialog* d) {
    QCOMPARE(d->windowTitle(), QStringLiteral("类更新"));
    QCOMPARE(Child<QLineEdit>(d, "Edt_ClassName")->text(), QStringLiteral("Employee"));
    QCOMPARE(Child<QLineEdit>(d, "Edt_FriendName")->text(), QStringLiteral("员工"));
    QVERIFY(!Child<QCheckBox>(d, "CB_FrontShowFlag")->isChecked());
    TryClass(d, "Dept", "员工");
    QVERIFY(d->isVisible());
    TryClass(d, "Staff", "员工");
  });
  f.Trigger("N2");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"该类名称已经存在!", "类名称更新成功"}));
  // The entry is renamed in place and stays selected.
  QCOMPARE(Entries(classes), QStringList({"Dept", "Staff"}));
  QCOMPARE(classes->currentRow(), 1);
  QVERIFY(classes->item(1)->isSelected());
}

void DesignEntryTest::memberDialogsStayOpenOnARefusalAndShowTheStoredMember() {
  TWindowFixture f;
  OpenShop(f);
  WhenDialogOpens([&](QDialog* d) { TryClass(d, "Employee", "员工"); });
  f.Trigger("A2");
  ClickRow(f.Find<QListWidget>("LB_Object"), 1);
  f.prompter.boxes.clear();
  auto* members = f.Find<QTableWidget>("LV_Member");

  WhenDialogOpens([&](QDialog* d) {
    QCOMPARE(d->windowTitle(), QStringLiteral("添加成员属性"));
    // The classes of the project are offered, the class itself included.
    QCOMPARE(Entries(Child<QComboBox>(d, "CB_MemberType")),
             QStringList({"字符串", "整型", "浮点型", "日期型", "图片型", "布尔型", "Dept",
                          "Employee"}));
    QCOMPARE(Child<QLineEdit>(d, "Edt_MemberLength")->text(), QStringLiteral("20"));
    QVERIFY(Child<QCheckBox>(d, "CB_MemberQueryDisplay")->isChecked());
    QVERIFY(!Child<QCheckBox>(d, "CB_MemberIsMust")->isChecked());
    TryMember(d, {.name = "", .type = "整型"});
    QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(d, "Edt_MemberName"));
    TryMember(d, {.name = "name", .type = "字符串", .length = "abc"});
    QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(d, "Edt_MemberLength"));
    TryMember(d, {.name = "name", .type = "字符串", .length = "0"});
    QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(d, "Edt_MemberLength"));
    QVERIFY(d->isVisible());
    QCOMPARE(members->rowCount(), 0);
    TryMember(d, {.name = "name",
                  .type = "字符串",
                  .length = "30",
                  .query = true,
                  .display = true,
                  .queryDisplay = false,
                  .comment = "姓名"});
    QVERIFY(!d->isVisible());
  });
  f.Trigger("M1");
  // A length that is no number is an error box; the others are messages.
  QCOMPARE(f.prompter.boxes, QList<TBox>({Msg("成员名称输入不能为空!"),
                                          {QStringLiteral("error"), kTitle, "长度必须是整数!"},
                                          Msg("字符串长度必须在1到8000之间!"),
                                          Msg("类成员属性添加成功!")}));
  f.prompter.boxes.clear();
  QCOMPARE(QStringList({Column(members, 1)[0], Column(members, 2)[0], Column(members, 3)[0],
                        Column(members, 6)[0], Column(members, 7)[0], Column(members, 8)[0],
                        Column(members, 9)[0]}),
           QStringList({"name", "字符串", "30", "是", "是", "否", "姓名"}));

  // The update dialog shows the stored member and stores the change.
  ClickRow(members, 0);
  WhenDialogOpens([&](QDialog* d) {
    QCOMPARE(d->windowTitle(), QStringLiteral("更新成员属性"));
    QCOMPARE(Child<QLineEdit>(d, "Edt_MemberName")->text(), QStringLiteral("name"));
    QCOMPARE(Child<QComboBox>(d, "CB_MemberType")->currentText(), QStringLiteral("字符串"));
    QCOMPARE(Child<QLineEdit>(d, "Edt_MemberLength")->text(), QStringLiteral("30"));
    QVERIFY(Child<QCheckBox>(d, "CB_QueryFlag")->isChecked());
    QVERIFY(Child<QCheckBox>(d, "CB_MemberIsDisplay")->isChecked());
    QVERIFY(!Child<QCheckBox>(d, "CB_MemberQueryDisplay")->isChecked());
    QCOMPARE(Child<QLineEdit>(d, "Edt_MemberComment")->text(), QStringLiteral("姓名"));
    TryMember(d, {.name = "Name", .type = "整型"});
    QVERIFY(d->isVisible());
    TryMember(d, {.name = "name", .type = "整型", .isMust = true, .comment = "工号"});
  });
  f.Trigger("N3");
  QCOMPARE(f.prompter.TakeMessages(),
           QStringList({"成员属性首个字母必须小写", "类成员属性更新成功!"}));
  QCOMPARE(Column(members, 2), QStringList({"整型"}));
  QCOMPARE(Column(members, 9), QStringList({"工号"}));
  QCOMPARE(members->selectionModel()->selectedRows().size(), 1);

  // Cancel writes nothing.
  ClickRow(members, 0);
  WhenDialogOpens([&](QDialog* d) {
    Type(Child<QLineEdit>(d, "Edt_MemberName"), "changed");
    Click(Child<QPushButton>(d, "Button2"));
  });
  f.Trigger("N3");
  QCOMPARE(Column(members, 1), QStringList({"name"}));
  QVERIFY(f.prompter.boxes.isEmpty());
}

void DesignEntryTest::doubleClicksOpenTheRightDialogs() {
  TWindowFixture f;
  OpenShop(f);
  auto* members = f.Find<QTableWidget>("LV_Member");
  QString opened;
  // Empty part of the member list with a class selected: add a member.
  WhenDialogOpens([&](QDialog* d) {
    opened = d->windowTitle();
    TryMember(d, {.name = "deptId", .type = "整型", .isPri = true, .isMust = true});
  });
  DoubleClick(members->viewport(),
              QPoint(members->viewport()->width() / 2, members->viewport()->height() - 5));
  QCOMPARE(opened, QStringLiteral("添加成员属性"));
  QCOMPARE(members->rowCount(), 1);
  // On a row: update that member.
  WhenDialogOpens([&](QDialog* d) {
    opened = d->windowTitle();
    QCOMPARE(Child<QLineEdit>(d, "Edt_MemberName")->text(), QStringLiteral("deptId"));
  });
  DoubleClick(members->viewport(), members->visualItemRect(members->item(0, 1)).center());
  QCOMPARE(opened, QStringLiteral("更新成员属性"));
  // On the class list: update the class.
  auto* classes = f.Find<QListWidget>("LB_Object");
  WhenDialogOpens([&](QDialog* d) { opened = d->windowTitle(); });
  DoubleClick(classes->viewport(), classes->visualItemRect(classes->item(0)).center());
  QCOMPARE(opened, QStringLiteral("类更新"));
}

void DesignEntryTest::storeErrorsAndVanishedClassesAreShownAndTheDialogStaysOpen() {
  TWindowFixture f;
  OpenShop(f);
  bool stillOpen = false;
  WhenDialogOpens([&](QDialog* d) {
    // Another process deletes the class: the member is not stored, and the
    // window shows the design as it is now.
    TClassDAO().DeleteClass(f.window->CurrentClassId());
    TryMember(d, {.name = "name", .type = "字符串"});
    stillOpen = d->isVisible();
  });
  f.Trigger("M1");
  QVERIFY(stillOpen);
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"该类已不存在!"}));
  QCOMPARE(f.Find<QListWidget>("LB_Object")->count(), 0);

  WhenDialogOpens([&](QDialog* d) { TryClass(d, "Dept", "部门"); });
  f.Trigger("A2");
  f.prompter.boxes.clear();
  TDbHelper().ExecuteSql("alter table t_member rename to t_member_gone");
  WhenDialogOpens([&](QDialog* d) {
    TryMember(d, {.name = "deptId", .type = "整型", .isPri = true, .isMust = true});
    stillOpen = d->isVisible();
  });
  f.Trigger("M1");
  QVERIFY(stillOpen);
  QCOMPARE(f.prompter.boxes.size(), 1);
  QCOMPARE(f.prompter.boxes[0].kind, QStringLiteral("error"));
  QVERIFY2(f.prompter.boxes[0].text.contains(QStringLiteral("t_member")),
           qPrintable(f.prompter.boxes[0].text));
}

void DesignEntryTest::constraintDialogRefusesBadEntriesAndNothingIsStoredBeforeTheMember() {
  TWindowFixture f;
  OpenShop(f);
  f.prompter.boxes.clear();
  auto* members = f.Find<QTableWidget>("LV_Member");
  const auto constraints = [](QDialog* d, const char* min, const char* max, const char* value,
                              const char* choices) {
    Type(Child<QLineEdit>(d, "Edt_Min"), min);
    Type(Child<QLineEdit>(d, "Edt_Max"), max);
    Type(Child<QLineEdit>(d, "Edt_Default"), value);
    Type(Child<QLineEdit>(d, "Edt_Choices"), choices);
    Click(Child<QPushButton>(d, "Button1"));
  };
  // Refused entries keep the dialog open with the cursor in the box at
  // fault; an accepted one is kept by the member dialog, which a cancel
  // drops: nothing is stored.
  for (const bool store : {false, true}) {
    WhenDialogOpens([&](QDialog* d) {
      TryMember(d, {.name = "", .type = "整型", .isMust = true});
      WhenDialogOpens([&](QDialog* c) {
        constraints(c, "5", "1", "", "");
        QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(c, "Edt_Min"));
        constraints(c, "5", "70", "80", "");
        QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(c, "Edt_Default"));
        constraints(c, "5", "70", "18", "男,女");
        QVERIFY(c->isVisible());
        constraints(c, "5", "70", "18", "");
        QVERIFY(!c->isVisible());
      });
      Click(Child<QPushButton>(d, "Btn_Constraints"));
      QCOMPARE(members->rowCount(), 0);
      if (store) TryMember(d, {.name = "age", .type = "整型", .isMust = true, .comment = "年龄"});
    });
    f.Trigger("M1");
    QCOMPARE(members->rowCount(), store ? 1 : 0);
  }
  QCOMPARE(f.prompter.TakeMessages(),
           QStringList({"成员名称输入不能为空!", "最小值不能大于最大值!", "默认值应在 5 到 70 之间!",
                        "整型类型的成员不能设置可选值!", "成员名称输入不能为空!",
                        "最小值不能大于最大值!", "默认值应在 5 到 70 之间!",
                        "整型类型的成员不能设置可选值!", "类成员属性添加成功!"}));
  // The update dialog's constraint dialog shows what is stored.
  ClickRow(members, 0);
  WhenDialogOpens([&](QDialog* d) {
    WhenDialogOpens([&](QDialog* c) {
      QCOMPARE(Child<QLineEdit>(c, "Edt_Min")->text(), QStringLiteral("5"));
      QCOMPARE(Child<QLineEdit>(c, "Edt_Default")->text(), QStringLiteral("18"));
    });
    Click(Child<QPushButton>(d, "Btn_Constraints"));
  });
  f.Trigger("N3");
}

QTEST_MAIN(DesignEntryTest)
#include "DesignEntryTest.moc"
