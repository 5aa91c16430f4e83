// The controls the two class dialogs share: class name, friendly name, the
// front-show box and "确定". A dialog knows neither the main window nor the
// store: "确定" hands the entries to the command it was given, which
// answers whether they were written; the dialog closes when they were and
// stays open with its entries for correction when they were refused.
#pragma once

#include <QDialog>
#include <functional>

#include "commands/DesignCommands.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class TClassFormBase : public QDialog {
  Q_OBJECT
public:
  // Runs the command for the entries and shows its answer over the dialog.
  using TSubmit = std::function<TCommandResult(QWidget* dialog, const TClassEntry& entry)>;

  // The entries as they stand.
  TClassEntry Entry() const;

protected:
  TClassFormBase(QWidget* owner, const QString& caption, QSize clientSize, TSubmit submit);

  QLineEdit* className_;
  QLineEdit* friendName_;
  QCheckBox* frontShow_;
  QPushButton* ok_;

private:
  void Confirm();

  TSubmit submit_;
};
