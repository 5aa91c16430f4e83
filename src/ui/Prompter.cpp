#include "ui/Prompter.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include <algorithm>

QString ApplicationTitle() {
  return QCoreApplication::translate("TFormMain", "CorvaneC#代码生成器2.0版");
}

void TQtPrompter::Message(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, parent);
  box.exec();
}

void TQtPrompter::Information(QWidget* parent, const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, parent);
  box.exec();
}

bool TQtPrompter::Confirm(QWidget* parent, const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                  parent);
  box.setDefaultButton(QMessageBox::Cancel);
  box.setEscapeButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Ok;
}

void TQtPrompter::Error(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok, parent);
  box.exec();
}

QString TQtPrompter::AskText(QWidget* parent, const QString& caption) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent, caption, QString(), QLineEdit::Normal, QString(), &ok);
  return ok ? text : QString();
}

std::optional<TSaveChoice> TQtPrompter::AskSaveFile(QWidget* parent, const QString& caption,
                                                    const QString& suggestedName,
                                                    const QStringList& fileTypes) {
  QString chosenType;
  const QString path = QFileDialog::getSaveFileName(
      parent, caption, suggestedName, fileTypes.join(QStringLiteral(";;")), &chosenType);
  if (path.isEmpty()) return std::nullopt;
  return TSaveChoice{path, std::max(0, static_cast<int>(fileTypes.indexOf(chosenType)))};
}
