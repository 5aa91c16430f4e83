// What every window test needs: a fresh design database in a temporary
// directory, a prompter that records every box and answers from a
// script, an opener that records instead of starting a browser, and a way
// to work a modal dialog while the command that opened it waits.
#pragma once

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

#include "store/DbHelper.h"
#include "ui/DesktopOpener.h"
#include "ui/MainForm.h"
#include "ui/Prompter.h"

// Each box as "kind caption: text"; plain messages and errors carry the
// window's title, so only their kind is written.
class TScriptedPrompter : public TPrompter {
public:
  QStringList boxes;
  QStringList answers;        // for AskText, in order; none left answers ""
  QList<bool> confirmations;  // for Confirm, in order; none left answers Cancel
  std::optional<TSaveChoice> saveChoice;
  std::function<void(const QString&)> onBox;  // after a box is recorded

  void Message(QWidget*, const QString& text) override { Record("message", {}, text); }
  void Information(QWidget*, const QString& text, const QString& caption) override {
    Record("information", caption, text);
  }
  bool Confirm(QWidget*, const QString& text, const QString& caption) override {
    Record("confirm", caption, text);
    return !confirmations.isEmpty() && confirmations.takeFirst();
  }
  void Error(QWidget*, const QString& text) override { Record("error", {}, text); }
  QString AskText(QWidget*, const QString& caption) override {
    Record("ask", caption, {});
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }
  std::optional<TSaveChoice> AskSaveFile(QWidget*, const QString& caption, const QString&,
                                         const QStringList& fileTypes) override {
    Record("save", caption, fileTypes.join(QStringLiteral(";;")));
    return saveChoice;
  }

  // The boxes shown since the last call.
  QStringList Take() { return std::exchange(boxes, {}); }

private:
  void Record(const char* kind, const QString& caption, const QString& text) {
    boxes << QString::fromLatin1(kind) + (caption.isEmpty() ? "" : " " + caption) + ": " + text;
    if (onBox) onBox(boxes.back());
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

template <class T>
T* Child(QObject* parent, const char* name) {
  T* found = parent->findChild<T*>(QString::fromLatin1(name));
  if (!found) qFatal("no control %s", name);
  return found;
}

inline const QUrl kHelpPage(QStringLiteral("file:///help/corvane-help.html"));

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

  void Open(std::filesystem::path resourceDir = {}) {
    window = std::make_unique<TFormMain>(
        TMainSettings{dir.path().toStdString(), std::move(resourceDir), kHelpPage}, prompter,
        opener);
    window->show();
  }

  template <class T>
  T* Find(const char* name) const {
    return Child<T>(window.get(), name);
  }
  void Trigger(const char* action) { Find<QAction>(action)->trigger(); }
};

// Works the next modal dialog from inside its own event loop; a dialog the
// script leaves open (a failed check inside it included) is cancelled so
// the test never hangs. Call before the action that opens the dialog.
inline void WhenDialogOpens(std::function<void(QDialog*)> script) {
  auto* timer = new QTimer(qApp);
  auto attempts = std::make_shared<int>(0);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, attempts, script] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog && ++*attempts < 300) return;
    timer->stop();
    timer->deleteLater();
    if (!dialog) return;
    script(dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  timer->start();
}

// The user's hand on the controls. Text is typed key by key, as an input
// method delivers it: without key codes.
inline void Type(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->clear();
  for (const QChar c : text)
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline void Tick(QAbstractButton* box, bool ticked) {
  // On the box itself: the control may be wider than its box and text.
  if (box->isChecked() != ticked)
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

inline void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

// A row of a list, or of the member list (on its name: the first column is
// hidden).
inline QRect RowRect(QAbstractItemView* view, int row) {
  return view->visualRect(view->model()->index(row, view->model()->columnCount() > 1 ? 1 : 0));
}

inline void ClickRow(QAbstractItemView* view, int row, Qt::KeyboardModifiers modifiers = {}) {
  QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, RowRect(view, row).center());
}

// A double click as the mouse makes it: the first press selects or clears,
// then the double click arrives.
inline void DoubleClick(QAbstractItemView* view, QPoint pos) {
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, pos);
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, pos);
}

// The texts of one column of a list, a table or a combo box, top to bottom.
template <class T>
QStringList Texts(T* view, int column = 0) {
  QStringList texts;
  for (int r = 0; r < view->model()->rowCount(); ++r)
    texts << view->model()->index(r, column).data().toString();
  return texts;
}
