#include "ui/MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

#include "commands/DesignCommands.h"
#include "commands/DesignReads.h"
#include "commands/DesignText.h"
#include "commands/UserFiles.h"
#include "ui/AboutForm.h"
#include "ui/Banner.h"
#include "ui/DataBaseSqlForm.h"
#include "ui/DesktopOpener.h"
#include "ui/FormAddClass.h"
#include "ui/FormAddMember.h"
#include "ui/FormUpdateClass.h"
#include "ui/FormUpdateMember.h"
#include "ui/GenerationWorker.h"
#include "ui/Prompter.h"
#include "ui/TableScriptImport.h"
#include "ui/UiCommand.h"
#include "vocabulary/SqlDialect.h"

namespace {

constexpr int kIdRole = Qt::UserRole;

QString Flag(int value) {
  return value == 1 ? TFormMain::tr("是") : TFormMain::tr("否");
}

QString FromStd(const std::string& s) {
  return QString::fromStdString(s);
}
std::string ToStd(const QString& s) {
  return s.toStdString();
}

// The height the style gives an item view row of one line of text, with
// the grid line below it.
int OneLineRowHeight(const QTableView* view) {
  QStyleOptionViewItem option;
  option.initFrom(view);
  option.font = view->font();
  option.fontMetrics = view->fontMetrics();
  option.features = QStyleOptionViewItem::HasDisplay;
  option.text = TFormMain::tr("是");
  option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  const QSize size =
      view->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), view);
  return size.height() + (view->showGrid() ? 1 : 0);
}

// Rows the member list shows without scrolling in the window's default size.
constexpr int kVisibleMemberRows = 15;

}  // namespace

TFormMain::TFormMain(TMainSettings settings, TPrompter& prompter, TDesktopOpener& opener,
                     QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      settings_(std::move(settings)),
      prompter_(prompter),
      opener_(opener) {
  setObjectName(QStringLiteral("FormMain"));
  setWindowTitle(tr("CorvaneC#代码生成器2.0版"));
  BuildControls();
  BuildMenus();
  BuildHelpMenu();
  BuildShortcuts();

  worker_ = new TGenerationWorker(this);
  connect(worker_, &TGenerationWorker::ProgressLine, log_, &QPlainTextEdit::appendPlainText);
  connect(worker_, &TGenerationWorker::PreCheckFailed, this,
          [this](const QString& message) { prompter_.Message(this, message); });
  connect(worker_, &TGenerationWorker::Completed, this, &TFormMain::RunCompleted);
  connect(worker_, &TGenerationWorker::Failed, this, [this](const QString& error) {
    log_->appendPlainText(tr("代码生成出错: %1").arg(error));
    prompter_.Error(this, error);
  });
  connect(worker_, &TGenerationWorker::Finished, this, &TFormMain::RunEnded);

  helpTimer_ = new QTimer(this);
  helpTimer_->setObjectName(QStringLiteral("Timer1"));
  helpTimer_->setInterval(5000);
  helpTimer_->setSingleShot(true);
  connect(helpTimer_, &QTimer::timeout, this, &TFormMain::OpenHelpPage);
  helpTimer_->start();

  setFixedSize(sizeHint().expandedTo(minimumSizeHint()));
  move(246, 125);
  ProjectIndex = -1;
  RunCommand(prompter_, this, [&] { LoadProjects(); });
}

void TFormMain::BuildControls() {
  auto* central = new QWidget(this);
  central->setMinimumSize(783, 547);
  auto* rootLayout = new QVBoxLayout(central);
  rootLayout->setContentsMargins(0, 0, 0, 0);
  rootLayout->setSpacing(0);

  banner_ = new TBanner(central);
  connect(banner_, &TBanner::Clicked, this, &TFormMain::OpenHelpPage);
  rootLayout->addWidget(banner_);

  // The work area keeps a margin from the window's edges.
  auto* workLayout = new QVBoxLayout;
  workLayout->setContentsMargins(6, 4, 6, 6);
  rootLayout->addLayout(workLayout, 1);
  auto* group1 = new QGroupBox(tr("项目操作区"), central);
  group1->setObjectName(QStringLiteral("GroupBox1"));
  workLayout->addWidget(group1);
  auto* groupLayout = new QVBoxLayout(group1);
  groupLayout->setContentsMargins(6, 4, 6, 4);

  auto* upper = new QHBoxLayout;
  groupLayout->addLayout(upper, 1);

  auto* left = new QVBoxLayout;
  upper->addLayout(left);
  auto* projectRow = new QHBoxLayout;
  left->addLayout(projectRow);
  auto* label1 = new QLabel(tr("项目:"), group1);
  label1->setObjectName(QStringLiteral("Label1"));
  projectRow->addWidget(label1);
  project_ = new QComboBox(group1);
  project_->setObjectName(QStringLiteral("CB_Project"));
  project_->setEditable(false);
  project_->setMinimumWidth(121);
  project_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  projectRow->addWidget(project_, 1);
  connect(project_, &QComboBox::currentIndexChanged, this, &TFormMain::ProjectChanged);

  auto* label2 = new QLabel(tr("该项目所有类如下:"), group1);
  label2->setObjectName(QStringLiteral("Label2"));
  left->addWidget(label2);
  classes_ = new QListWidget(group1);
  classes_->setObjectName(QStringLiteral("LB_Object"));
  classes_->setFixedWidth(std::max(153, label2->sizeHint().width()));
  classes_->setMinimumHeight(200);
  classes_->viewport()->installEventFilter(this);
  connect(classes_, &QListWidget::itemSelectionChanged, this, &TFormMain::ClassChanged);
  left->addWidget(classes_, 1);

  members_ = new QTableWidget(0, 10, group1);
  members_->setObjectName(QStringLiteral("LV_Member"));
  const QStringList captions = {tr("编号"),     tr("成员名称"), tr("成员类型"), tr("长度"),
                                tr("主键"),     tr("必填"),     tr("查询"),     tr("下拉框显示"),
                                tr("界面显示"), tr("注释")};
  const int widths[] = {1, 90, 70, 50, 50, 50, 50, 75, 60, 110};
  members_->setHorizontalHeaderLabels(captions);
  members_->verticalHeader()->hide();
  members_->setShowGrid(true);
  members_->setSelectionBehavior(QAbstractItemView::SelectRows);
  members_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  members_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  members_->setWordWrap(false);
  const QFontMetrics headerMetrics(members_->horizontalHeader()->font());
  for (int c = 0; c < captions.size(); ++c)
    members_->setColumnWidth(
        c, std::max(widths[c], headerMetrics.horizontalAdvance(captions[c]) + 16));
  // The identifier column only carries each row's memberId for the commands.
  members_->setColumnHidden(0, true);
  members_->horizontalHeader()->setStretchLastSection(true);
  // Compact rows, one line of text each.
  QHeaderView* rowHeader = members_->verticalHeader();
  const int rowHeight = OneLineRowHeight(members_);
  rowHeader->setMinimumSectionSize(1);
  rowHeader->setSectionResizeMode(QHeaderView::Fixed);
  rowHeader->setDefaultSectionSize(rowHeight);
  // Room for every column beside the vertical scroll bar, so that no
  // horizontal one is needed ("注释" takes what is left), and for fifteen
  // rows under the header.
  int columnsWidth = 0;
  for (int c = 1; c < captions.size(); ++c) columnsWidth += members_->columnWidth(c);
  const int frame = 2 * members_->frameWidth();
  const int scrollBar =
      members_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, members_);
  members_->setMinimumWidth(std::max(617, columnsWidth + scrollBar + frame));
  members_->setMinimumHeight(std::max(281, members_->horizontalHeader()->sizeHint().height() +
                                               kVisibleMemberRows * rowHeight + frame));
  members_->setContextMenuPolicy(Qt::CustomContextMenu);
  members_->viewport()->installEventFilter(this);
  connect(members_, &QWidget::customContextMenuRequested, this, &TFormMain::ShowMemberPopup);
  // Shift+F10 opens the popup from the keyboard, like the Menu key.
  auto* popupKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), members_);
  popupKey->setContext(Qt::WidgetWithChildrenShortcut);
  connect(popupKey, &QShortcut::activated, this, &TFormMain::ShowMemberPopupAtCurrentRow);
  upper->addWidget(members_, 1);

  auto* group2 = new QGroupBox(tr("生成进度"), group1);
  group2->setObjectName(QStringLiteral("GroupBox2"));
  group2->setFixedHeight(152);
  groupLayout->addWidget(group2);
  auto* logLayout = new QVBoxLayout(group2);
  logLayout->setContentsMargins(4, 2, 4, 4);
  log_ = new QPlainTextEdit(group2);
  log_->setObjectName(QStringLiteral("Memo_State"));
  log_->setReadOnly(true);
  log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette logPalette = log_->palette();
  logPalette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
  log_->setPalette(logPalette);
  logLayout->addWidget(log_);

  setCentralWidget(central);
}

QAction* TFormMain::AddCommand(QMenu* menu, const char* name, const QString& caption,
                               void (TFormMain::*command)()) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  if (command) connect(action, &QAction::triggered, this, command);
  return action;
}

// The item shows the current project's setting whenever the menu opens.
void TFormMain::ShowFullQueryForms() {
  const int projectId = CurrentProjectId();
  bool on = false;
  if (projectId >= 0)
    RunCommand(prompter_, this, [&] { on = commands::FullQueryForms(projectId); });
  fullQueryForms_->setEnabled(projectId >= 0);
  fullQueryForms_->setChecked(on);
}

void TFormMain::SetFullQueryForms(bool on) {
  if (CurrentProjectId() < 0) {
    prompter_.Message(this, RuleText(msg::kNoProjectSelected));
    fullQueryForms_->setChecked(false);
    return;
  }
  const TCommandResult result =
      Execute(this, [&] { return commands::SetFullQueryForms(CurrentProjectId(), on); });
  if (!result) {
    Show(this, result);
    ShowFullQueryForms();
  }
}

// The item of the project's database is checked whenever the menu opens.
void TFormMain::ShowDatabase() {
  const int projectId = CurrentProjectId();
  TDatabase database = TDatabase::SqlServer;
  if (projectId >= 0)
    RunCommand(prompter_, this, [&] { database = commands::ProjectDatabase(projectId); });
  for (const auto& [itemDatabase, item] : databases_) {
    item->setEnabled(projectId >= 0);
    item->setChecked(projectId >= 0 && itemDatabase == database);
  }
}

void TFormMain::SetDatabase(TDatabase database) {
  if (CurrentProjectId() < 0) {
    prompter_.Message(this, RuleText(msg::kNoProjectSelected));
  } else {
    const TCommandResult result =
        Execute(this, [&] { return commands::SetDatabase(CurrentProjectId(), database); });
    if (!result) Show(this, result);
  }
  ShowDatabase();
}

void TFormMain::BuildMenus() {
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* f1 = menuBar()->addMenu(tr("项目操作(&P)"));
  f1->setObjectName(QStringLiteral("F1"));
  AddCommand(f1, "F2", tr("新建项目(&F)"), &TFormMain::NewProject);
  AddCommand(f1, "N1", tr("修改项目名称(&X)"), &TFormMain::RenameProject);
  AddCommand(f1, "D1", tr("删除当前项目(&D)"), &TFormMain::DeleteProject);
  AddCommand(f1, "A2", tr("添加类(&A)"), &TFormMain::AddClass);
  AddCommand(f1, "N2", tr("修改类名(&B)"), &TFormMain::UpdateClass);
  AddCommand(f1, "S1", tr("删除类(&S)"), &TFormMain::DeleteClass);
  AddCommand(f1, "M1", tr("添加成员(&M)"), &TFormMain::AddMember);
  AddCommand(f1, "N3", tr("修改成员属性(&E)"), &TFormMain::UpdateMember);
  AddCommand(f1, "C1", tr("删除成员(&C)"), &TFormMain::DeleteMember);
  f1->addSeparator();
  AddCommand(f1, "ExportDesign", tr("导出设计…"), &TFormMain::ExportDesignText);
  AddCommand(f1, "ImportDesign", tr("导入设计…"), &TFormMain::ImportDesignText);
  AddCommand(f1, "ImportTableScript", tr("从建表脚本导入…"), &TFormMain::ImportTableScript);

  QMenu* p1 = menuBar()->addMenu(tr("代码管理(&A)"));
  p1->setObjectName(QStringLiteral("P1"));
  AddCommand(p1, "sql1", tr("生成建表sql语句"), &TFormMain::ShowTableScript);
  AddCommand(p1, "A1", tr("自动生成代码(&A)"), &TFormMain::Generate);
  fullQueryForms_ = AddCommand(p1, "FullQueryForms", tr("完整查询窗体"), nullptr);
  fullQueryForms_->setCheckable(true);
  connect(fullQueryForms_, &QAction::triggered, this, &TFormMain::SetFullQueryForms);
  connect(p1, &QMenu::aboutToShow, this, &TFormMain::ShowFullQueryForms);
  p1->addSeparator();
  for (const TDatabaseChoice& choice : DatabaseChoices()) {
    QAction* item = AddCommand(
        p1, ("Database_" + std::string(choice.key)).c_str(),
        QString::fromUtf8(choice.caption.data(), static_cast<qsizetype>(choice.caption.size())),
        nullptr);
    item->setCheckable(true);
    connect(item, &QAction::triggered, this,
            [this, database = choice.database] { SetDatabase(database); });
    databases_.emplace_back(choice.database, item);
  }
  connect(p1, &QMenu::aboutToShow, this, &TFormMain::ShowDatabase);

  popup_ = new QMenu(this);
  popup_->setObjectName(QStringLiteral("PopupMenu1"));
  AddCommand(popup_, "D2", tr("删除成员(&D)"), &TFormMain::DeleteMember);
  AddCommand(popup_, "E1", tr("成员交换(&E)"), &TFormMain::ExchangeMembers);
  AddCommand(popup_, "N5", tr("成员上移(&U)"), &TFormMain::MoveMemberUp);
  AddCommand(popup_, "L1", tr("成员下移(&L)"), &TFormMain::MoveMemberDown);
}

// ---- Lists ---------------------------------------------------------------

// The three loads let a store error through to the command that asked.
void TFormMain::LoadProjects() {
  const TNameList projects = commands::ListProjects();
  {
    const QSignalBlocker block(project_);
    project_->clear();
    for (const auto& p : projects) project_->addItem(FromStd(p.name), p.id);
  }
  FitProjectPopup();
  {
    const QSignalBlocker block(classes_);
    classes_->clear();
  }
  if (project_->count() == 0) {
    ClearMembers();
    return;
  }
  {
    const QSignalBlocker block(project_);
    project_->setCurrentIndex(0);
    if (ProjectIndex != -1 && ProjectIndex < project_->count())
      project_->setCurrentIndex(ProjectIndex);
  }
  LoadClasses(CurrentProjectId());
}

void TFormMain::LoadClasses(int projectId) {
  const std::vector<commands::TClassItem> list = commands::ListClasses(projectId);
  {
    const QSignalBlocker block(classes_);
    classes_->clear();
    for (const auto& c : list) {
      auto* item = new QListWidgetItem(FromStd(c.entry.className), classes_);
      item->setData(kIdRole, c.classId);
    }
    if (!list.empty()) classes_->setCurrentRow(0);
  }
  if (list.empty())
    ClearMembers();
  else
    LoadMembers(list.front().classId);
}

void TFormMain::LoadMembers(int classId) {
  const std::vector<TMember> list = commands::ListMembers(classId);
  ClearMembers();
  members_->setRowCount(static_cast<int>(list.size()));
  int r = 0;
  for (const TMember& m : list) {
    const QString cells[] = {QString::number(m.memberId), FromStd(m.memberName),
                             FromStd(m.memberType),       FromStd(m.LengthText()),
                             Flag(m.memberIsPri),         Flag(m.memberIsMust),
                             Flag(m.queryFlag),           Flag(m.memberIsDisplay),
                             Flag(m.memberQueryDisplay),  FromStd(m.memberComment)};
    for (int c = 0; c < 10; ++c) members_->setItem(r, c, new QTableWidgetItem(cells[c]));
    ++r;
  }
}

void TFormMain::ClearMembers() {
  members_->clearSelection();
  members_->setRowCount(0);
}

void TFormMain::SelectClass(int classId) {
  for (int r = 0; r < classes_->count(); ++r)
    if (classes_->item(r)->data(kIdRole).toInt() == classId) {
      classes_->setCurrentRow(r);
      classes_->scrollToItem(classes_->item(r));
      return;
    }
}

void TFormMain::SelectMembers(const QList<int>& memberIds) {
  QItemSelectionModel* selection = members_->selectionModel();
  selection->clearSelection();
  bool first = true;
  for (int r = 0; r < members_->rowCount(); ++r) {
    if (!memberIds.contains(MemberIdAt(r))) continue;
    const QModelIndex index = members_->model()->index(r, 1);
    const auto flags = QItemSelectionModel::Select | QItemSelectionModel::Rows;
    if (first) {
      selection->setCurrentIndex(index, flags);
      members_->scrollTo(index);
      first = false;
    } else {
      selection->select(index, flags);
    }
  }
}

void TFormMain::ReloadCurrentMembers() {
  const int classId = CurrentClassId();
  if (classId < 0)
    ClearMembers();
  else
    LoadMembers(classId);
}

int TFormMain::CurrentProjectId() const {
  return project_->currentIndex() < 0 ? -1 : project_->currentData().toInt();
}

int TFormMain::CurrentClassId() const {
  const QListWidgetItem* item = classes_->currentItem();
  return item && item->isSelected() ? item->data(kIdRole).toInt() : -1;
}

QString TFormMain::CurrentClassName() const {
  const QListWidgetItem* item = classes_->currentItem();
  return item && item->isSelected() ? item->text() : QString();
}

void TFormMain::RenameCurrentClass(const QString& name) {
  if (QListWidgetItem* item = classes_->currentItem()) item->setText(name);
}

void TFormMain::ProjectChanged() {
  ClearMembers();
  RunCommand(prompter_, this, [&] {
    if (CurrentProjectId() >= 0) LoadClasses(CurrentProjectId());
  });
}

void TFormMain::ClassChanged() {
  RunCommand(prompter_, this, [&] {
    if (CurrentClassId() >= 0) LoadMembers(CurrentClassId());
  });
}

int TFormMain::FirstSelectedRow() const {
  const QList<int> rows = SelectedRows();
  return rows.isEmpty() ? -1 : rows.front();
}

QList<int> TFormMain::SelectedRows() const {
  QList<int> rows;
  for (const QModelIndex& index : members_->selectionModel()->selectedRows())
    rows.append(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

int TFormMain::MemberIdAt(int row) const {
  return members_->item(row, 0)->text().toInt();
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == classes_->viewport()) {
      UpdateClass();
      return true;
    }
    if (watched == members_->viewport()) {
      MemberListDoubleClicked();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFormMain::MemberListDoubleClicked() {
  if (CurrentClassId() >= 0 && FirstSelectedRow() < 0)
    AddMember();
  else
    UpdateMember();
}

void TFormMain::ShowMemberPopup(const QPoint& pos) {
  popup_->popup(members_->viewport()->mapToGlobal(pos));
}

void TFormMain::ShowMemberPopupAtCurrentRow() {
  // Below the current row when it can be seen, else at the list's corner.
  QPoint at(0, 0);
  const QModelIndex current = members_->currentIndex();
  if (current.isValid()) {
    const QRect rect = members_->visualRect(current);
    if (members_->viewport()->rect().intersects(rect)) at = rect.bottomLeft();
  }
  ShowMemberPopup(at);
}

void TFormMain::FitProjectPopup() {
  // The drop-down is as wide as the longest project name needs.
  QAbstractItemView* view = project_->view();
  int width = view->sizeHintForColumn(0) + 2 * view->frameWidth();
  if (project_->count() > project_->maxVisibleItems())
    width += view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
  view->setMinimumWidth(width);
}

void TFormMain::OpenHelpPage() {
  if (!settings_.helpPage.isEmpty()) opener_.Open(settings_.helpPage, {});
}

void TFormMain::BuildHelpMenu() {
  QMenu* help = menuBar()->addMenu(tr("帮助(&H)"));
  help->setObjectName(QStringLiteral("HelpMenu"));
  AddCommand(help, "HelpTopics", tr("帮助主题(&T)"), &TFormMain::OpenHelpPage)
      ->setShortcut(QKeySequence(Qt::Key_F1));
  AddCommand(help, "About", tr("关于(&A)"), &TFormMain::ShowAbout);
}

void TFormMain::ShowAbout() {
  TAboutForm dialog(this, settings_.resourceDir, settings_.baseDir);
  ShowDialog(dialog);
}

void TFormMain::BuildShortcuts() {
  const std::pair<const char*, QKeySequence> keys[] = {
      {"M1", QKeySequence(Qt::Key_Insert)},
      {"C1", QKeySequence(Qt::Key_Delete)},
      {"D2", QKeySequence(Qt::Key_Delete)},
      {"N5", QKeySequence(Qt::CTRL | Qt::Key_Up)},
      {"L1", QKeySequence(Qt::CTRL | Qt::Key_Down)},
      {"A1", QKeySequence(Qt::Key_F5)},
      {"sql1", QKeySequence(Qt::Key_F6)}};
  for (const auto& [name, key] : keys)
    findChild<QAction*>(QString::fromLatin1(name))->setShortcut(key);
  // The moves work while the popup is closed too. Its Delete is shown
  // there only: the main menu's 删除成员 answers the key.
  for (const char* name : {"N5", "L1"}) addAction(findChild<QAction*>(QString::fromLatin1(name)));
}

void TFormMain::ShowDialog(QDialog& dialog, QWidget* focus) {
  const QPointer<QWidget> before = QApplication::focusWidget();
  dialog.exec();
  // A window manager may leave no window active when a dialog closes after
  // a message shown over it; the keyboard then reaches nothing.
  activateWindow();
  QWidget* to = focus ? focus : before.data();
  if (to && isAncestorOf(to)) to->setFocus(Qt::OtherFocusReason);
}

// ---- Running the design commands ---------------------------------------------

TCommandResult TFormMain::Execute(QWidget* parent, const std::function<TCommandResult()>& command) {
  TCommandResult result;
  RunCommand(prompter_, parent, [&] { result = command(); });
  return result;
}

void TFormMain::Show(QWidget* parent, const TCommandResult& result) {
  if (result.message.empty()) return;
  // An entry that cannot be read (a length that is no whole number) is an
  // input error the user fixes in place.
  if (result.unreadable)
    prompter_.Error(parent, RuleText(result.message));
  else
    prompter_.Message(parent, RuleText(result.message));
  // Another process changed the design under the lists: show it as it is.
  if (result.gone) RunCommand(prompter_, this, [&] { LoadProjects(); });
}

// ---- Project commands ------------------------------------------------------

void TFormMain::NewProject() {
  const QString name = prompter_.AskText(this, tr("请输入工程名称"));
  const TCommandResult result = Execute(this, [&] { return commands::AddProject(ToStd(name)); });
  if (result) RunCommand(prompter_, this, [&] { LoadProjects(); });
  Show(this, result);
}

void TFormMain::RenameProject() {
  if (CurrentProjectId() < 0) {
    prompter_.Message(this, RuleText(msg::kNoProjectSelected));
    return;
  }
  const QString name = prompter_.AskText(this, tr("请输入项目名称"));
  const TCommandResult result =
      Execute(this, [&] { return commands::RenameProject(CurrentProjectId(), ToStd(name)); });
  if (result) ProjectIndex = project_->currentIndex();
  Show(this, result);
  if (result) RunCommand(prompter_, this, [&] { LoadProjects(); });
}

void TFormMain::DeleteProject() {
  if (CurrentProjectId() < 0) {
    prompter_.Message(this, RuleText(msg::kNoProjectToDelete));
    return;
  }
  if (!prompter_.Confirm(this, tr("确认删除当前项目吗?"), tr("删除提示"))) return;
  const TCommandResult result =
      Execute(this, [&] { return commands::DeleteProject(CurrentProjectId()); });
  if (result) ProjectIndex = -1;
  Show(this, result);
  if (result) RunCommand(prompter_, this, [&] { LoadProjects(); });
}

// The design as a JSON file (see commands/DesignText.h), with the command
// line's messages.
void TFormMain::ExportDesignText() {
  if (CurrentProjectId() < 0) {
    prompter_.Message(this, RuleText(msg::kNoProjectSelected));
    return;
  }
  const auto choice = prompter_.AskSaveFile(this, tr("导出设计"), project_->currentText() + ".json",
                                            {tr("设计文件 (*.json)")});
  if (!choice) return;
  RunCommand(prompter_, this, [&] {
    WriteUserFile(ToStd(choice->path), ExportDesign(CurrentProjectId()));
    prompter_.Message(this, tr("设计已导出到 %1").arg(QDir::toNativeSeparators(choice->path)));
  });
}

void TFormMain::ImportDesignText() {
  const QString path = QFileDialog::getOpenFileName(this, tr("导入设计"), QString(),
                                                    tr("设计文件 (*.json);;所有文件 (*)"));
  if (path.isEmpty()) return;
  RunCommand(prompter_, this, [&] {
    const std::string text = ReadDesignFile(ToStd(path));
    std::optional<std::string> name;
    for (;;) {
      try {
        const int projectId = ImportDesign(text, name);
        LoadProjects();
        prompter_.Message(this, tr("已导入为工程 %1(编号 %2)")
                                    .arg(FromStd(commands::ProjectName(projectId)))
                                    .arg(projectId));
        return;
      } catch (const TDesignTextError& e) {
        prompter_.Message(this, FromStd(e.what()));
        // A refused name (taken, say): the design may come in under another.
        const bool aboutName = name ? e.Place().empty() : e.Place() == "projectName";
        if (!aboutName) return;
        const QString other = prompter_.AskText(this, tr("请输入工程名称"));
        if (other.isEmpty()) return;
        name = ToStd(other);
      }
    }
  });
}

// A new project from a table script, or the current one brought up to
// date with it (see TableScriptImport.h).
void TFormMain::ImportTableScript() {
  const QString path = QFileDialog::getOpenFileName(this, tr("从建表脚本导入"), QString(),
                                                    tr("SQL 脚本 (*.sql);;所有文件 (*)"));
  if (path.isEmpty()) return;
  const TScriptImportOutcome outcome =
      ::ImportTableScript(this, prompter_, path, CurrentProjectId(), project_->currentText());
  RunCommand(prompter_, this, [&] {
    if (outcome == TScriptImportOutcome::NewProject) LoadProjects();
    if (outcome == TScriptImportOutcome::ProjectUpdated) LoadClasses(CurrentProjectId());
  });
}

// ---- Class commands ----------------------------------------------------------

void TFormMain::AddClass() {
  if (CurrentProjectId() < 0) {
    prompter_.Message(this, RuleText(msg::kNoProjectSelected));
    return;
  }
  const int projectId = CurrentProjectId();
  TAddClassForm dialog(this, [this, projectId](QWidget* d, const TClassEntry& entry) {
    const TCommandResult result = Execute(d, [&] { return commands::AddClass(projectId, entry); });
    if (result) {
      RunCommand(prompter_, d, [&] {
        LoadClasses(projectId);
        SelectClass(result.id);
      });
    }
    Show(d, result);
    return result;
  });
  ShowDialog(dialog, classes_);
}

void TFormMain::UpdateClass() {
  const int classId = CurrentClassId();
  if (classId < 0) {
    prompter_.Message(this, RuleText(msg::kNoClassSelected));
    return;
  }
  // The name as listed; the friendly name and the flag as stored.
  TClassEntry current{ToStd(CurrentClassName()), {}, false};
  RunCommand(prompter_, this, [&] {
    if (const std::optional<TClassEntry> stored = commands::ReadClass(classId)) {
      current.friendName = stored->friendName;
      current.frontShow = stored->frontShow;
    }
  });
  const int projectId = CurrentProjectId();
  TUpdateClassForm dialog(
      this, current, [this, projectId, classId](QWidget* d, const TClassEntry& entry) {
        const TCommandResult result =
            Execute(d, [&] { return commands::UpdateClass(projectId, classId, entry); });
        if (result) RenameCurrentClass(FromStd(entry.className));
        Show(d, result);
        return result;
      });
  ShowDialog(dialog, classes_);
}

void TFormMain::DeleteClass() {
  if (CurrentClassId() < 0) {
    prompter_.Message(this, RuleText(msg::kNoClassSelected));
    return;
  }
  if (!prompter_.Confirm(this, tr("确认删除此类对象！"), tr("提示"))) return;
  const TCommandResult result =
      Execute(this, [&] { return commands::DeleteClass(CurrentClassId()); });
  if (result) {
    const QSignalBlocker block(classes_);
    delete classes_->takeItem(classes_->currentRow());
    classes_->clearSelection();
    classes_->setCurrentRow(-1);
  }
  if (result) ClearMembers();
  Show(this, result);
}

// ---- Member commands -----------------------------------------------------------

TMemberFormBase::TSubmit TFormMain::MemberCommand(
    const std::function<TCommandResult(const TMemberEntry&)>& command, int classId, int memberId) {
  return [this, command, classId, memberId](QWidget* d, const TMemberEntry& entry) {
    const TCommandResult result = Execute(d, [&] { return command(entry); });
    if (result) {
      RunCommand(prompter_, d, [&] {
        LoadMembers(classId);
        SelectMembers({memberId != 0 ? memberId : result.id});
      });
    }
    Show(d, result);
    return result;
  };
}

TMemberFormBase::TSubmit TFormMain::ConstraintCheck(int classId) {
  return [this, classId](QWidget* d, const TMemberEntry& entry) {
    const TCommandResult result =
        Execute(d, [&] { return commands::CheckConstraints(classId, entry); });
    if (!result) Show(d, result);
    return result;
  };
}

void TFormMain::AddMember() {
  const int classId = CurrentClassId();
  if (classId < 0) {
    prompter_.Message(this, RuleText(msg::kSelectClassFirst));
    return;
  }
  const int projectId = CurrentProjectId();
  std::vector<std::string> choices;
  RunCommand(prompter_, this, [&] { choices = MemberTypeChoices(projectId); });
  TAddMemberForm dialog(this, choices,
                        MemberCommand(
                            [projectId, classId](const TMemberEntry& entry) {
                              return commands::AddMember(projectId, classId, entry);
                            },
                            classId, 0),
                        ConstraintCheck(classId));
  ShowDialog(dialog, members_);
}

void TFormMain::UpdateMember() {
  const int row = FirstSelectedRow();
  if (row < 0) {
    prompter_.Message(this, RuleText(msg::kSelectMemberFirst));
    return;
  }
  const int memberId = MemberIdAt(row);
  const int projectId = CurrentProjectId();
  int classId = CurrentClassId();
  std::vector<std::string> choices;
  std::optional<TMemberEntry> current;
  RunCommand(prompter_, this, [&] {
    if (const std::optional<TMember> member = commands::ReadMember(memberId)) {
      classId = member->classId;
      current = EntryFromMember(*member);
    }
    choices = MemberTypeChoices(projectId);
  });
  TUpdateMemberForm dialog(this, choices, current,
                           MemberCommand(
                               [projectId, classId, memberId](const TMemberEntry& entry) {
                                 return commands::UpdateMember(projectId, classId, memberId, entry);
                               },
                               classId, memberId),
                           ConstraintCheck(classId));
  ShowDialog(dialog, members_);
}

void TFormMain::DeleteMember() {
  const int row = FirstSelectedRow();
  if (auto refused = CheckDeleteMember(row)) {
    prompter_.Message(this, RuleText(refused->message));
    return;
  }
  if (!prompter_.Confirm(this, tr("确定删除当前成员属性?"), tr("删除提示"))) return;
  const TCommandResult result =
      Execute(this, [&] { return commands::DeleteMember(MemberIdAt(row)); });
  Show(this, result);
  if (result) RunCommand(prompter_, this, [&] { ReloadCurrentMembers(); });
}

void TFormMain::ExchangeMembers() {
  std::vector<int> ids;
  for (int row : SelectedRows()) ids.push_back(MemberIdAt(row));
  const TCommandResult result =
      Execute(this, [&] { return commands::ExchangeMembers(CurrentClassId(), ids); });
  Show(this, result);
  // The rows keep their identifiers: the same two stay selected.
  if (result) {
    RunCommand(prompter_, this, [&] {
      ReloadCurrentMembers();
      SelectMembers(QList<int>(ids.begin(), ids.end()));
    });
  }
}

void TFormMain::MoveMember(int step) {
  const int row = FirstSelectedRow();
  const int memberId = row < 0 ? -1 : MemberIdAt(row);
  // The member moves into the row above or below, under that row's identifier.
  const int target = row + step;
  const int targetId = target >= 0 && target < members_->rowCount() ? MemberIdAt(target) : -1;
  const TCommandResult result =
      Execute(this, [&] { return commands::MoveMember(CurrentClassId(), memberId, step); });
  Show(this, result);
  if (result) {
    RunCommand(prompter_, this, [&] {
      ReloadCurrentMembers();
      SelectMembers({targetId});
    });
  }
}

void TFormMain::MoveMemberUp() {
  MoveMember(-1);
}

void TFormMain::MoveMemberDown() {
  MoveMember(+1);
}

// ---- Code management -------------------------------------------------------------

void TFormMain::ShowTableScript() {
  if (CurrentProjectId() < 0) {
    prompter_.Message(this, RuleText(msg::kNoProjectSelected));
    return;
  }
  TDataBaseSqlForm dialog(this, prompter_, CurrentProjectId());
  ShowDialog(dialog);
}

bool TFormMain::IsGenerating() const {
  return worker_->IsRunning();
}

void TFormMain::Generate() {
  if (CurrentProjectId() < 0) {
    prompter_.Message(this, RuleText(msg::kNoProjectToGenerate));
    return;
  }
  if (worker_->IsRunning()) {
    prompter_.Message(this, tr("代码正在生成，请稍候!"));
    return;
  }
  prompter_.Message(this, tr("如果以前生成了该项目，最好先删除原来的目录!"));
  log_->clear();
  RunCommand(prompter_, this,
             [&] { runFullQueryForms_ = commands::FullQueryForms(CurrentProjectId()); });
  TGenerationRequest request;
  request.projectId = CurrentProjectId();
  request.projectName = ToStd(project_->currentText());
  request.baseDir = settings_.baseDir;
  request.resourceDir = settings_.resourceDir;
  worker_->Start(request);
}

void TFormMain::closeEvent(QCloseEvent* event) {
  if (worker_->IsRunning()) {
    // Stopping the run half-way would leave a half-written solution; the
    // window closes as soon as the run has ended.
    event->ignore();
    if (!closeWhenRunEnds_) {
      // Said in the title too: more progress lines push the log's line away.
      const QString notice = tr("代码生成结束后窗口将自动关闭。");
      log_->appendPlainText(notice);
      log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
      setWindowTitle(QStringLiteral("%1 - %2").arg(ApplicationTitle(), notice));
    }
    closeWhenRunEnds_ = true;
    return;
  }
  QMainWindow::closeEvent(event);
}

void TFormMain::RunCompleted(const QString& projectDir) {
  const QString folder = QDir::cleanPath(QDir(projectDir).absolutePath());
  const QString shown = QDir::toNativeSeparators(folder);
  if (!runFullQueryForms_)
    log_->appendPlainText(
        tr("提示: 查询窗体生成为空白窗口；要生成可查询、添加、修改和删除的完整查询窗体，"
           "请勾选菜单 代码管理 → 完整查询窗体 后重新生成。"));
  log_->appendPlainText(tr("输出目录: %1").arg(shown));
  log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
  prompter_.Information(this, tr("所有代码生成完毕!"), tr("任务提示"));
  const QPointer<QPlainTextEdit> log = log_;
  opener_.Open(QUrl::fromLocalFile(folder), [log, shown] {
    if (log) log->appendPlainText(tr("无法打开输出目录: %1").arg(shown));
  });
}

void TFormMain::RunEnded() {
  if (closeWhenRunEnds_) {
    closeWhenRunEnds_ = false;
    close();
  }
}
