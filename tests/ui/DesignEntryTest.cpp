// A design entered the way a user enters it, through the class, member and
// constraint dialogs. What the window adds to the commands is checked here:
// a refusal shows the command's message and keeps the dialog open with its
// entries (and the cursor where the fault is), an accepted entry closes it
// and refreshes the lists, and the update dialogs show what is stored. The
// rules and their order are the core tests'.
#include <QRegularExpression>

#include "UiTestSupport.h"
#include "commands/DesignCommands.h"
#include "store/ClassDAO.h"

namespace {

// A member entry as the user makes it; flags: k key, m must, q searched,
// d display, h hidden in the query grid.
void TryMember(QDialog* d, const QString& name, const QString& type, const QString& flags = {},
               const QString& length = QStringLiteral("20"), const QString& comment = {}) {
  Type(Child<QLineEdit>(d, "Edt_MemberName"), name);
  auto* types = Child<QComboBox>(d, "CB_MemberType");
  types->setCurrentIndex(types->findText(type));
  Type(Child<QLineEdit>(d, "Edt_MemberLength"), length);
  const char* boxes[] = {"CB_MemberIsPri", "CB_MemberIsMust", "CB_QueryFlag", "CB_MemberIsDisplay"};
  for (int i = 0; i < 4; ++i) Tick(Child<QCheckBox>(d, boxes[i]), flags.contains("kmqd"[i]));
  Tick(Child<QCheckBox>(d, "CB_MemberQueryDisplay"), !flags.contains(QLatin1Char('h')));
  Child<QLineEdit>(d, "Edt_MemberComment")->setText(comment);
  Click(Child<QPushButton>(d, "Button1"));
}

// A window over the project Shop with the class Dept.
void OpenShop(TWindowFixture& f) {
  commands::AddClass(commands::AddProject("Shop").id, {"Dept", "部门"});
  f.Open();
}

}  // namespace

class DesignEntryTest : public QObject {
  Q_OBJECT

private slots:
  void emptyDesignAnswersEveryCommandWithItsMissingSelection();
  void classDialogsShowWhatIsStoredAndRefreshTheLists();
  void memberDialogsStayOpenOnARefusalAndShowTheStoredMember();
  void storeErrorsAndVanishedClassesAreShownAndTheDialogStaysOpen();
  void constraintsAreKeptByTheMemberDialogAndStoredWithTheMember();
};

void DesignEntryTest::emptyDesignAnswersEveryCommandWithItsMissingSelection() {
  TWindowFixture f;
  f.Open();
  for (const char* action :
       {"N1", "D1", "A2", "N2", "S1", "M1", "N3", "C1", "sql1", "A1", "E1", "L1"})
    f.Trigger(action);
  QStringList expected = {
      "当前未有任何项目被选中!", "未有任何项目被选中!", "当前未有任何项目被选中!",
      "没有类被选中!",           "没有类被选中!",       "请先选择类对象",
      "请先选择一个成员",        "请先选择一个成员",    "当前未有任何项目被选中!",
      "没有一个工程被选中！",    "请选中2条记录!",      "请先选择一个成员"};
  QCOMPARE(f.prompter.Take(), expected.replaceInStrings(QRegularExpression("^"), "message: "));
}

void DesignEntryTest::classDialogsShowWhatIsStoredAndRefreshTheLists() {
  TWindowFixture f;
  OpenShop(f);
  auto* classes = f.Find<QListWidget>("LB_Object");
  WhenDialogOpens([&](QDialog* d) {
    auto* frontShow = Child<QCheckBox>(d, "CB_FrontShowFlag");
    QVERIFY(frontShow->isChecked());
    Tick(frontShow, false);
    Type(Child<QLineEdit>(d, "Edt_ClassName"), "Employee");
    Type(Child<QLineEdit>(d, "Edt_FriendName"), "员工");
    Click(Child<QPushButton>(d, "Button1"));
  });
  f.Trigger("A2");
  QCOMPARE(f.prompter.Take(), QStringList({"message: 类名称添加成功！"}));
  // The new class is selected; renamed by a double click, it keeps its
  // place.
  QCOMPARE(Texts(classes), QStringList({"Dept", "Employee"}));
  QCOMPARE(classes->currentRow(), 1);
  WhenDialogOpens([&](QDialog* d) {
    QCOMPARE(Child<QLineEdit>(d, "Edt_ClassName")->text(), QStringLiteral("Employee"));
    QCOMPARE(Child<QLineEdit>(d, "Edt_FriendName")->text(), QStringLiteral("员工"));
    QVERIFY(!Child<QCheckBox>(d, "CB_FrontShowFlag")->isChecked());
    Type(Child<QLineEdit>(d, "Edt_ClassName"), "Staff");
    Click(Child<QPushButton>(d, "Button1"));
  });
  DoubleClick(classes, RowRect(classes, 1).center());
  QCOMPARE(Texts(classes), QStringList({"Dept", "Staff"}));
  QVERIFY(classes->item(1)->isSelected());
}

void DesignEntryTest::memberDialogsStayOpenOnARefusalAndShowTheStoredMember() {
  TWindowFixture f;
  OpenShop(f);
  auto* members = f.Find<QTableWidget>("LV_Member");
  WhenDialogOpens([&](QDialog* d) {
    // The project's classes are offered after the base types.
    QCOMPARE(Texts(Child<QComboBox>(d, "CB_MemberType")).mid(6), QStringList({"Dept"}));
    QCOMPARE(Child<QLineEdit>(d, "Edt_MemberLength")->text(), QStringLiteral("20"));
    QVERIFY(Child<QCheckBox>(d, "CB_MemberQueryDisplay")->isChecked());
    TryMember(d, "", "整型");
    QCOMPARE(d->focusWidget(), Child<QLineEdit>(d, "Edt_MemberName"));
    TryMember(d, "name", "字符串", "", "abc");
    QCOMPARE(d->focusWidget(), Child<QLineEdit>(d, "Edt_MemberLength"));
    QCOMPARE(Child<QLineEdit>(d, "Edt_MemberName")->text(), QStringLiteral("name"));
    QVERIFY(d->isVisible());
    QCOMPARE(members->rowCount(), 0);
    TryMember(d, "name", "字符串", "qdh", "30", "姓名");
    QVERIFY(!d->isVisible());
  });
  // A double click on the empty part of the member list adds a member.
  DoubleClick(members, members->viewport()->rect().center());
  // A length that is no number is an error box; the others are messages.
  QCOMPARE(f.prompter.Take(),
           QStringList({"message: 成员名称输入不能为空!", "error: 长度必须是整数!",
                        "message: 类成员属性添加成功!"}));
  const auto row = [&] {
    QStringList texts;
    for (int c : {1, 2, 3, 6, 7, 8, 9}) texts << members->item(0, c)->text();
    return texts;
  };
  QCOMPARE(row(), QStringList({"name", "字符串", "30", "是", "是", "否", "姓名"}));
  // On a row, the update dialog shows the stored member: with only the
  // comment changed, the rest stays as it was.
  WhenDialogOpens([&](QDialog* d) {
    Type(Child<QLineEdit>(d, "Edt_MemberComment"), "工号");
    Click(Child<QPushButton>(d, "Button1"));
  });
  DoubleClick(members, RowRect(members, 0).center());
  QCOMPARE(f.prompter.Take(), QStringList({"message: 类成员属性更新成功!"}));
  QCOMPARE(row(), QStringList({"name", "字符串", "30", "是", "是", "否", "工号"}));
  QCOMPARE(members->selectionModel()->selectedRows().size(), 1);
}

void DesignEntryTest::storeErrorsAndVanishedClassesAreShownAndTheDialogStaysOpen() {
  TWindowFixture f;
  OpenShop(f);
  QList<bool> stillOpen;
  const auto addMember = [&](std::function<void()> before) {
    WhenDialogOpens([&, before](QDialog* d) {
      before();
      TryMember(d, "deptId", "整型", "km");
      stillOpen << d->isVisible();
    });
    f.Trigger("M1");
  };
  // An error of the store is an error box that says what failed.
  addMember([] { TDbHelper().ExecuteSql("alter table t_member rename to t_member_gone"); });
  const QStringList boxes = f.prompter.Take();
  QVERIFY2(boxes.size() == 1 && boxes[0].startsWith("error: ") && boxes[0].contains("t_member"),
           qPrintable(boxes.join('\n')));
  TDbHelper().ExecuteSql("alter table t_member_gone rename to t_member");
  // Another process deletes the class: the member is not stored, and the
  // window shows the design as it is now.
  addMember([&] { TClassDAO().DeleteClass(f.window->CurrentClassId()); });
  QCOMPARE(f.prompter.Take(), QStringList({"message: 该类已不存在!"}));
  QCOMPARE(f.Find<QListWidget>("LB_Object")->count(), 0);
  QCOMPARE(stillOpen, QList<bool>({true, true}));
}

// Refused constraints keep their dialog open with the cursor in the box at
// fault; accepted ones are kept by the member dialog, which a cancel drops.
void DesignEntryTest::constraintsAreKeptByTheMemberDialogAndStoredWithTheMember() {
  TWindowFixture f;
  OpenShop(f);
  auto* members = f.Find<QTableWidget>("LV_Member");
  const auto constraints = [](QDialog* c, const char* choices, const char* value) {
    Type(Child<QLineEdit>(c, "Edt_Choices"), choices);
    Type(Child<QLineEdit>(c, "Edt_Default"), value);
    Click(Child<QPushButton>(c, "Button1"));
  };
  for (const bool store : {false, true}) {
    WhenDialogOpens([&](QDialog* d) {
      WhenDialogOpens([&](QDialog* c) {
        if (!store) {
          constraints(c, "男,女,男", "");
          QCOMPARE(c->focusWidget(), Child<QLineEdit>(c, "Edt_Choices"));
          constraints(c, "男,女", "中");
          QCOMPARE(c->focusWidget(), Child<QLineEdit>(c, "Edt_Default"));
        }
        constraints(c, "男,女", "男");
        QVERIFY(!c->isVisible());
      });
      Click(Child<QPushButton>(d, "Btn_Constraints"));
      QCOMPARE(members->rowCount(), 0);
      store ? TryMember(d, "sex", "字符串", "", "2") : Click(Child<QPushButton>(d, "Button2"));
    });
    f.Trigger("M1");
    QCOMPARE(members->rowCount(), store ? 1 : 0);
  }
  QCOMPARE(f.prompter.Take(),
           QStringList({"message: 可选值 男 重复!", "message: 默认值必须是可选值之一!",
                        "message: 类成员属性添加成功!"}));
  // The update dialog's constraint dialog shows what is stored.
  QStringList shown;
  WhenDialogOpens([&](QDialog* d) {
    WhenDialogOpens([&](QDialog* c) {
      shown << Child<QLineEdit>(c, "Edt_Choices")->text()
            << Child<QLineEdit>(c, "Edt_Default")->text();
    });
    Click(Child<QPushButton>(d, "Btn_Constraints"));
  });
  DoubleClick(members, RowRect(members, 0).center());
  QCOMPARE(shown, QStringList({"男,女", "男"}));
}

QTEST_MAIN(DesignEntryTest)
#include "DesignEntryTest.moc"
