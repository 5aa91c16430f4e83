#include "ui/DesktopOpener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "vocabulary/BaseDirectory.h"

void TSystemDesktopOpener::Open(const QUrl& url, TFailed failed) {
  const auto fail = [failed] {
    if (failed) failed();
  };
  const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (xdgOpen.isEmpty()) {
    if (!QDesktopServices::openUrl(url)) fail();
    return;
  }
  // xdg-open may wait for the application it starts, so it is not waited
  // for here. A run still going when the program quits is stopped then;
  // what it started keeps running.
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(process, &QProcess::finished, process,
                   [process, fail](int exitCode, QProcess::ExitStatus status) {
                     if (status != QProcess::NormalExit || exitCode != 0) fail();
                     process->deleteLater();
                   });
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, fail](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     fail();
                     process->deleteLater();
                   });
  process->start(xdgOpen, {url.isLocalFile() ? url.toLocalFile() : url.toString()});
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
