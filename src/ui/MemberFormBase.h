// The controls the two member dialogs share, the member-type list, and the
// entry read from the controls. A dialog knows neither the main window nor
// the store: "确定" hands the entry to the command it was given, which
// answers whether it was written; the dialog closes when it was, and stays
// open for correction, with the entry at fault focused, when it was not.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/DesignCommands.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class TMemberFormBase : public QDialog {
  Q_OBJECT
public:
  // Runs the command for the entry and shows its answer over the dialog.
  using TSubmit = std::function<TCommandResult(QWidget* dialog, const TMemberEntry& entry)>;

  // The entry as it stands in the controls.
  TMemberEntry ReadEntry() const;

protected:
  // typeChoices fills the type list: the base types, then the project's
  // other classes.
  // checkConstraints checks the constraint dialog's entries (see
  // TConstraintForm).
  TMemberFormBase(QWidget* owner, const QString& caption, QSize clientSize,
                  const std::vector<std::string>& typeChoices, TSubmit submit,
                  TSubmit checkConstraints);

  void ShowEntry(const TMemberEntry& entry);

  QLineEdit* memberName_;
  QComboBox* memberType_;
  QLineEdit* memberLength_;
  QCheckBox* isPri_;
  QCheckBox* isMust_;
  QCheckBox* queryFlag_;
  QCheckBox* isDisplay_;
  QCheckBox* queryDisplay_;
  QLineEdit* memberComment_;
  QPushButton* constraints_;
  QPushButton* ok_;
  QPushButton* cancel_;

private:
  void Confirm();
  void EditConstraints();

  TSubmit submit_;
  TSubmit checkConstraints_;
  // The member's constraints: as stored, or as the constraint dialog last
  // accepted them.
  TMemberConstraints constraintEntry_;
};
