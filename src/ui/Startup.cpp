#include "ui/Startup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString ProgramVersion() {
  return QStringLiteral(CORVANE_VERSION);
}

QString QtTranslationDirectory() {
  return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool SetUpApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("corvane"));
  QApplication::setApplicationVersion(ProgramVersion());
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));

  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/ui/icons/%1x%1/%2.png").arg(size).arg(QLatin1String(kDesktopId)),
                 QSize(size, size));
  QApplication::setWindowIcon(icon);

  // Dates and sizes in the file box follow the language too.
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China));
  auto* translator = new QTranslator(&app);
  if (!translator->load(QStringLiteral("qtbase_zh_CN"), QtTranslationDirectory())) {
    delete translator;
    return false;
  }
  QApplication::installTranslator(translator);
  return true;
}
