// How a window command meets an error of the design store or the file
// system: the command ends where it stands and the error's text is shown.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <exception>
#include <string>

#include "ui/Prompter.h"

template <class TBody>
void RunCommand(TPrompter& prompter, QWidget* parent, TBody&& body) {
  try {
    body();
  } catch (const std::exception& e) {
    prompter.Error(parent, QString::fromUtf8(e.what()));
  }
}

// A message answered by the design rules, through the translation
// mechanism like every other text the user reads.
inline QString RuleText(const std::string& message) {
  return QCoreApplication::translate("DesignRules", message.c_str());
}
