#include "ui/DesktopOpener.h"

#include <QDesktopServices>
#include <QFileInfo>

#include "vocabulary/BaseDirectory.h"

void TSystemDesktopOpener::Open(const QUrl& url) {
  QDesktopServices::openUrl(url);
}

QUrl HelpPageUrl() {
  const auto programDir = ProgramDirectory();
  for (const auto& candidate :
       {programDir / "help" / "corvane-help.html",
        programDir.parent_path() / "share" / "corvane" / "help" / "corvane-help.html"}) {
    const QString path = QString::fromStdString(candidate.string());
    if (QFileInfo::exists(path)) return QUrl::fromLocalFile(path);
  }
  return {};
}
