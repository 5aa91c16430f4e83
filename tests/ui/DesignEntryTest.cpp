// A design entered the way a user enters it: projects through the input
// box, classes and members through their dialogs, each refused entry with
// the message the user reads, in the order the checks meet it.
#include <QCheckBox>
#include <QPushButton>

#include "UiTestSupport.h"
#include "store/MemberDAO.h"

namespace {

const QString kTitle = QStringLiteral("CorvaneC#代码生成器2.0版");

TBox Msg(const QString& text) {
  return {QStringLiteral("message"), kTitle, text};
}

// Runs one class-dialog attempt: fills the boxes, presses 确定.
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

}  // namespace

class DesignEntryTest : public QObject {
  Q_OBJECT

private slots:
  void emptyDesignAnswersEveryCommandWithItsMissingSelection();
  void newProjectRefusesEmptyAndTakenNames();
  void classDialogsCheckInOrderAndRefreshTheLists();
  void memberDialogsCheckInOrderAndStoreTheRecord();
  void doubleClicksOpenTheRightDialogs();
  void storeErrorInADialogIsShownAndTheDialogStaysOpen();
};

void DesignEntryTest::emptyDesignAnswersEveryCommandWithItsMissingSelection() {
  TWindowFixture f;
  f.Open();
  QCOMPARE(f.Find<QComboBox>("CB_Project")->count(), 0);
  QCOMPARE(f.Find<QListWidget>("LB_Object")->count(), 0);
  QCOMPARE(f.Find<QTableWidget>("LV_Member")->rowCount(), 0);

  for (const char* action :
       {"N1", "D1", "A2", "N2", "S1", "M1", "N3", "C1", "sql1", "A1", "D2", "E1", "N5", "L1"})
    f.Trigger(action);
  const QStringList expected = {
      "当前未有任何项目被选中!", "未有任何项目被选中!", "当前未有任何项目被选中!",
      "没有类被选中!",           "没有类被选中!",       "请先选择类对象",
      "请先选择一个成员",        "请先选择一个成员",    "当前未有任何项目被选中!",
      "没有一个工程被选中！",    "请先选择一个成员",    "请选中2条记录!",
      "请先选择一个成员",        "请先选择一个成员"};
  QCOMPARE(f.prompter.boxes.size(), expected.size());
  for (int i = 0; i < expected.size(); ++i) QCOMPARE(f.prompter.boxes[i], Msg(expected[i]));
}

void DesignEntryTest::newProjectRefusesEmptyAndTakenNames() {
  TWindowFixture f;
  f.Open();
  // Cancelling the box answers the empty name.
  f.prompter.answers = {QString(), QStringLiteral("Library"), QStringLiteral("library"),
                        QStringLiteral("  ")};
  for (int i = 0; i < 4; ++i) f.Trigger("F2");
  const TBox ask{QStringLiteral("ask"), QStringLiteral("请输入工程名称"), QString()};
  const QList<TBox> expected = {ask, Msg("工程名称不能为空!"),   ask, Msg("工程名称添加成功！"),
                                ask, Msg("该工程名称已经存在!"), ask, Msg("工程名称添加成功！")};
  QCOMPARE(f.prompter.boxes, expected);
  // A name of blanks is a name; the list is in the order of creation.
  QCOMPARE(Entries(f.Find<QComboBox>("CB_Project")),
           QStringList({QStringLiteral("Library"), QStringLiteral("  ")}));
  QCOMPARE(f.Find<QComboBox>("CB_Project")->currentIndex(), 0);
}

void DesignEntryTest::classDialogsCheckInOrderAndRefreshTheLists() {
  TWindowFixture f;
  f.Open();
  f.prompter.answers = {QStringLiteral("Shop")};
  f.Trigger("F2");
  f.prompter.boxes.clear();
  auto* classes = f.Find<QListWidget>("LB_Object");

  bool ran = false;
  WhenDialogOpens(
      [&](QDialog* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("添加类"));
        QVERIFY(Child<QCheckBox>(d, "CB_FrontShowFlag")->isChecked());
        TryClass(d, "", "");
        TryClass(d, "Dept", "");
        TryClass(d, "dept", "部门");
        TryClass(d, "1Dept", "部门");
        TryClass(d, " Dept", "部门");
        TryClass(d, "部门", "部门");
        QVERIFY(d->isVisible());
        QCOMPARE(classes->count(), 0);
        TryClass(d, "Dept", "部门");
        QVERIFY(!d->isVisible());
      },
      &ran);
  f.Trigger("A2");
  QVERIFY(ran);
  QCOMPARE(f.prompter.TakeMessages(),
           QStringList({"类名称不能为空!", "友好名称不能为空", "类名首个字母必须大写",
                        "类名首个字母必须大写", "类名首个字母必须大写", "类名首个字母必须大写",
                        "类名称添加成功！"}));

  WhenDialogOpens([&](QDialog* d) {
    TryClass(d, "Dept", "部门");
    Tick(Child<QCheckBox>(d, "CB_FrontShowFlag"), false);
    TryClass(d, "Employee", "员工");
  });
  f.Trigger("A2");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"该类名称已经存在!", "类名称添加成功！"}));
  // The new class is selected.
  QCOMPARE(Entries(classes), QStringList({"Dept", "Employee"}));
  QCOMPARE(classes->currentRow(), 1);

  // A member of Employee refers to Dept; the rename carries it along.
  ClickRow(classes, 1);
  WhenDialogOpens([&](QDialog* d) {
    TryMember(d, {.name = "dept", .type = "Dept", .isMust = true, .display = true});
  });
  f.Trigger("M1");
  f.prompter.boxes.clear();
  ClickRow(classes, 0);

  WhenDialogOpens([&](QDialog* d) {
    QCOMPARE(d->windowTitle(), QStringLiteral("类更新"));
    QCOMPARE(Child<QLineEdit>(d, "Edt_ClassName")->text(), QStringLiteral("Dept"));
    QCOMPARE(Child<QLineEdit>(d, "Edt_FriendName")->text(), QStringLiteral("部门"));
    QVERIFY(Child<QCheckBox>(d, "CB_FrontShowFlag")->isChecked());
    TryClass(d, "", "");
    TryClass(d, "depart", "");
    TryClass(d, "Depart", "");
    TryClass(d, "Employee", "部门");
    Tick(Child<QCheckBox>(d, "CB_FrontShowFlag"), false);
    TryClass(d, "Depart", "部门机构");
  });
  f.Trigger("N2");
  QCOMPARE(f.prompter.TakeMessages(),
           QStringList({"类名称不能为空", "类名首个字母必须大写", "友好名称不能为空",
                        "该类名称已经存在!", "类名称更新成功"}));
  // The entry is renamed in place and stays selected.
  QCOMPARE(Entries(classes), QStringList({"Depart", "Employee"}));
  QCOMPARE(classes->currentRow(), 0);
  QVERIFY(classes->item(0)->isSelected());

  ClickRow(classes, 1);
  QCOMPARE(Column(f.Find<QTableWidget>("LV_Member"), 2), QStringList({"Depart"}));

  // The stored friendly name and flag come back in the next update dialog.
  ClickRow(classes, 0);
  WhenDialogOpens([&](QDialog* d) {
    QCOMPARE(Child<QLineEdit>(d, "Edt_FriendName")->text(), QStringLiteral("部门机构"));
    QVERIFY(!Child<QCheckBox>(d, "CB_FrontShowFlag")->isChecked());
  });
  f.Trigger("N2");
}

void DesignEntryTest::memberDialogsCheckInOrderAndStoreTheRecord() {
  TWindowFixture f;
  f.Open();
  f.prompter.answers = {QStringLiteral("Shop")};
  f.Trigger("F2");
  for (const char* name : {"Dept", "Employee"}) {
    WhenDialogOpens([&](QDialog* d) { TryClass(d, name, "类"); });
    f.Trigger("A2");
  }
  auto* classes = f.Find<QListWidget>("LB_Object");
  auto* members = f.Find<QTableWidget>("LV_Member");
  ClickRow(classes, 1);
  f.prompter.boxes.clear();

  WhenDialogOpens([&](QDialog* d) {
    QCOMPARE(d->windowTitle(), QStringLiteral("添加成员属性"));
    auto* type = Child<QComboBox>(d, "CB_MemberType");
    // The class itself is never offered as a type.
    QCOMPARE(Entries(type), QStringList({"字符串", "整型", "浮点型", "日期型", "图片型", "Dept"}));
    QCOMPARE(type->currentIndex(), 0);
    QCOMPARE(Child<QLineEdit>(d, "Edt_MemberLength")->text(), QStringLiteral("20"));
    QVERIFY(Child<QCheckBox>(d, "CB_MemberQueryDisplay")->isChecked());
    QVERIFY(!Child<QCheckBox>(d, "CB_MemberIsMust")->isChecked());

    TryMember(d, {.name = "", .type = "整型"});
    QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(d, "Edt_MemberName"));
    TryMember(d, {.name = "EmpId", .type = "整型"});
    TryMember(d, {.name = "_empId", .type = "整型"});
    TryMember(d, {.name = "empId", .type = "整型"});
    // The must flag is reported before the query rule.
    TryMember(d, {.name = "empId", .type = "整型", .query = true});
    TryMember(d, {.name = "empId", .type = "整型", .isMust = true, .query = true});
    TryMember(d, {.name = "empId", .type = "浮点型", .isPri = true, .isMust = true});
    TryMember(d, {.name = "empId", .type = "日期型", .isPri = true, .isMust = true});
    TryMember(d, {.name = "empId", .type = "Dept", .isPri = true, .isMust = true});
    QCOMPARE(members->rowCount(), 0);
    TryMember(
        d, {.name = "empId", .type = "整型", .isPri = true, .isMust = true, .comment = "员工编号"});
    QVERIFY(!d->isVisible());
  });
  f.Trigger("M1");
  QCOMPARE(f.prompter.TakeMessages(),
           QStringList({"成员名称输入不能为空!", "成员属性首个字母必须小写",
                        "成员属性首个字母必须小写", "整型必须勾选是否必填标志!",
                        "整型必须勾选是否必填标志!", "参与查询的字段不能是整型",
                        "主键字段必须是整型或字符串型!", "主键字段必须是整型或字符串型!",
                        "主键字段必须是整型或字符串型!", "类成员属性添加成功!"}));

  WhenDialogOpens([&](QDialog* d) {
    TryMember(d, {.name = "hired", .type = "日期型"});
    TryMember(d, {.name = "dept", .type = "Dept"});
    TryMember(d, {.name = "salary", .type = "浮点型", .isMust = true, .query = true});
    TryMember(d, {.name = "photo", .type = "图片型", .query = true});
    TryMember(d, {.name = "name", .type = "字符串", .length = "abc"});
    TryMember(d, {.name = "name",
                  .type = "字符串",
                  .length = "30",
                  .query = true,
                  .display = true,
                  .queryDisplay = false,
                  .comment = "姓名"});
  });
  f.Trigger("M1");
  QCOMPARE(f.prompter.boxes,
           QList<TBox>({Msg("日期型必须勾选是否必填标志!"),
                        Msg("Dept必须勾选是否必填标志!"),
                        Msg("参与查询的字段不能是浮点型"),
                        Msg("参与查询的字段不能是图片型"),
                        {QStringLiteral("error"), kTitle, QStringLiteral("长度必须是整数!")},
                        Msg("类成员属性添加成功!")}));
  f.prompter.boxes.clear();

  // An image may be optional; the length box is read for strings only.
  WhenDialogOpens(
      [&](QDialog* d) { TryMember(d, {.name = "photo", .type = "图片型", .length = "x"}); });
  f.Trigger("M1");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"类成员属性添加成功!"}));

  QCOMPARE(Column(members, 1), QStringList({"empId", "name", "photo"}));
  QCOMPARE(Column(members, 2), QStringList({"整型", "字符串", "图片型"}));
  QCOMPARE(Column(members, 3), QStringList({"0", "30", "0"}));
  QCOMPARE(Column(members, 4), QStringList({"是", "否", "否"}));
  QCOMPARE(Column(members, 5), QStringList({"是", "否", "否"}));
  QCOMPARE(Column(members, 6), QStringList({"否", "是", "否"}));
  QCOMPARE(Column(members, 7), QStringList({"否", "是", "否"}));
  QCOMPARE(Column(members, 8), QStringList({"是", "否", "是"}));
  QCOMPARE(Column(members, 9), QStringList({"员工编号", "姓名", ""}));

  const int nameId = members->item(1, 0)->text().toInt();
  auto stored = TMemberDAO().GetMember(nameId);
  QVERIFY(stored);
  QCOMPARE(stored->memberLength, 30);
  QCOMPARE(stored->memberQueryDisplay, 0);
  QCOMPARE(stored->memberIsInteger, 0);

  // The update dialog shows the stored member; a string turned integer
  // loses its length and becomes an integer member.
  ClickRow(members, 1);
  WhenDialogOpens([&](QDialog* d) {
    QCOMPARE(d->windowTitle(), QStringLiteral("更新成员属性"));
    QCOMPARE(Child<QLineEdit>(d, "Edt_MemberName")->text(), QStringLiteral("name"));
    QCOMPARE(Child<QComboBox>(d, "CB_MemberType")->currentText(), QStringLiteral("字符串"));
    QCOMPARE(Child<QLineEdit>(d, "Edt_MemberLength")->text(), QStringLiteral("30"));
    QVERIFY(Child<QCheckBox>(d, "CB_QueryFlag")->isChecked());
    QVERIFY(Child<QCheckBox>(d, "CB_MemberIsDisplay")->isChecked());
    QVERIFY(!Child<QCheckBox>(d, "CB_MemberQueryDisplay")->isChecked());
    QVERIFY(!Child<QCheckBox>(d, "CB_MemberIsMust")->isChecked());
    QCOMPARE(Child<QLineEdit>(d, "Edt_MemberComment")->text(), QStringLiteral("姓名"));
    TryMember(d, {.name = "Name", .type = "整型", .length = "30", .display = true});
    TryMember(d, {.name = "name", .type = "整型", .length = "30", .display = true});
    TryMember(d, {.name = "name",
                  .type = "整型",
                  .length = "30",
                  .isMust = true,
                  .query = true,
                  .display = true});
    TryMember(d, {.name = "name",
                  .type = "整型",
                  .length = "30",
                  .isMust = true,
                  .display = true,
                  .comment = "工号"});
  });
  f.Trigger("N3");
  QCOMPARE(f.prompter.TakeMessages(),
           QStringList({"成员属性首个字母必须小写", "整型必须勾选是否必填标志!",
                        "参与查询的字段不能是整型", "类成员属性更新成功!"}));
  stored = TMemberDAO().GetMember(nameId);
  QCOMPARE(stored->memberType, std::string("整型"));
  QCOMPARE(stored->memberLength, 0);
  QCOMPARE(stored->memberIsInteger, 1);
  QCOMPARE(stored->memberIsFloat, 0);
  QCOMPARE(stored->memberQueryDisplay, 1);
  QCOMPARE(stored->memberComment, std::string("工号"));
  QCOMPARE(Column(members, 1), QStringList({"empId", "name", "photo"}));
  QCOMPARE(members->selectionModel()->selectedRows().size(), 1);

  // Cancel writes nothing.
  ClickRow(members, 0);
  WhenDialogOpens([&](QDialog* d) {
    Type(Child<QLineEdit>(d, "Edt_MemberName"), "changed");
    Click(Child<QPushButton>(d, "Button2"));
  });
  f.Trigger("N3");
  QCOMPARE(TMemberDAO().GetMember(members->item(0, 0)->text().toInt())->memberName,
           std::string("empId"));
  QVERIFY(f.prompter.boxes.isEmpty());
}

void DesignEntryTest::doubleClicksOpenTheRightDialogs() {
  TWindowFixture f;
  f.Open();
  f.prompter.answers = {QStringLiteral("Shop")};
  f.Trigger("F2");
  WhenDialogOpens([&](QDialog* d) { TryClass(d, "Dept", "部门"); });
  f.Trigger("A2");
  auto* members = f.Find<QTableWidget>("LV_Member");
  auto* classes = f.Find<QListWidget>("LB_Object");

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
  WhenDialogOpens([&](QDialog* d) { opened = d->windowTitle(); });
  DoubleClick(classes->viewport(), classes->visualItemRect(classes->item(0)).center());
  QCOMPARE(opened, QStringLiteral("类更新"));
}

void DesignEntryTest::storeErrorInADialogIsShownAndTheDialogStaysOpen() {
  TWindowFixture f;
  f.Open();
  f.prompter.answers = {QStringLiteral("Shop")};
  f.Trigger("F2");
  WhenDialogOpens([&](QDialog* d) { TryClass(d, "Dept", "部门"); });
  f.Trigger("A2");
  f.prompter.boxes.clear();
  TDbHelper().ExecuteSql("alter table t_member rename to t_member_gone");

  bool stillOpen = false;
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

QTEST_MAIN(DesignEntryTest)
#include "DesignEntryTest.moc"
