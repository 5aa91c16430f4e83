// The main window around the design commands: the lists it reloads and the
// selections it keeps after a rename, a delete or a move, the questions it
// asks first, the member list's popup, the 完整查询窗体 and database items, the help page,
// and a layout where nothing is clipped.
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyle>

#include "UiTestSupport.h"
#include "commands/DesignCommands.h"
#include "store/ProjectDAO.h"

namespace {

// Projects P1..Pn, each with the classes AP<i> and BP<i>; members of AP1
// and BP1 as named.
void MakeProjects(int count, const QStringList& a1 = {}, const QStringList& b1 = {}) {
  for (int i = 1; i <= count; ++i) {
    const std::string name = "P" + std::to_string(i);
    const int project = commands::AddProject(name).id;
    for (const auto& [cls, members] : {std::pair{"A", a1}, std::pair{"B", b1}}) {
      const int id = commands::AddClass(project, {cls + name, "类"}).id;
      for (const QString& m : i == 1 ? members : QStringList())
        commands::AddMember(project, id,
                            {.memberName = m.toStdString(),
                             .memberType = "字符串",
                             .lengthText = std::to_string(10 + members.indexOf(m))});
    }
  }
}

// Every text-bearing control is at least as large as its text needs.
void CheckNothingClipped(QWidget* top) {
  for (auto* label : top->findChildren<QLabel*>())
    if (label->isVisibleTo(top) && !label->text().isEmpty())
      QVERIFY2(label->width() >= label->sizeHint().width() &&
                   label->height() >= label->sizeHint().height(),
               qPrintable(label->text()));
  for (auto* button : top->findChildren<QAbstractButton*>())
    if (button->isVisibleTo(top) && !button->text().isEmpty())
      QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
  for (auto* group : top->findChildren<QGroupBox*>())
    QVERIFY2(group->width() > group->fontMetrics().horizontalAdvance(group->title()),
             qPrintable(group->title()));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

private slots:
  void renamedProjectKeepsItsPlaceUntilItIsDeleted();
  void deletingAskFirstAndEmptiesWhatWentWithIt();
  void movesAndExchangesKeepTheIdentifiersAndTheMovedMembersSelected();
  void keysReachTheCommandsAndTheSelectionFollowsTheMember();
  void thePopupActsOnTheSelectionItOpenedOver();
  void settingItemsShowAndStoreTheSelectedProjectsSettings();
  void bannerAndTimerOpenTheHelpPageOnce();
  void helpMenuOpensThePageAndTellsWhereThingsAre();
  void helpPageNamesEveryCommand();
  void nothingIsClippedAndFifteenMembersShowInFull();
  void dropDownIsAsWideAsTheLongestProjectName();
};

void MainWindowTest::renamedProjectKeepsItsPlaceUntilItIsDeleted() {
  TWindowFixture f;
  MakeProjects(4);
  f.Open();
  auto* combo = f.Find<QComboBox>("CB_Project");
  auto* classes = f.Find<QListWidget>("LB_Object");
  combo->setCurrentIndex(2);
  QCOMPARE(Entries(classes), QStringList({"AP3", "BP3"}));
  f.prompter.answers = {QStringLiteral("第三项目"), QStringLiteral("P5"), QStringLiteral("p1")};
  f.Trigger("N1");
  QCOMPARE(f.prompter.boxes.value(0),
           TBox({QStringLiteral("ask"), QStringLiteral("请输入项目名称"), QString()}));
  QCOMPARE(Entries(combo), QStringList({"P1", "P2", "第三项目", "P4"}));
  QCOMPARE(combo->currentIndex(), 2);
  QCOMPARE(classes->currentRow(), 0);
  // A new project does not take the selection, nor does a refused rename.
  f.Trigger("F2");
  f.Trigger("N1");
  QCOMPARE(f.prompter.TakeMessages(),
           QStringList({"工程名称修改成功！", "工程名称添加成功！", "该工程名称已经存在!"}));
  QCOMPARE(combo->count(), 5);
  QCOMPARE(combo->currentText(), QStringLiteral("第三项目"));
  // Deleting forgets the place: the first project is selected.
  f.prompter.confirmations = {true};
  f.Trigger("D1");
  QCOMPARE(Entries(combo), QStringList({"P1", "P2", "P4", "P5"}));
  QCOMPARE(combo->currentIndex(), 0);
  QCOMPARE(Entries(classes), QStringList({"AP1", "BP1"}));
}

void MainWindowTest::deletingAskFirstAndEmptiesWhatWentWithIt() {
  TWindowFixture f;
  MakeProjects(1, {"a1"}, {"b1"});
  f.Open();
  auto* classes = f.Find<QListWidget>("LB_Object");
  auto* members = f.Find<QTableWidget>("LV_Member");
  f.prompter.confirmations = {false, false, true};
  f.Trigger("D1");
  f.Trigger("S1");
  QCOMPARE(f.prompter.boxes, QList<TBox>({{QStringLiteral("confirm"), QStringLiteral("删除提示"),
                                           QStringLiteral("确认删除当前项目吗?")},
                                          {QStringLiteral("confirm"), QStringLiteral("提示"),
                                           QStringLiteral("确认删除此类对象！")}}));
  f.prompter.boxes.clear();
  QCOMPARE(members->rowCount(), 1);
  f.Trigger("S1");
  QCOMPARE(Entries(classes), QStringList({"BP1"}));
  QVERIFY(classes->selectedItems().isEmpty());
  QCOMPARE(members->rowCount(), 0);
  // Nothing is selected, so class commands ask for a class again.
  f.Trigger("N2");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"类对象删除成功!", "没有类被选中!"}));

  ClickRow(classes, 0);
  QCOMPARE(members->rowCount(), 1);
  f.prompter.confirmations = {true};
  f.Trigger("D1");
  QCOMPARE(f.Find<QComboBox>("CB_Project")->count(), 0);
  QCOMPARE(classes->count() + members->rowCount(), 0);
  f.Trigger("M1");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"删除成功!", "请先选择类对象"}));
}

// A move exchanges the contents of two rows: the names change places while
// the column of identifiers stays as it was. With several selected, the
// first selected row moves.
void MainWindowTest::movesAndExchangesKeepTheIdentifiersAndTheMovedMembersSelected() {
  TWindowFixture f;
  MakeProjects(1, {"a", "b", "c", "d", "e"});
  f.Open();
  auto* members = f.Find<QTableWidget>("LV_Member");
  const QStringList ids = Column(members, 0);
  const auto select = [&](std::initializer_list<int> rows) {
    members->clearSelection();
    for (int r : rows) ClickRow(members, r, Qt::ControlModifier);
  };
  select({3, 2});
  f.Trigger("N5");
  QCOMPARE(Column(members, 1), QStringList({"a", "c", "b", "d", "e"}));
  QCOMPARE(Column(members, 3), QStringList({"10", "12", "11", "13", "14"}));
  select({4, 0});
  f.Trigger("E1");
  QCOMPARE(Column(members, 1), QStringList({"e", "c", "b", "d", "a"}));
  QCOMPARE(Column(members, 0), ids);
  QCOMPARE(members->selectionModel()->selectedRows().size(), 2);
  // The command's refusal is shown.
  select({0});
  f.Trigger("N5");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"第一个成员无法上移了！"}));
}

void MainWindowTest::keysReachTheCommandsAndTheSelectionFollowsTheMember() {
  TWindowFixture f;
  MakeProjects(1, {"a", "b", "c", "d", "e"});
  f.Open();
  auto* members = f.Find<QTableWidget>("LV_Member");
  QWidget* w = f.window.get();
  QApplication::setActiveWindow(w);
  QVERIFY(QTest::qWaitForWindowActive(w));
  const auto press = [](int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
  };
  const auto select = [&](int row) {
    members->clearSelection();
    ClickRow(members, row, Qt::ControlModifier);
  };
  const auto selected = [&] {
    QList<int> rows;
    for (const QModelIndex& index : members->selectionModel()->selectedRows()) rows << index.row();
    return rows;
  };
  select(2);

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
  QCOMPARE(Column(members, 1), QStringList({"a", "b", "c", "d", "e", "f"}));
  QCOMPARE(selected(), QList<int>({5}));
  QTRY_COMPARE(QApplication::activeWindow(), w);
  QCOMPARE(QApplication::focusWidget(), members);

  // Ctrl+Up and Ctrl+Down move it, and it stays selected for the next move.
  press(Qt::Key_Up, Qt::ControlModifier);
  press(Qt::Key_Up, Qt::ControlModifier);
  QCOMPARE(Column(members, 1), QStringList({"a", "b", "c", "f", "d", "e"}));
  QCOMPARE(selected(), QList<int>({3}));
  press(Qt::Key_Down, Qt::ControlModifier);
  QCOMPARE(Column(members, 1), QStringList({"a", "b", "c", "d", "f", "e"}));
  QCOMPARE(selected(), QList<int>({4}));

  // Delete asks first.
  f.prompter.boxes.clear();
  f.prompter.confirmations = {false, true};
  press(Qt::Key_Delete);
  QCOMPARE(f.prompter.boxes.size(), 1);
  QCOMPARE(f.prompter.boxes[0].kind, QStringLiteral("confirm"));
  QCOMPARE(Column(members, 1).size(), 6);
  press(Qt::Key_Delete);
  QCOMPARE(Column(members, 1), QStringList({"a", "b", "c", "d", "e"}));

  // F6 shows the table script; the focus comes back where it was.
  QString shown;
  WhenDialogOpens([&](QDialog* d) { shown = d->objectName(); });
  select(1);
  press(Qt::Key_F6);
  QCOMPARE(shown, QStringLiteral("DataBaseSqlForm"));
  QTRY_COMPARE(QApplication::activeWindow(), w);
  QCOMPARE(QApplication::focusWidget(), members);

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

void MainWindowTest::thePopupActsOnTheSelectionItOpenedOver() {
  TWindowFixture f;
  MakeProjects(1, {"a", "b", "c", "d", "e"});
  f.Open();
  QApplication::setActiveWindow(f.window.get());
  QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
  auto* members = f.Find<QTableWidget>("LV_Member");
  auto* popup = f.Find<QMenu>("PopupMenu1");
  // A right click keeps the selection.
  ClickRow(members, 1);
  ClickRow(members, 3, Qt::ControlModifier);
  const QPoint at = members->visualItemRect(members->item(3, 1)).center();
  QTest::mousePress(members->viewport(), Qt::RightButton, {}, at);
  QTest::mouseRelease(members->viewport(), Qt::RightButton, {}, at);
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, members->viewport()->mapToGlobal(at));
  QApplication::sendEvent(members->viewport(), &menuEvent);
  QTRY_VERIFY(popup->isVisible());
  QCOMPARE(members->selectionModel()->selectedRows().size(), 2);
  popup->close();
  f.Trigger("E1");
  QCOMPARE(Column(members, 1), QStringList({"a", "d", "c", "b", "e"}));
  // Shift+F10 opens it below the current row, and its commands act there.
  ClickRow(members, 3);
  QCOMPARE(QApplication::focusWidget(), members);
  QTest::keyClick(members, Qt::Key_F10, Qt::ShiftModifier);
  QTRY_VERIFY(popup->isVisible());
  const QRect row = members->visualItemRect(members->item(3, 1));
  QCOMPARE(popup->pos(), members->viewport()->mapToGlobal(row.bottomLeft()));
  QTest::keyClick(popup, Qt::Key_U);
  QTRY_VERIFY(!popup->isVisible());
  QCOMPARE(Column(members, 1), QStringList({"a", "d", "b", "c", "e"}));
  // Delete asks, then removes the first selected member only; the main
  // menu's entry is the same command.
  ClickRow(members, 3);
  ClickRow(members, 1, Qt::ControlModifier);
  f.prompter.confirmations = {false, true, true};
  f.Trigger("D2");
  QCOMPARE(f.prompter.boxes.value(0), TBox({QStringLiteral("confirm"), QStringLiteral("删除提示"),
                                            QStringLiteral("确定删除当前成员属性?")}));
  f.prompter.boxes.clear();
  QCOMPARE(members->rowCount(), 5);
  f.Trigger("D2");
  QCOMPARE(Column(members, 1), QStringList({"a", "b", "c", "e"}));
  ClickRow(members, 0);
  f.Trigger("C1");
  QCOMPARE(Column(members, 1), QStringList({"b", "c", "e"}));
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"成员属性删除成功", "成员属性删除成功"}));
}

void MainWindowTest::settingItemsShowAndStoreTheSelectedProjectsSettings() {
  TWindowFixture f;
  f.Open();
  auto* menu = f.Find<QMenu>("P1");
  auto* item = f.Find<QAction>("FullQueryForms");
  emit menu->aboutToShow();
  QVERIFY(!item->isEnabled() && !item->isChecked());

  f.window.reset();
  MakeProjects(2);
  f.Open();
  menu = f.Find<QMenu>("P1");
  item = f.Find<QAction>("FullQueryForms");
  auto* projects = f.Find<QComboBox>("CB_Project");
  projects->setCurrentIndex(1);
  emit menu->aboutToShow();
  QVERIFY(item->isEnabled() && !item->isChecked());
  item->trigger();
  QVERIFY(TProjectDAO().GetFullQueryForms(2));
  QVERIFY(!TProjectDAO().GetFullQueryForms(1));
  // Each project shows its own setting when the menu opens.
  projects->setCurrentIndex(0);
  emit menu->aboutToShow();
  QVERIFY(!item->isChecked());
  projects->setCurrentIndex(1);
  emit menu->aboutToShow();
  QVERIFY(item->isChecked());
  item->trigger();
  QVERIFY(!TProjectDAO().GetFullQueryForms(2));

  // The two database items, one of them checked, work the same way.
  auto* sqlServer = f.Find<QAction>("Database_sqlserver");
  auto* sqlite = f.Find<QAction>("Database_sqlite");
  emit menu->aboutToShow();
  QVERIFY(sqlServer->isChecked() && !sqlite->isChecked());
  sqlite->trigger();
  QVERIFY(!sqlServer->isChecked() && sqlite->isChecked());
  QVERIFY(TProjectDAO().GetDatabase(2) == TDatabase::Sqlite);
  QVERIFY(TProjectDAO().GetDatabase(1) == TDatabase::SqlServer);
  projects->setCurrentIndex(0);
  emit menu->aboutToShow();
  QVERIFY(sqlServer->isChecked() && !sqlite->isChecked());
  QVERIFY(f.prompter.boxes.isEmpty());
}

void MainWindowTest::bannerAndTimerOpenTheHelpPageOnce() {
  TWindowFixture f;
  f.Open();
  const QUrl help(QStringLiteral("file:///help/corvane-help.html"));
  auto* banner = f.Find<QWidget>("Image1");
  QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(banner, Qt::LeftButton);
  QCOMPARE(f.opener.opened, QList<QUrl>({help}));
  // The click does not stand in for the timer's one opening, five seconds on.
  QTRY_COMPARE_WITH_TIMEOUT(f.opener.opened.size(), 2, 7000);
  QCOMPARE(f.opener.opened.back(), help);
  QVERIFY(!f.window->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

void MainWindowTest::helpMenuOpensThePageAndTellsWhereThingsAre() {
  TWindowFixture f;
  f.Open(f.Path(QStringLiteral("skeleton")).toStdString());
  f.Trigger("HelpTopics");
  QCOMPARE(f.opener.opened, QList<QUrl>({QUrl(QStringLiteral("file:///help/corvane-help.html"))}));

  // 关于: name, version and the places on disk, as paths to copy.
  QStringList texts;
  bool ran = false;
  WhenDialogOpens(
      [&](QDialog* d) {
        for (auto* label : d->findChildren<QLabel*>()) texts << label->text();
        CheckNothingClipped(d);
      },
      &ran);
  f.Trigger("About");
  QVERIFY(ran);
  QVERIFY(texts.indexOf(QRegularExpression(
              QStringLiteral(".*%1.*").arg(QRegularExpression::escape(kTitle)))) >= 0);
  QVERIFY(texts.indexOf(QRegularExpression(QStringLiteral("\\d+\\.\\d+(\\.\\d+)*"))) >= 0);
  for (const char* place : {"skeleton", "projects.mdb", "projects"})
    QVERIFY2(texts.contains(f.Path(QString::fromLatin1(place))), place);
}

// The help page describes the window as it is: every command of its menus.
void MainWindowTest::helpPageNamesEveryCommand() {
  QFile file(QStringLiteral(CORVANE_SOURCE_RESOURCES "/ui/help/corvane-help.html"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QString page = QString::fromUtf8(file.readAll());
  TWindowFixture f;
  f.Open();
  QList<QAction*> commands;
  for (QAction* menu : f.window->menuBar()->actions()) commands << menu->menu()->actions();
  commands << f.Find<QMenu>("PopupMenu1")->actions();
  for (QAction* command : commands) {
    if (command->isSeparator()) continue;
    const QString caption =
        command->text().remove(QRegularExpression(QStringLiteral("\\(&.\\)|…")));
    QVERIFY2(page.contains(caption), qPrintable(caption));
  }
}

void MainWindowTest::nothingIsClippedAndFifteenMembersShowInFull() {
  TWindowFixture f;
  QStringList twenty;
  for (int i = 1; i <= 20; ++i) twenty << QStringLiteral("registerDate%1").arg(i);
  MakeProjects(1, twenty);
  TDbHelper().ExecuteSql("update t_member set memberComment='读者借书证的登记日期'");
  f.Open();
  QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
  TFormMain& w = *f.window;
  QCOMPARE(w.windowTitle(), kTitle);
  QCOMPARE(w.minimumSize(), w.maximumSize());
  // The work area's frame and caption keep clear of the window's edges.
  auto* group = f.Find<QGroupBox>("GroupBox1");
  const QRect work(group->mapTo(w.centralWidget(), QPoint(0, 0)), group->size());
  QVERIFY(work.left() > 0 && work.right() < w.centralWidget()->width() - 1 &&
          work.bottom() < w.centralWidget()->height() - 1);
  CheckNothingClipped(&w);

  // Rows of one line of text, fifteen of them in full view, and every
  // column in view beside the vertical scroll bar.
  auto* members = f.Find<QTableWidget>("LV_Member");
  for (int c = 0; c < members->columnCount(); ++c)
    if (!members->isColumnHidden(c))
      QVERIFY(members->columnWidth(c) >
              members->horizontalHeader()->fontMetrics().horizontalAdvance(
                  members->horizontalHeaderItem(c)->text()));
  QVERIFY(members->rowHeight(0) >= members->fontMetrics().height());
  QVERIFY(members->rowViewportPosition(14) + members->rowHeight(14) <=
          members->viewport()->height());
  QVERIFY(members->verticalScrollBar()->isVisible());
  QVERIFY(!members->horizontalScrollBar()->isVisible());
  const int last = members->columnCount() - 1;
  QVERIFY(members->columnViewportPosition(last) + members->columnWidth(last) <=
          members->viewport()->width());
  QVERIFY(members->columnWidth(last) >= 110);

  // The dialogs too; the member dialog's tab order follows its rows.
  for (const char* action : {"A2", "N2"}) {
    WhenDialogOpens([&](QDialog* d) { CheckNothingClipped(d); });
    f.Trigger(action);
  }
  WhenDialogOpens([&](QDialog* d) {
    CheckNothingClipped(d);
    QStringList order;
    QWidget* first = Child<QWidget>(d, "Edt_MemberName");
    QWidget* step = first;
    do {
      order << step->objectName();
      step = step->nextInFocusChain();
      while (step != first && !(step->focusPolicy() & Qt::TabFocus))
        step = step->nextInFocusChain();
    } while (step != first && order.size() < 20);
    QCOMPARE(order,
             QStringList({"Edt_MemberName", "CB_MemberType", "CB_MemberIsMust", "Button1",
                          "Button2", "Edt_MemberComment", "CB_QueryFlag", "CB_MemberIsPri",
                          "Edt_MemberLength", "CB_MemberIsDisplay", "CB_MemberQueryDisplay",
                          "Btn_Constraints"}));
  });
  f.Trigger("M1");
}

void MainWindowTest::dropDownIsAsWideAsTheLongestProjectName() {
  // Under a style whose drop-down is a plain list, which Qt leaves as wide
  // as the combo box.
  const QString usualStyle = QApplication::style()->name();
  QApplication::setStyle(QStringLiteral("Windows"));
  const auto restore = qScopeGuard([&] { QApplication::setStyle(usualStyle); });
  QVERIFY(!QApplication::style()->styleHint(QStyle::SH_ComboBox_Popup));
  TWindowFixture f;
  MakeProjects(2);
  const QString longName = QStringLiteral("图书馆读者与借阅管理系统（二〇二六年度第二版）");
  commands::AddProject(longName.toStdString());
  f.Open();
  QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
  auto* combo = f.Find<QComboBox>("CB_Project");
  QVERIFY(combo->fontMetrics().horizontalAdvance(longName) > combo->width());
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  QTRY_VERIFY(view->isVisible());
  // Each entry's natural width, its margins included, fits the list.
  QVERIFY(view->fontMetrics().horizontalAdvance(longName) < view->viewport()->width());
  QVERIFY(view->sizeHintForColumn(0) <= view->viewport()->width());
  combo->hidePopup();
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
