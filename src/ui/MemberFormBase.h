// The controls the two member dialogs share, the member-type list, and the
// entry read from the controls. Each dialog decides what "确定" writes.
#pragma once

#include <QDialog>

#include "store/DesignRules.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class TFormMain;

class TMemberFormBase : public QDialog {
  Q_OBJECT
protected:
  TMemberFormBase(TFormMain& owner, const QString& caption, QSize clientSize);

  // Fills the type list: the base types, then the project's other classes.
  void FillMemberTypes();
  TMemberEntry ReadEntry() const;
  void ShowEntry(const TMemberEntry& entry);

  // Stores the built record (add or update).
  virtual void Store(const TMember& member) = 0;
  virtual TRuleResult Check(const TMemberEntry& entry) const = 0;
  virtual const char* DoneMessage() const = 0;

  TFormMain& owner_;
  QLineEdit* memberName_;
  QComboBox* memberType_;
  QLineEdit* memberLength_;
  QCheckBox* isPri_;
  QCheckBox* isMust_;
  QCheckBox* queryFlag_;
  QCheckBox* isDisplay_;
  QCheckBox* queryDisplay_;
  QLineEdit* memberComment_;
  QPushButton* ok_;
  QPushButton* cancel_;

private:
  void Confirm();
};
