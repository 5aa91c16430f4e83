// The small dialog behind the member dialog's 约束… button: unique, the
// default, the range and the fixed list of a member. "确定" checks the
// entries against the member as it stands in the member dialog and closes
// only when they pass; nothing is stored until the member dialog's own
// "确定".
#pragma once

#include <QDialog>
#include <functional>

#include "commands/DesignCommands.h"

class QCheckBox;
class QLineEdit;

class TConstraintForm : public QDialog {
  Q_OBJECT
public:
  // Checks the entry with the constraints in the boxes and shows a refusal
  // over the dialog.
  using TCheck = std::function<TCommandResult(QWidget* dialog, const TMemberEntry& entry)>;

  TConstraintForm(QWidget* owner, const TMemberEntry& member, TCheck check);

  // The constraints as the boxes hold them.
  TMemberConstraints Constraints() const;

private:
  void Confirm();

  TMemberEntry member_;
  TCheck check_;
  QCheckBox* unique_;
  QLineEdit* defaultValue_;
  QLineEdit* minValue_;
  QLineEdit* maxValue_;
  QLineEdit* choices_;
};
