// The designer's main window: the project selector, the class list, the
// member list with its reordering popup, the progress log, and the menus
// that edit the design, show the table script and start a generation run.
// It holds no design of its own: the lists on screen are reloaded from the
// store after every change.
#pragma once

#include <QMainWindow>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "commands/DesignCommands.h"
#include "ui/MemberFormBase.h"

class QAction;
class QComboBox;
class QDialog;
class QGroupBox;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QTableWidget;
class QTimer;
class TBanner;
class TDesktopOpener;
class TGenerationWorker;
class TPrompter;

struct TMainSettings {
  std::filesystem::path baseDir;      // holds projects.mdb and receives projects/
  std::filesystem::path resourceDir;  // holds template/ and bak/ for the run
  QUrl helpPage;                      // opened by the banner and once at start
};

class TFormMain : public QMainWindow {
  Q_OBJECT
public:
  TFormMain(TMainSettings settings, TPrompter& prompter, TDesktopOpener& opener,
            QWidget* parent = nullptr);

  void LoadProjects();
  void LoadClasses(int projectId);
  void LoadMembers(int classId);

  // The selected project's and class's identifiers; -1 when none.
  int CurrentProjectId() const;
  int CurrentClassId() const;
  QString CurrentClassName() const;
  // A renamed class keeps its place and its selection in the list.
  void RenameCurrentClass(const QString& name);

  bool IsGenerating() const;

protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void BuildControls();
  void BuildMenus();
  QAction* AddCommand(QMenu* menu, const char* name, const QString& caption,
                      void (TFormMain::*command)());
  void OpenHelpPage();
  // The 帮助 menu: the help page and the 关于 box.
  void BuildHelpMenu();
  void ShowAbout();
  // Keys for the commands used most, shown beside them in the menus.
  void BuildShortcuts();
  // Shows a dialog modally; then this window is the active one again, with
  // the focus on focus, or where it was when none is given.
  void ShowDialog(QDialog& dialog, QWidget* focus = nullptr);

  void NewProject();
  void RenameProject();
  void DeleteProject();
  void ExportDesignText();
  void ImportDesignText();
  void ImportTableScript();
  void AddClass();
  void UpdateClass();
  void DeleteClass();
  void AddMember();
  void UpdateMember();
  void DeleteMember();
  void ShowTableScript();
  void Generate();
  // The current project's 完整查询窗体 setting, from its checkable item.
  void SetFullQueryForms(bool on);
  void ShowFullQueryForms();
  // The current project's 数据库 setting, from its checkable items.
  void SetDatabase(TDatabase database);
  void ShowDatabase();
  void ExchangeMembers();
  void MoveMember(int step);
  void MoveMemberUp();
  void MoveMemberDown();

  // Runs a design command; a store error is shown as an error and reads as
  // a command not done.
  TCommandResult Execute(QWidget* parent, const std::function<TCommandResult()>& command);
  // Shows what a command answered, over parent.
  void Show(QWidget* parent, const TCommandResult& result);
  // What a member dialog's "确定" does: the command, then the member list
  // of classId reloaded with the member selected (memberId, or the one the
  // command added when 0), then the answer.
  TMemberFormBase::TSubmit MemberCommand(
      const std::function<TCommandResult(const TMemberEntry&)>& command, int classId, int memberId);
  // What the constraint dialog's "确定" does for a member of classId: the
  // check, and a refusal shown over the dialog.
  TMemberFormBase::TSubmit ConstraintCheck(int classId);

  void ProjectChanged();
  void ClassChanged();
  void MemberListDoubleClicked();
  void ShowMemberPopup(const QPoint& pos);
  void ShowMemberPopupAtCurrentRow();
  void FitProjectPopup();

  // The member list's first selected row (-1 when none) and selected rows.
  int FirstSelectedRow() const;
  QList<int> SelectedRows() const;
  int MemberIdAt(int row) const;
  void ReloadCurrentMembers();
  void ClearMembers();
  // Selects the class, which shows its members; nothing when not listed.
  void SelectClass(int classId);
  // Selects the members' rows, the first of them current and in view.
  void SelectMembers(const QList<int>& memberIds);

  void RunEnded();
  // The end of a completed run in the log: a reminder when the query forms
  // were left empty, then the output folder, which is opened; a folder
  // the desktop cannot open is said in the log too.
  void RunCompleted(const QString& projectDir);

  QAction* fullQueryForms_ = nullptr;
  std::vector<std::pair<TDatabase, QAction*>> databases_;
  TMainSettings settings_;
  TPrompter& prompter_;
  TDesktopOpener& opener_;

  int ProjectIndex = -1;
  bool closeWhenRunEnds_ = false;
  // The running project's 完整查询窗体 setting when the run started.
  bool runFullQueryForms_ = false;

  TBanner* banner_ = nullptr;
  QComboBox* project_ = nullptr;
  QListWidget* classes_ = nullptr;
  QTableWidget* members_ = nullptr;
  QPlainTextEdit* log_ = nullptr;
  QMenu* popup_ = nullptr;
  QTimer* helpTimer_ = nullptr;
  TGenerationWorker* worker_ = nullptr;
};
