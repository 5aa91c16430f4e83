// The main window, set up as the program does, around the design commands:
// the lists it reloads and the selections it keeps after a rename, a delete
// or a move, the questions it asks first, the keys and the member list's
// popup, the setting items, the help page, and a layout where nothing is
// clipped.
#include <QContextMenuEvent>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollBar>

#include "UiTestSupport.h"
#include "commands/DesignCommands.h"
#include "commands/DesignReads.h"
#include "ui/Startup.h"

namespace {

// Projects P1..Pn, each with the classes AP<i> and BP<i>; AP1 has the
// members named, strings of lengths 10, 11, ...
void MakeProjects(int count, const QStringList& members = {}) {
  for (int i = 1; i <= count; ++i) {
    const std::string name = "P" + std::to_string(i);
    const int project = commands::AddProject(name).id;
    const int a = commands::AddClass(project, {"A" + name, "类"}).id;
    commands::AddClass(project, {"B" + name, "类"});
    for (int m = 0; i == 1 && m < members.size(); ++m)
      commands::AddMember(project, a, {members[m].toStdString(), "字符串", std::to_string(10 + m)});
  }
}

// Every label and button is at least as large as its text needs, every
// group box as wide as its title.
void CheckNothingClipped(QWidget* top) {
  for (auto* w : top->findChildren<QWidget*>()) {
    const QString text = w->property("text").toString();
    if ((qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) && w->isVisibleTo(top))
      QVERIFY2(text.isEmpty() ||
                   (w->width() >= w->sizeHint().width() && w->height() >= w->sizeHint().height()),
               qPrintable(text));
  }
  for (auto* group : top->findChildren<QGroupBox*>())
    QVERIFY2(group->width() > group->fontMetrics().horizontalAdvance(group->title()),
             qPrintable(group->title()));
}

// The title and the sorted button texts of the next modal box, read while
// it is open; the box is then cancelled.
QStringList NextBox(const std::function<void()>& openBox) {
  QStringList texts;
  WhenDialogOpens([&](QDialog* box) {
    for (auto* button : box->findChildren<QAbstractButton*>())
      if (button->isVisible() && !button->text().isEmpty())
        texts << button->text().remove(QLatin1Char('&'));
    texts.sort();
    texts.prepend(box->windowTitle());
  });
  openBox();
  return texts;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

private slots:
  void standardBoxesSpeakChineseAfterStartUp();
  void projectsAndClassesKeepTheirPlaceAndDeletingAsksFirst();
  void memberCommandsByKeyMenuAndPopupFollowTheSelection();
  void settingItemsShowAndStoreTheSelectedProjectsSettings();
  void helpIsOpenedOnceAndNamesEveryCommand();
  void nothingIsClippedAndFifteenMembersShowInFull();
};

// First, the program's start-up: after it, the standard boxes the window
// shows through its prompter speak Chinese, whatever the locale says; the
// question before a deletion warns, and Enter keeps what is there.
void MainWindowTest::standardBoxesSpeakChineseAfterStartUp() {
  TQtPrompter prompter;
  QWidget owner;
  owner.show();
  const auto confirm = [&] {
    return prompter.Confirm(&owner, QStringLiteral("确认删除当前项目吗?"),
                            QStringLiteral("删除提示"));
  };
  // Before: Qt's own English texts.
  QCOMPARE(NextBox(confirm), QStringList({"删除提示", "Cancel", "OK"}));

  QVERIFY2(SetUpApplication(*qApp), qPrintable(QtTranslationDirectory()));
  QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.corvane.Corvane"));
  QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(256, 256)));
  QCOMPARE(NextBox(confirm), QStringList({"删除提示", "取消", "确定"}));
  QCOMPARE(NextBox([&] { prompter.Error(&owner, QStringLiteral("磁盘已满")); }),
           QStringList({"CorvaneC#代码生成器2.0版", "确定"}));
  QCOMPARE(NextBox([&] { prompter.AskText(&owner, QStringLiteral("请输入工程名称")); }),
           QStringList({"请输入工程名称", "取消", "确定"}));

  QMessageBox::Icon icon = QMessageBox::NoIcon;
  WhenDialogOpens([&](QDialog* box) {
    icon = qobject_cast<QMessageBox*>(box)->icon();
    QTest::keyClick(box, Qt::Key_Return);
  });
  QVERIFY(!confirm());
  QCOMPARE(icon, QMessageBox::Warning);
  WhenDialogOpens(
      [](QDialog* box) { Click(qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)); });
  QVERIFY(confirm());
}

void MainWindowTest::projectsAndClassesKeepTheirPlaceAndDeletingAsksFirst() {
  TWindowFixture f;
  MakeProjects(3, {"a1"});
  f.Open();
  auto* combo = f.Find<QComboBox>("CB_Project");
  auto* classes = f.Find<QListWidget>("LB_Object");
  auto* members = f.Find<QTableWidget>("LV_Member");
  // A class deleted leaves nothing selected, so class commands ask again.
  f.prompter.confirmations = {false, true};
  f.Trigger("S1");
  QCOMPARE(members->rowCount(), 1);
  f.Trigger("S1");
  QCOMPARE(Texts(classes), QStringList({"BP1"}));
  QVERIFY(classes->selectedItems().isEmpty() && members->rowCount() == 0);
  f.Trigger("N2");
  QCOMPARE(f.prompter.Take(),
           QStringList({"confirm 提示: 确认删除此类对象！", "confirm 提示: 确认删除此类对象！",
                        "message: 类对象删除成功!", "message: 没有类被选中!"}));

  // A renamed project keeps its place; a new one does not take it, nor
  // does a refused rename.
  combo->setCurrentIndex(2);
  QCOMPARE(Texts(classes), QStringList({"AP3", "BP3"}));
  f.prompter.answers = {QStringLiteral("第三项目"), QStringLiteral("P4"), QStringLiteral("p1")};
  f.Trigger("N1");
  QCOMPARE(classes->currentRow(), 0);
  f.Trigger("F2");
  f.Trigger("N1");
  QCOMPARE(f.prompter.Take(),
           QStringList({"ask 请输入项目名称: ", "message: 工程名称修改成功！",
                        "ask 请输入工程名称: ", "message: 工程名称添加成功！",
                        "ask 请输入项目名称: ", "message: 该工程名称已经存在!"}));
  QCOMPARE(Texts(combo), QStringList({"P1", "P2", "第三项目", "P4"}));
  QCOMPARE(combo->currentIndex(), 2);

  // Deleting asks first, then forgets the place: the first project is
  // selected.
  f.prompter.confirmations = {false, true};
  f.Trigger("D1");
  f.Trigger("D1");
  QCOMPARE(f.prompter.Take(),
           QStringList({"confirm 删除提示: 确认删除当前项目吗?",
                        "confirm 删除提示: 确认删除当前项目吗?", "message: 删除成功!"}));
  QCOMPARE(Texts(combo), QStringList({"P1", "P2", "P4"}));
  QCOMPARE(combo->currentIndex(), 0);
  QCOMPARE(Texts(classes), QStringList({"BP1"}));
}

// A move or an exchange swaps the contents of rows while the column of
// identifiers stays as it was; the moved members stay selected. With
// several selected, the topmost moves.
void MainWindowTest::memberCommandsByKeyMenuAndPopupFollowTheSelection() {
  TWindowFixture f;
  MakeProjects(1, {"a", "b", "c", "d", "e"});
  f.Open();
  QWidget* w = f.window.get();
  QApplication::setActiveWindow(w);
  QVERIFY(QTest::qWaitForWindowActive(w));
  auto* members = f.Find<QTableWidget>("LV_Member");
  auto* popup = f.Find<QMenu>("PopupMenu1");
  const QStringList ids = Texts(members, 0);
  const auto press = [](int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
  };
  const auto selected = [&] {
    QList<int> rows;
    for (const QModelIndex& index : members->selectionModel()->selectedRows()) rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
  };

  // A right click keeps the selection it opens over.
  ClickRow(members, 1);
  ClickRow(members, 3, Qt::ControlModifier);
  const QPoint at = RowRect(members, 3).center();
  QTest::mouseClick(members->viewport(), Qt::RightButton, {}, at);
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, members->viewport()->mapToGlobal(at));
  QApplication::sendEvent(members->viewport(), &menuEvent);
  QTRY_VERIFY(popup->isVisible());
  popup->close();
  f.Trigger("E1");
  QCOMPARE(Texts(members, 1), QStringList({"a", "d", "c", "b", "e"}));
  QCOMPARE(Texts(members, 3), QStringList({"10", "13", "12", "11", "14"}));
  QCOMPARE(Texts(members, 0), ids);
  QCOMPARE(selected(), QList<int>({1, 3}));
  f.Trigger("N5");
  QCOMPARE(Texts(members, 1), QStringList({"d", "a", "c", "b", "e"}));
  QCOMPARE(selected(), QList<int>({0}));
  f.Trigger("N5");
  QCOMPARE(f.prompter.Take(), QStringList({"message: 第一个成员无法上移了！"}));
  press(Qt::Key_Down, Qt::ControlModifier);
  press(Qt::Key_Down, Qt::ControlModifier);
  QCOMPARE(Texts(members, 1), QStringList({"a", "c", "d", "b", "e"}));
  QCOMPARE(selected(), QList<int>({2}));
  // Shift+F10 opens the popup below the current row; its keys act there.
  ClickRow(members, 3);
  QTest::keyClick(members, Qt::Key_F10, Qt::ShiftModifier);
  QTRY_VERIFY(popup->isVisible());
  QCOMPARE(popup->pos(), members->viewport()->mapToGlobal(RowRect(members, 3).bottomLeft()));
  QTest::keyClick(popup, Qt::Key_U);
  QTRY_VERIFY(!popup->isVisible());
  QCOMPARE(Texts(members, 1), QStringList({"a", "c", "b", "d", "e"}));

  // Delete asks, then removes the topmost selected member only.
  ClickRow(members, 3);
  ClickRow(members, 1, Qt::ControlModifier);
  f.prompter.confirmations = {false, true};
  press(Qt::Key_Delete);
  QCOMPARE(members->rowCount(), 5);
  press(Qt::Key_Delete);
  QCOMPARE(Texts(members, 1), QStringList({"a", "b", "d", "e"}));
  QCOMPARE(f.prompter.Take(),
           QStringList({"confirm 删除提示: 确定删除当前成员属性?",
                        "confirm 删除提示: 确定删除当前成员属性?", "message: 成员属性删除成功"}));

  // Insert adds to the current class; the new member is selected and the
  // list has the keyboard again.
  WhenDialogOpens([](QDialog* d) {
    Type(Child<QLineEdit>(d, "Edt_MemberName"), "f");
    Click(Child<QPushButton>(d, "Button1"));
  });
  press(Qt::Key_Insert);
  QCOMPARE(Texts(members, 1), QStringList({"a", "b", "d", "e", "f"}));
  QCOMPARE(selected(), QList<int>({4}));
  QTRY_COMPARE(QApplication::activeWindow(), w);
  QCOMPARE(QApplication::focusWidget(), members);

  // F1 opens the help page.
  f.opener.opened.clear();
  press(Qt::Key_F1);
  QCOMPARE(f.opener.opened, QList<QUrl>({kHelpPage}));

  // After a class dialog the class list has the keyboard.
  WhenDialogOpens([](QDialog* d) {
    Type(Child<QLineEdit>(d, "Edt_ClassName"), "Other");
    Type(Child<QLineEdit>(d, "Edt_FriendName"), "其他");
    Click(Child<QPushButton>(d, "Button1"));
  });
  f.Trigger("A2");
  QTRY_COMPARE(QApplication::activeWindow(), w);
  QCOMPARE(QApplication::focusWidget(), f.Find<QListWidget>("LB_Object"));
}

void MainWindowTest::settingItemsShowAndStoreTheSelectedProjectsSettings() {
  TWindowFixture f;
  MakeProjects(2);
  f.Open();
  auto* menu = f.Find<QMenu>("P1");
  auto* full = f.Find<QAction>("FullQueryForms");
  auto* sqlite = f.Find<QAction>("Database_sqlite");
  auto* projects = f.Find<QComboBox>("CB_Project");
  projects->setCurrentIndex(1);
  emit menu->aboutToShow();
  full->trigger();
  sqlite->trigger();
  // Each project shows its own settings when the menu opens; one of the
  // two databases is checked.
  for (const int project : {1, 2}) {
    projects->setCurrentIndex(project - 1);
    emit menu->aboutToShow();
    QCOMPARE(commands::FullQueryForms(project), project == 2);
    QCOMPARE(commands::ProjectDatabase(project) == TDatabase::Sqlite, project == 2);
    QCOMPARE(full->isChecked() && full->isEnabled(), project == 2);
    QCOMPARE(sqlite->isChecked(), project == 2);
    QCOMPARE(f.Find<QAction>("Database_sqlserver")->isChecked(), project == 1);
  }
  full->trigger();
  QVERIFY(!commands::FullQueryForms(2));
  QVERIFY(f.prompter.boxes.isEmpty());
}

// The banner and a timer five seconds on open the help page, once each;
// the about box tells where things are, as paths to copy; the page
// describes every command of the window's menus.
void MainWindowTest::helpIsOpenedOnceAndNamesEveryCommand() {
  TWindowFixture f;
  f.Open(f.Path(QStringLiteral("skeleton")).toStdString());
  auto* banner = f.Find<QWidget>("Image1");
  QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(banner, Qt::LeftButton);
  QCOMPARE(f.opener.opened, QList<QUrl>({kHelpPage}));
  QTRY_COMPARE_WITH_TIMEOUT(f.opener.opened, QList<QUrl>({kHelpPage, kHelpPage}), 7000);
  QVERIFY(!f.Find<QTimer>("Timer1")->isActive());

  QStringList texts;
  WhenDialogOpens([&](QDialog* d) {
    for (auto* label : d->findChildren<QLabel*>()) texts << label->text();
    CheckNothingClipped(d);
  });
  f.Trigger("About");
  QVERIFY(!texts.filter(f.window->windowTitle()).isEmpty());
  QVERIFY(texts.indexOf(QRegularExpression(QStringLiteral("\\d+\\.\\d+(\\.\\d+)*"))) >= 0);
  for (const char* place : {"skeleton", "projects.mdb", "projects"})
    QVERIFY2(texts.contains(f.Path(QString::fromLatin1(place))), place);

  QFile file(QStringLiteral(CORVANE_SOURCE_RESOURCES "/ui/help/corvane-help.html"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QString page = QString::fromUtf8(file.readAll());
  QList<QAction*> commands = f.Find<QMenu>("PopupMenu1")->actions();
  for (QAction* menu : f.window->menuBar()->actions()) commands << menu->menu()->actions();
  for (QAction* command : commands) {
    const QString caption =
        command->text().remove(QRegularExpression(QStringLiteral("\\(&.\\)|…")));
    QVERIFY2(command->isSeparator() || page.contains(caption), qPrintable(caption));
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
  QCOMPARE(w.minimumSize(), w.maximumSize());
  CheckNothingClipped(&w);

  // Rows of one line of text, fifteen of them in full view, and every
  // column in view beside the vertical scroll bar.
  auto* members = f.Find<QTableWidget>("LV_Member");
  for (int c = 1; c < members->columnCount(); ++c)
    QVERIFY(members->columnWidth(c) > members->horizontalHeader()->fontMetrics().horizontalAdvance(
                                          members->horizontalHeaderItem(c)->text()));
  QVERIFY(members->rowHeight(0) >= members->fontMetrics().height());
  QVERIFY(members->rowViewportPosition(14) + members->rowHeight(14) <=
          members->viewport()->height());
  QVERIFY(members->verticalScrollBar()->isVisible());
  QVERIFY(!members->horizontalScrollBar()->isVisible());
  const int last = members->columnCount() - 1;
  QVERIFY(members->columnViewportPosition(last) + members->columnWidth(last) <=
          members->viewport()->width());

  // The dialogs too; the member dialog's tab order follows its rows.
  for (const char* action : {"A2", "N2"}) {
    WhenDialogOpens([&](QDialog* d) { CheckNothingClipped(d); });
    f.Trigger(action);
  }
  WhenDialogOpens([&](QDialog* d) {
    CheckNothingClipped(d);
    QStringList order;
    for (QWidget* step = Child<QWidget>(d, "Edt_MemberName"); !order.contains(step->objectName());
         step = step->nextInFocusChain())
      if (step->focusPolicy() & Qt::TabFocus) order << step->objectName();
    QCOMPARE(order, QStringList({"Edt_MemberName", "CB_MemberType", "CB_MemberIsMust", "Button1",
                                 "Button2", "Edt_MemberComment", "CB_QueryFlag", "CB_MemberIsPri",
                                 "Edt_MemberLength", "CB_MemberIsDisplay", "CB_MemberQueryDisplay",
                                 "Btn_Constraints"}));
  });
  f.Trigger("M1");
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
