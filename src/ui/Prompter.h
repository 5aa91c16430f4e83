// Every message box and input box the designer window shows goes through
// TPrompter, so the window's conversation with the user can be scripted:
// the program uses the Qt boxes, the tests answer with a recorded script.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// A file the user chose to save to, and which of the offered file types.
struct TSaveChoice {
  QString path;
  int typeIndex = 0;
};

class TPrompter {
public:
  virtual ~TPrompter() = default;
  // A plain message with the application's title as caption and OK.
  virtual void Message(QWidget* parent, const QString& text) = 0;
  // An information message with its own caption and OK.
  virtual void Information(QWidget* parent, const QString& text, const QString& caption) = 0;
  // The question before a deletion: OK and Cancel with a warning icon,
  // Cancel the default button, so Enter keeps what is there; true for OK.
  virtual bool Confirm(QWidget* parent, const QString& text, const QString& caption) = 0;
  // An error of the store, the file system or the generation run.
  virtual void Error(QWidget* parent, const QString& text) = 0;
  // A one-line input box without prompt and with an empty default; a
  // cancelled box answers the empty text.
  virtual QString AskText(QWidget* parent, const QString& caption) = 0;
  // A save-file box offering the given file types; nothing when cancelled.
  virtual std::optional<TSaveChoice> AskSaveFile(QWidget* parent, const QString& caption,
                                                 const QString& suggestedName,
                                                 const QStringList& fileTypes) = 0;
};

// The prompter of the running program: Qt's message, input and file boxes.
class TQtPrompter : public TPrompter {
public:
  void Message(QWidget* parent, const QString& text) override;
  void Information(QWidget* parent, const QString& text, const QString& caption) override;
  bool Confirm(QWidget* parent, const QString& text, const QString& caption) override;
  void Error(QWidget* parent, const QString& text) override;
  QString AskText(QWidget* parent, const QString& caption) override;
  std::optional<TSaveChoice> AskSaveFile(QWidget* parent, const QString& caption,
                                         const QString& suggestedName,
                                         const QStringList& fileTypes) override;
};

// The caption of plain messages: the application's title.
QString ApplicationTitle();
