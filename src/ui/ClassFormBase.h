// The controls the two class dialogs share: class name, friendly name, the
// front-show box and "确定". Each dialog decides what "确定" does.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class TFormMain;

class TClassFormBase : public QDialog {
  Q_OBJECT
protected:
  TClassFormBase(TFormMain& owner, const QString& caption, QSize clientSize);
  // Checks the entries, writes them and closes on success.
  virtual void Confirm() = 0;

  TFormMain& owner_;
  QLineEdit* className_;
  QLineEdit* friendName_;
  QCheckBox* frontShow_;
  QPushButton* ok_;
};
