// Renaming and deleting projects and classes from the main window, the
// reloads and selections that follow, the help page and the layout.
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyle>

#include "UiTestSupport.h"
#include "store/ClassDAO.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "ui/Banner.h"

namespace {

const QString kTitle = QStringLiteral("CorvaneC#代码生成器2.0版");

TBox Msg(const QString& text) {
  return {QStringLiteral("message"), kTitle, text};
}

// Projects P1..Pn, each with classes named after it, made in the store.
void MakeProjects(int count) {
  TProjectDAO projects;
  TClassDAO classes;
  for (int i = 1; i <= count; ++i) {
    const std::string name = "P" + std::to_string(i);
    const int id = projects.AddProject(name);
    classes.AddClass(id, "A" + name, "甲", 1);
    classes.AddClass(id, "B" + name, "乙", 1);
  }
}

void AddMember(int classId, const std::string& name) {
  TMember m;
  m.classId = classId;
  m.projectId = 1;
  m.memberName = name;
  m.memberType = "字符串";
  m.memberLength = 20;
  TMemberDAO().AddMember(m);
}

// Every text-bearing control is at least as large as its text needs.
void CheckNothingClipped(QWidget* top) {
  for (auto* label : top->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(top) || label->text().isEmpty()) continue;
    QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    QVERIFY2(label->height() >= label->sizeHint().height(), qPrintable(label->text()));
  }
  for (auto* button : top->findChildren<QAbstractButton*>()) {
    if (!button->isVisibleTo(top) || button->text().isEmpty()) continue;
    QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
  }
  for (auto* group : top->findChildren<QGroupBox*>()) {
    const int need = group->fontMetrics().horizontalAdvance(group->title());
    QVERIFY2(group->width() > need, qPrintable(group->title()));
  }
}

}  // namespace

class ProjectsClassesTest : public QObject {
  Q_OBJECT

private slots:
  void renamedProjectKeepsItsPlaceAcrossReloads();
  void renameRefusesEmptyName();
  void deletingAProjectAsksAndReloads();
  void deletingTheOnlyProjectEmptiesEveryList();
  void selectingAProjectOrClassReloadsTheLists();
  void deletingAClassEmptiesTheMemberList();
  void flagCellsShowYesOnlyForOne();
  void bannerAndTimerOpenTheHelpPageOnce();
  void helpMenuOpensThePageAndTellsWhereThingsAre();
  void helpPageNamesEveryCommand();
  void windowHasItsCaptionsAndNothingIsClipped();
  void twentyMembersShowFifteenRowsAndEveryColumn();
  void dropDownIsAsWideAsTheLongestProjectName();
};

void ProjectsClassesTest::renamedProjectKeepsItsPlaceAcrossReloads() {
  TWindowFixture f;
  MakeProjects(4);
  f.Open();
  auto* combo = f.Find<QComboBox>("CB_Project");
  auto* classes = f.Find<QListWidget>("LB_Object");
  QCOMPARE(combo->currentIndex(), 0);
  QCOMPARE(Entries(classes), QStringList({"AP1", "BP1"}));

  combo->setCurrentIndex(2);
  QCOMPARE(Entries(classes), QStringList({"AP3", "BP3"}));
  f.prompter.answers = {QStringLiteral("第三项目")};
  f.Trigger("N1");
  QCOMPARE(f.prompter.boxes,
           QList<TBox>({{QStringLiteral("ask"), QStringLiteral("请输入项目名称"), QString()},
                        Msg("工程名称修改成功！")}));
  QCOMPARE(Entries(combo), QStringList({"P1", "P2", "第三项目", "P4"}));
  QCOMPARE(combo->currentIndex(), 2);
  QCOMPARE(Entries(classes), QStringList({"AP3", "BP3"}));
  QCOMPARE(classes->currentRow(), 0);

  // A new project does not take the selection: the renamed place keeps it.
  f.prompter.boxes.clear();
  f.prompter.answers = {QStringLiteral("P5")};
  f.Trigger("F2");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"工程名称添加成功！"}));
  QCOMPARE(combo->count(), 5);
  QCOMPARE(combo->currentIndex(), 2);
  QCOMPARE(combo->currentText(), QStringLiteral("第三项目"));

  // A taken name is refused like a new project's.
  f.prompter.answers = {QStringLiteral("p1")};
  f.Trigger("N1");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"该工程名称已经存在!"}));
  QCOMPARE(combo->itemText(2), QStringLiteral("第三项目"));
}

void ProjectsClassesTest::renameRefusesEmptyName() {
  TWindowFixture f;
  MakeProjects(2);
  f.Open();
  f.Trigger("N1");  // the box is cancelled
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"工程项目名称不能为空!"}));
  QCOMPARE(TProjectDAO().GetProjectName(1), std::string("P1"));
}

void ProjectsClassesTest::deletingAProjectAsksAndReloads() {
  TWindowFixture f;
  MakeProjects(3);
  f.Open();
  auto* combo = f.Find<QComboBox>("CB_Project");
  combo->setCurrentIndex(1);

  f.prompter.confirmations = {false};
  f.Trigger("D1");
  QCOMPARE(f.prompter.boxes, QList<TBox>({{QStringLiteral("confirm"), QStringLiteral("删除提示"),
                                           QStringLiteral("确认删除当前项目吗?")}}));
  f.prompter.boxes.clear();
  QCOMPARE(combo->count(), 3);

  // A rename set the place to return to; deleting forgets it.
  f.prompter.answers = {QStringLiteral("Second")};
  f.Trigger("N1");
  f.prompter.boxes.clear();
  QCOMPARE(combo->currentIndex(), 1);
  f.prompter.confirmations = {true};
  f.Trigger("D1");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"删除成功!"}));
  QCOMPARE(Entries(combo), QStringList({"P1", "P3"}));
  QCOMPARE(combo->currentIndex(), 0);
  QCOMPARE(Entries(f.Find<QListWidget>("LB_Object")), QStringList({"AP1", "BP1"}));
  // The project's classes went with it.
  QVERIFY(TClassDAO().GetClassList(2).empty());
}

void ProjectsClassesTest::deletingTheOnlyProjectEmptiesEveryList() {
  TWindowFixture f;
  MakeProjects(1);
  AddMember(1, "title");
  f.Open();
  QCOMPARE(f.Find<QTableWidget>("LV_Member")->rowCount(), 1);
  f.prompter.confirmations = {true};
  f.Trigger("D1");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"删除成功!"}));
  QCOMPARE(f.Find<QComboBox>("CB_Project")->count(), 0);
  QCOMPARE(f.Find<QListWidget>("LB_Object")->count(), 0);
  QCOMPARE(f.Find<QTableWidget>("LV_Member")->rowCount(), 0);
  f.Trigger("M1");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"请先选择类对象"}));
}

void ProjectsClassesTest::selectingAProjectOrClassReloadsTheLists() {
  TWindowFixture f;
  MakeProjects(2);
  AddMember(1, "a1");
  AddMember(2, "b1");
  AddMember(2, "b2");
  f.Open();
  auto* members = f.Find<QTableWidget>("LV_Member");
  auto* classes = f.Find<QListWidget>("LB_Object");
  QCOMPARE(Column(members, 1), QStringList({"a1"}));
  ClickRow(classes, 1);
  QCOMPARE(Column(members, 1), QStringList({"b1", "b2"}));
  // The project combo, moved with the keyboard.
  auto* combo = f.Find<QComboBox>("CB_Project");
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);
  QCOMPARE(combo->currentIndex(), 1);
  QCOMPARE(Entries(classes), QStringList({"AP2", "BP2"}));
  QCOMPARE(members->rowCount(), 0);
  QVERIFY(f.prompter.boxes.isEmpty());
}

void ProjectsClassesTest::deletingAClassEmptiesTheMemberList() {
  TWindowFixture f;
  MakeProjects(1);
  AddMember(1, "a1");
  f.Open();
  auto* classes = f.Find<QListWidget>("LB_Object");
  auto* members = f.Find<QTableWidget>("LV_Member");

  f.prompter.confirmations = {false};
  f.Trigger("S1");
  QCOMPARE(f.prompter.boxes, QList<TBox>({{QStringLiteral("confirm"), QStringLiteral("提示"),
                                           QStringLiteral("确认删除此类对象！")}}));
  f.prompter.boxes.clear();
  QCOMPARE(classes->count(), 2);

  f.prompter.confirmations = {true};
  f.Trigger("S1");
  QCOMPARE(f.prompter.TakeMessages(), QStringList({"类对象删除成功!"}));
  QCOMPARE(Entries(classes), QStringList({"BP1"}));
  QVERIFY(classes->selectedItems().isEmpty());
  QCOMPARE(members->rowCount(), 0);
  QVERIFY(!TMemberDAO().GetMember(1));
  // Nothing is selected, so class commands ask for a class again.
  f.Trigger("S1");
  f.Trigger("N2");
  f.Trigger("M1");
  QCOMPARE(f.prompter.TakeMessages(),
           QStringList({"没有类被选中!", "没有类被选中!", "请先选择类对象"}));
}

void ProjectsClassesTest::flagCellsShowYesOnlyForOne() {
  TWindowFixture f;
  MakeProjects(1);
  AddMember(1, "a1");
  AddMember(1, "a2");
  TDbHelper().ExecuteSql("update t_member set memberIsPri=2, memberIsMust=1 where memberName='a1'");
  f.Open();
  auto* members = f.Find<QTableWidget>("LV_Member");
  QCOMPARE(Column(members, 4), QStringList({"否", "否"}));
  QCOMPARE(Column(members, 5), QStringList({"是", "否"}));
}

void ProjectsClassesTest::bannerAndTimerOpenTheHelpPageOnce() {
  TWindowFixture f;
  f.Open();
  auto* timer = f.window->findChild<QTimer*>(QStringLiteral("Timer1"));
  QVERIFY(timer);
  QVERIFY(timer->isActive());
  QCOMPARE(timer->interval(), 5000);
  const QUrl help(QStringLiteral("file:///help/corvane-help.html"));

  auto* banner = f.Find<TBanner>("Image1");
  QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);
  QCOMPARE(banner->height(), 89);
  QTest::mouseClick(banner, Qt::LeftButton);
  QCOMPARE(f.opener.opened, QList<QUrl>({help}));
  // The click does not stand in for the timer's one opening.
  QTRY_COMPARE_WITH_TIMEOUT(f.opener.opened.size(), 2, 7000);
  QCOMPARE(f.opener.opened.back(), help);
  QVERIFY(!timer->isActive());
}

void ProjectsClassesTest::helpMenuOpensThePageAndTellsWhereThingsAre() {
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
void ProjectsClassesTest::helpPageNamesEveryCommand() {
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

void ProjectsClassesTest::windowHasItsCaptionsAndNothingIsClipped() {
  TWindowFixture f;
  MakeProjects(1);
  f.Open();
  TFormMain& w = *f.window;
  QCOMPARE(w.windowTitle(), kTitle);
  QVERIFY(w.centralWidget()->width() >= 783);
  QVERIFY(w.centralWidget()->height() >= 547);
  QCOMPARE(w.minimumSize(), w.maximumSize());
  // The work area's frame and caption keep clear of the window's edges.
  auto* group1 = f.Find<QGroupBox>("GroupBox1");
  const QRect work(group1->mapTo(w.centralWidget(), QPoint(0, 0)), group1->size());
  QVERIFY(work.left() > 0);
  QVERIFY(work.right() < w.centralWidget()->width() - 1);
  QVERIFY(work.bottom() < w.centralWidget()->height() - 1);

  QStringList menus;
  for (QAction* a : w.menuBar()->actions()) menus << a->text();
  QCOMPARE(menus, QStringList({"项目操作(&P)", "代码管理(&A)", "帮助(&H)"}));
  QStringList entries;
  for (const char* name :
       {"F2", "N1", "D1", "A2", "N2", "S1", "M1", "N3", "C1", "sql1", "A1", "D2", "E1", "N5", "L1"})
    entries << f.Find<QAction>(name)->text();
  QCOMPARE(entries,
           QStringList({"新建项目(&F)", "修改项目名称(&X)", "删除当前项目(&D)", "添加类(&A)",
                        "修改类名(&B)", "删除类(&S)", "添加成员(&M)", "修改成员属性(&E)",
                        "删除成员(&C)", "生成建表sql语句", "自动生成代码(&A)", "删除成员(&D)",
                        "成员交换(&E)", "成员上移(&U)", "成员下移(&L)"}));

  auto* members = f.Find<QTableWidget>("LV_Member");
  QStringList captions;
  for (int c = 0; c < members->columnCount(); ++c) {
    captions << members->horizontalHeaderItem(c)->text();
    if (members->isColumnHidden(c)) continue;
    const int need = members->horizontalHeader()->fontMetrics().horizontalAdvance(captions.back());
    QVERIFY2(members->columnWidth(c) > need, qPrintable(captions.back()));
  }
  QCOMPARE(captions, QStringList({"编号", "成员名称", "成员类型", "长度", "主键", "必填", "查询",
                                  "下拉框显示", "界面显示", "注释"}));
  CheckNothingClipped(&w);

  // The dialogs too.
  WhenDialogOpens([&](QDialog* d) {
    QVERIFY(d->width() >= 261 && d->height() >= 219);
    CheckNothingClipped(d);
  });
  f.Trigger("A2");
  WhenDialogOpens([&](QDialog* d) {
    QVERIFY(d->width() >= 389 && d->height() >= 331);
    CheckNothingClipped(d);
    QStringList order;
    QWidget* w0 = Child<QWidget>(d, "Edt_MemberName");
    QWidget* step = w0;
    do {
      order << step->objectName();
      step = step->nextInFocusChain();
      while (step != w0 && !(step->focusPolicy() & Qt::TabFocus)) step = step->nextInFocusChain();
    } while (step != w0 && order.size() < 20);
    QCOMPARE(order,
             QStringList({"Edt_MemberName", "CB_MemberType", "CB_MemberIsMust", "Button1",
                          "Button2", "Edt_MemberComment", "CB_QueryFlag", "CB_MemberIsPri",
                          "Edt_MemberLength", "CB_MemberIsDisplay", "CB_MemberQueryDisplay"}));
  });
  f.Trigger("M1");
  WhenDialogOpens([&](QDialog* d) {
    QVERIFY(d->width() >= 271 && d->height() >= 233);
    CheckNothingClipped(d);
  });
  f.Trigger("N2");
}

void ProjectsClassesTest::twentyMembersShowFifteenRowsAndEveryColumn() {
  TWindowFixture f;
  MakeProjects(1);
  for (int i = 1; i <= 20; ++i) {
    TMember m;
    m.classId = 1;
    m.projectId = 1;
    m.memberName = "registerDate" + std::to_string(i);
    m.memberType = "日期型";
    m.memberIsMust = 1;
    m.memberComment = "读者借书证的登记日期";
    TMemberDAO().AddMember(m);
  }
  f.Open();
  QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
  auto* members = f.Find<QTableWidget>("LV_Member");
  QCOMPARE(members->rowCount(), 20);

  // Rows of one line of text, and at least fifteen of them in full view.
  const int viewHeight = members->viewport()->height();
  QVERIFY(members->rowHeight(0) >= members->fontMetrics().height());
  QVERIFY2(
      members->rowViewportPosition(14) + members->rowHeight(14) <= viewHeight,
      qPrintable(
          QStringLiteral("row height %1, view %2").arg(members->rowHeight(0)).arg(viewHeight)));
  QVERIFY(members->verticalScrollBar()->isVisible());

  // Every column in view beside the vertical scroll bar, none sideways.
  QVERIFY(!members->horizontalScrollBar()->isVisible());
  const int last = members->columnCount() - 1;
  QCOMPARE(members->horizontalHeaderItem(last)->text(), QStringLiteral("注释"));
  QVERIFY(members->columnViewportPosition(last) + members->columnWidth(last) <=
          members->viewport()->width());
  QVERIFY(members->columnWidth(last) >= 110);
}

void ProjectsClassesTest::dropDownIsAsWideAsTheLongestProjectName() {
  // Under a style whose drop-down is a plain list, which Qt leaves as wide
  // as the combo box.
  const QString usualStyle = QApplication::style()->name();
  QApplication::setStyle(QStringLiteral("Windows"));
  const auto restore = qScopeGuard([&] { QApplication::setStyle(usualStyle); });
  QVERIFY(!QApplication::style()->styleHint(QStyle::SH_ComboBox_Popup));
  TWindowFixture f;
  MakeProjects(2);
  const QString longName = QStringLiteral("图书馆读者与借阅管理系统（二〇二六年度第二版）");
  TProjectDAO().AddProject(longName.toStdString());
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

QTEST_MAIN(ProjectsClassesTest)
#include "ProjectsClassesTest.moc"
