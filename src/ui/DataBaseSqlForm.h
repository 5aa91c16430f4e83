// The window that shows the table-creation script of a project. The
// script is built from the store when the window is shown; the user copies
// it, or saves it to a file in UTF-8 or GBK.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TPrompter;

class TDataBaseSqlForm : public QDialog {
  Q_OBJECT
public:
  TDataBaseSqlForm(QWidget* owner, TPrompter& prompter, int projectId);

protected:
  void showEvent(QShowEvent* event) override;

private:
  void BuildScript();
  void SaveAs();
  // Writes the shown text with CR LF line ends; gbk selects the encoding.
  // Throws on a character GBK cannot hold or a file that cannot be written.
  void SaveTo(const QString& path, bool gbk) const;

  TPrompter& prompter_;
  int projectId_;
  bool built_ = false;
  QPlainTextEdit* memo_;
  QLabel* problems_;
  QLabel* saved_;  // where the last "另存为…" wrote the script
  QPushButton* saveAs_;
};
