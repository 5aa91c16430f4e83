// What every window test needs: a fresh design database in a temporary
// directory, a prompter that records every box and answers from a
// script, an opener that records instead of starting a browser, and a way
// to work a modal dialog while the command that opened it waits.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QApplication>
#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

#include "store/DbHelper.h"
#include "ui/DesktopOpener.h"
#include "ui/MainForm.h"
#include "ui/Prompter.h"

// One box as the user would have seen it.
struct TBox {
  QString kind;  // message, information, confirm, error, ask, save
  QString caption;
  QString text;
  bool operator==(const TBox&) const = default;
};

inline char* toString(const TBox& box) {
  return QTest::toString(QStringLiteral("%1 [%2] %3").arg(box.kind, box.caption, box.text));
}

// The window's title, the caption of its plain messages.
inline const QString kTitle = QStringLiteral("CorvaneC#代码生成器2.0版");

inline TBox Msg(const QString& text) {
  return {QStringLiteral("message"), kTitle, text};
}

class TScriptedPrompter : public TPrompter {
public:
  QList<TBox> boxes;
  QStringList answers;        // for AskText, in order; none left answers ""
  QList<bool> confirmations;  // for Confirm, in order; none left answers Cancel
  std::optional<TSaveChoice> saveChoice;
  // Called after a box is recorded, on the window's thread.
  std::function<void(const TBox&)> onBox;

  void Message(QWidget*, const QString& text) override {
    Record({QStringLiteral("message"), ApplicationTitle(), text});
  }
  void Information(QWidget*, const QString& text, const QString& caption) override {
    Record({QStringLiteral("information"), caption, text});
  }
  bool Confirm(QWidget*, const QString& text, const QString& caption) override {
    Record({QStringLiteral("confirm"), caption, text});
    return !confirmations.isEmpty() && confirmations.takeFirst();
  }
  void Error(QWidget*, const QString& text) override {
    Record({QStringLiteral("error"), ApplicationTitle(), text});
  }
  QString AskText(QWidget*, const QString& caption) override {
    Record({QStringLiteral("ask"), caption, QString()});
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }
  std::optional<TSaveChoice> AskSaveFile(QWidget*, const QString& caption, const QString&,
                                         const QStringList& fileTypes) override {
    Record({QStringLiteral("save"), caption, fileTypes.join(QStringLiteral(";;"))});
    return saveChoice;
  }

  // The texts of the plain messages shown since the last call.
  QStringList TakeMessages() {
    QStringList texts;
    for (const TBox& b : boxes)
      if (b.kind == QStringLiteral("message")) texts << b.text;
    boxes.clear();
    return texts;
  }

private:
  void Record(const TBox& box) {
    boxes << box;
    if (onBox) onBox(box);
  }
};

class TRecordingOpener : public TDesktopOpener {
public:
  QList<QUrl> opened;
  bool failing = false;  // answers as a desktop that cannot open anything
  void Open(const QUrl& url, TFailed failed) override {
    opened << url;
    if (failing && failed) failed();
  }
};

// A main window over an empty design database of its own.
class TWindowFixture {
public:
  TScriptedPrompter prompter;
  TRecordingOpener opener;
  QTemporaryDir dir;
  std::unique_ptr<TFormMain> window;

  TWindowFixture() { TDbHelper::SetDatabaseFile(Path("projects.mdb").toStdString()); }
  ~TWindowFixture() {
    window.reset();
    TDbHelper::Close();
  }

  QString Path(const QString& name) const { return dir.filePath(name); }

  TFormMain& Open(std::filesystem::path resourceDir = {}) {
    TMainSettings settings;
    settings.baseDir = dir.path().toStdString();
    settings.resourceDir = std::move(resourceDir);
    settings.helpPage = QUrl(QStringLiteral("file:///help/corvane-help.html"));
    window = std::make_unique<TFormMain>(settings, prompter, opener);
    window->show();
    return *window;
  }

  template <class T>
  T* Find(const char* name) const {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control %s", name);
    return found;
  }

  void Trigger(const char* action) { Find<QAction>(action)->trigger(); }
};

// Works the next modal dialog from inside its own event loop; a dialog the
// script leaves open (a failed check inside it included) is cancelled so
// the test never hangs. Call before the action that opens the dialog.
inline void WhenDialogOpens(std::function<void(QDialog*)> script, bool* ran = nullptr) {
  auto* timer = new QTimer(qApp);
  auto attempts = std::make_shared<int>(0);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, attempts, script, ran] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog && ++*attempts < 300) return;
    timer->stop();
    timer->deleteLater();
    if (!dialog) return;
    if (ran) *ran = true;
    script(dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  timer->start();
}

template <class T>
T* Child(QWidget* parent, const char* name) {
  T* found = parent->findChild<T*>(QString::fromLatin1(name));
  if (!found) qFatal("no control %s", name);
  return found;
}

// The user's hand on the controls.
inline void Type(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  // Typed key by key; characters beyond ASCII arrive as an input method
  // would deliver them, as text without a key code.
  for (const QChar c : text) {
    if (c.unicode() < 0x80)
      QTest::keyClick(edit, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

inline void Tick(QAbstractButton* box, bool ticked) {
  // On the box itself: the control may be wider than its box and text.
  if (box->isChecked() != ticked)
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

inline void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

inline void Choose(QComboBox* combo, const QString& text) {
  const int index = combo->findText(text);
  if (index < 0) qFatal("no entry %s", qPrintable(text));
  combo->setCurrentIndex(index);
}

inline void ClickRow(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
}

inline void ClickRow(QTableWidget* table, int row, Qt::KeyboardModifiers modifiers = {}) {
  QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers,
                    table->visualItemRect(table->item(row, 1)).center());
}

// Texts of one column of the member list, top to bottom.
inline QStringList Column(QTableWidget* table, int column) {
  QStringList texts;
  for (int r = 0; r < table->rowCount(); ++r) texts << table->item(r, column)->text();
  return texts;
}

inline QStringList Entries(QListWidget* list) {
  QStringList texts;
  for (int r = 0; r < list->count(); ++r) texts << list->item(r)->text();
  return texts;
}

inline QStringList Entries(QComboBox* combo) {
  QStringList texts;
  for (int r = 0; r < combo->count(); ++r) texts << combo->itemText(r);
  return texts;
}

// A double click as the mouse makes it: the first press selects or clears,
// then the double click arrives.
inline void DoubleClick(QWidget* viewport, QPoint pos) {
  QTest::mouseClick(viewport, Qt::LeftButton, {}, pos);
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, pos);
}
