// The member list's popup commands: delete, exchange, move up and down.
// A move exchanges the contents of two rows, so the order of names changes
// while the column of identifiers stays as it was.
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>

#include "UiTestSupport.h"
#include "store/ClassDAO.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"

namespace {

const QStringList kFive = {"a", "b", "c", "d", "e"};

class TFiveMembers : public TWindowFixture {
public:
  QTableWidget* members = nullptr;
  QStringList ids;

  TFiveMembers() {
    const int projectId = TProjectDAO().AddProject("Shop");
    const int classId = TClassDAO().AddClass(projectId, "Item", "商品", 1);
    for (const QString& name : kFive) {
      TMember m;
      m.projectId = projectId;
      m.classId = classId;
      m.memberName = name.toStdString();
      m.memberType = "字符串";
      m.memberLength = 10 + static_cast<int>(kFive.indexOf(name));
      TMemberDAO().AddMember(m);
    }
    Open();
    members = Find<QTableWidget>("LV_Member");
    ids = Column(members, 0);
  }

  void Select(std::initializer_list<int> rows) {
    members->clearSelection();
    for (int r : rows) ClickRow(members, r, Qt::ControlModifier);
  }
  int SelectedCount() const {
    return static_cast<int>(members->selectionModel()->selectedRows().size());
  }
};

}  // namespace

class MemberOrderTest : public QObject {
  Q_OBJECT

private slots:
  void popupHoldsTheFourCommands();
  void moveUpTakesThePlaceAbove();
  void moveDownTakesThePlaceBelow();
  void endsCannotMoveFurther();
  void exchangeSwapsExactlyTwo();
  void rightClickKeepsTheSelectionForThePopup();
  void shiftF10OpensThePopupAtTheCurrentRow();
  void deleteAsksAndRemovesTheFirstSelectedOnly();
  void keysReachTheCommandsAndTheSelectionFollowsTheMember();
};

void MemberOrderTest::popupHoldsTheFourCommands() {
  TFiveMembers f;
  auto* popup = f.Find<QMenu>("PopupMenu1");
  QStringList texts;
  for (QAction* a : popup->actions()) texts << a->objectName() + ":" + a->text();
  QCOMPARE(texts, QStringList({"D2:删除成员(&D)", "E1:成员交换(&E)", "N5:成员上移(&U)",
                               "L1:成员下移(&L)"}));
  QCOMPARE(f.members->contextMenuPolicy(), Qt::CustomContextMenu);
}

void MemberOrderTest::moveUpTakesThePlaceAbove() {
  TFiveMembers f;
  f.Select({2});
  f.Trigger("N5");
  QCOMPARE(Column(f.members, 1), QStringList({"a", "c", "b", "d", "e"}));
  QCOMPARE(Column(f.members, 3), QStringList({"10", "12", "11", "13", "14"}));
  QCOMPARE(Column(f.members, 0), f.ids);
  QCOMPARE(f.SelectedCount(), 1);
  // The moved member now answers to the identifier of its new place.
  QCOMPARE(TMemberDAO().GetMember(f.ids[1].toInt())->memberName, std::string("c"));
  // With no selection the next move asks for one.
  f.members->clearSelection();
  f.Trigger("N5");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"请先选择一个成员"}));
  // Several selected: the first selected row moves.
  f.Select({3, 1});
  f.Trigger("N5");
  QCOMPARE(Column(f.members, 1), QStringList({"c", "a", "b", "d", "e"}));
}

void MemberOrderTest::moveDownTakesThePlaceBelow() {
  TFiveMembers f;
  f.Select({1});
  f.Trigger("L1");
  QCOMPARE(Column(f.members, 1), QStringList({"a", "c", "b", "d", "e"}));
  QCOMPARE(f.SelectedCount(), 1);
  f.Select({3});
  f.Trigger("L1");
  QCOMPARE(Column(f.members, 1), QStringList({"a", "c", "b", "e", "d"}));
  QVERIFY(f.prompter.boxes.isEmpty());
}

void MemberOrderTest::endsCannotMoveFurther() {
  TFiveMembers f;
  f.Select({0});
  f.Trigger("N5");
  f.Select({4});
  f.Trigger("L1");
  QCOMPARE(f.prompter.TakeMessages(),
           QStringList({"第一个成员无法上移了！", "最后一个成员无法下移了！"}));
  QCOMPARE(Column(f.members, 1), kFive);
}

void MemberOrderTest::exchangeSwapsExactlyTwo() {
  TFiveMembers f;
  f.Select({4, 0});
  f.Trigger("E1");
  QCOMPARE(Column(f.members, 1), QStringList({"e", "b", "c", "d", "a"}));
  QCOMPARE(Column(f.members, 0), f.ids);
  QCOMPARE(f.SelectedCount(), 2);

  f.Select({1});
  f.Trigger("E1");
  f.Select({0, 1, 2});
  f.Trigger("E1");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"请选中2条记录!", "请选中2条记录!"}));
  QCOMPARE(Column(f.members, 1), QStringList({"e", "b", "c", "d", "a"}));
}

void MemberOrderTest::rightClickKeepsTheSelectionForThePopup() {
  TFiveMembers f;
  f.Select({1, 3});
  const QPoint at = f.members->visualItemRect(f.members->item(3, 1)).center();
  QTest::mousePress(f.members->viewport(), Qt::RightButton, {}, at);
  QTest::mouseRelease(f.members->viewport(), Qt::RightButton, {}, at);
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, f.members->viewport()->mapToGlobal(at));
  QApplication::sendEvent(f.members->viewport(), &menuEvent);
  auto* popup = f.Find<QMenu>("PopupMenu1");
  QTRY_VERIFY(popup->isVisible());
  QCOMPARE(f.SelectedCount(), 2);
  popup->close();
  f.Trigger("E1");
  QCOMPARE(Column(f.members, 1), QStringList({"a", "d", "c", "b", "e"}));
}

void MemberOrderTest::shiftF10OpensThePopupAtTheCurrentRow() {
  TFiveMembers f;
  QApplication::setActiveWindow(f.window.get());
  QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
  f.Select({3});
  QCOMPARE(QApplication::focusWidget(), f.members);
  auto* popup = f.Find<QMenu>("PopupMenu1");
  QVERIFY(!popup->isVisible());
  QTest::keyClick(f.members, Qt::Key_F10, Qt::ShiftModifier);
  QTRY_VERIFY(popup->isVisible());
  // Below the selected row, and its commands act on that row.
  const QRect row = f.members->visualItemRect(f.members->item(3, 1));
  QCOMPARE(popup->pos(), f.members->viewport()->mapToGlobal(row.bottomLeft()));
  QTest::keyClick(popup, Qt::Key_U);
  QTRY_VERIFY(!popup->isVisible());
  QCOMPARE(Column(f.members, 1), QStringList({"a", "b", "d", "c", "e"}));
  QVERIFY(f.prompter.boxes.isEmpty());
}

void MemberOrderTest::deleteAsksAndRemovesTheFirstSelectedOnly() {
  TFiveMembers f;
  f.Select({3, 1});
  f.prompter.confirmations = {false};
  f.Trigger("D2");
  QCOMPARE(f.prompter.boxes, QList<TBox>({{QStringLiteral("confirm"), QStringLiteral("删除提示"),
                                           QStringLiteral("确定删除当前成员属性?")}}));
  f.prompter.boxes.clear();
  QCOMPARE(Column(f.members, 1), kFive);

  f.prompter.confirmations = {true};
  f.Trigger("D2");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"成员属性删除成功"}));
  QCOMPARE(Column(f.members, 1), QStringList({"a", "c", "d", "e"}));

  // The main menu's entry is the same command.
  f.Select({0});
  f.prompter.confirmations = {true};
  f.Trigger("C1");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"成员属性删除成功"}));
  QCOMPARE(Column(f.members, 1), QStringList({"c", "d", "e"}));
}

void MemberOrderTest::keysReachTheCommandsAndTheSelectionFollowsTheMember() {
  TFiveMembers f;
  QWidget* w = f.window.get();
  QApplication::setActiveWindow(w);
  QVERIFY(QTest::qWaitForWindowActive(w));
  const auto press = [](int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
  };
  const auto selected = [&] {
    QList<int> rows;
    for (const QModelIndex& index : f.members->selectionModel()->selectedRows())
      rows << index.row();
    return rows;
  };
  f.Select({2});

  // Insert adds to the current class; the new member is selected and the
  // window has the keyboard again.
  bool ran = false;
  WhenDialogOpens(
      [](QDialog* d) {
        Type(Child<QLineEdit>(d, "Edt_MemberName"), "f");
        Click(Child<QPushButton>(d, "Button1"));
      },
      &ran);
  press(Qt::Key_Insert);
  QVERIFY(ran);
  QCOMPARE(Column(f.members, 1), QStringList({"a", "b", "c", "d", "e", "f"}));
  QCOMPARE(selected(), QList<int>({5}));
  QTRY_COMPARE(QApplication::activeWindow(), w);
  QCOMPARE(QApplication::focusWidget(), f.members);

  // Ctrl+Up and Ctrl+Down move it, and it stays selected for the next move.
  press(Qt::Key_Up, Qt::ControlModifier);
  press(Qt::Key_Up, Qt::ControlModifier);
  QCOMPARE(Column(f.members, 1), QStringList({"a", "b", "c", "f", "d", "e"}));
  QCOMPARE(selected(), QList<int>({3}));
  press(Qt::Key_Down, Qt::ControlModifier);
  QCOMPARE(Column(f.members, 1), QStringList({"a", "b", "c", "d", "f", "e"}));
  QCOMPARE(selected(), QList<int>({4}));

  // Delete asks first.
  f.prompter.boxes.clear();
  f.prompter.confirmations = {false, true};
  press(Qt::Key_Delete);
  QCOMPARE(f.prompter.boxes.size(), 1);
  QCOMPARE(f.prompter.boxes[0].kind, QStringLiteral("confirm"));
  QCOMPARE(Column(f.members, 1).size(), 6);
  press(Qt::Key_Delete);
  QCOMPARE(Column(f.members, 1), kFive);

  // F6 shows the table script; the focus comes back where it was.
  QString shown;
  WhenDialogOpens([&](QDialog* d) { shown = d->objectName(); });
  f.Select({1});
  press(Qt::Key_F6);
  QCOMPARE(shown, QStringLiteral("DataBaseSqlForm"));
  QTRY_COMPARE(QApplication::activeWindow(), w);
  QCOMPARE(QApplication::focusWidget(), f.members);

  // F1 opens the help page, F5 starts a run.
  f.opener.opened.clear();
  press(Qt::Key_F1);
  QCOMPARE(f.opener.opened, QList<QUrl>({QUrl(QStringLiteral("file:///help/corvane-help.html"))}));
  press(Qt::Key_F5);
  QVERIFY(f.window->IsGenerating());
  QTRY_VERIFY_WITH_TIMEOUT(!f.window->IsGenerating(), 60000);

  // After a class dialog the new class is selected, and the menus answer
  // their keys again.
  WhenDialogOpens([](QDialog* d) {
    Type(Child<QLineEdit>(d, "Edt_ClassName"), "Other");
    Type(Child<QLineEdit>(d, "Edt_FriendName"), "其他");
    Click(Child<QPushButton>(d, "Button1"));
  });
  f.Trigger("A2");
  auto* classes = f.Find<QListWidget>("LB_Object");
  QCOMPARE(classes->currentItem()->text(), QStringLiteral("Other"));
  QVERIFY(classes->currentItem()->isSelected());
  QTRY_COMPARE(QApplication::activeWindow(), w);
  QCOMPARE(QApplication::focusWidget(), classes);
  press(Qt::Key_P, Qt::AltModifier);
  QTRY_VERIFY(f.Find<QMenu>("F1")->isVisible());
  f.Find<QMenu>("F1")->close();
}

QTEST_MAIN(MemberOrderTest)
#include "MemberOrderTest.moc"
