// corvane: the designer window. Edits the designs in <base>/projects.mdb
// and generates into <base>/projects; --dir chooses the base directory.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <cstdio>
#include <exception>

#include "commands/DesignReads.h"
#include "generate/AutoCode.h"
#include "ui/DesktopOpener.h"
#include "ui/MainForm.h"
#include "ui/Prompter.h"
#include "ui/Startup.h"
#include "vocabulary/BaseDirectory.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (!SetUpApplication(app))
    std::fprintf(stderr, "%s\n",
                 QStringLiteral("警告: %1 中没有 Qt 的中文翻译 qtbase_zh_CN.qm"
                                "(软件包 qt6-translations-l10n)，标准按钮将显示英文")
                     .arg(QtTranslationDirectory())
                     .toUtf8()
                     .constData());

  QCommandLineParser parser;
  parser.setApplicationDescription(ApplicationTitle());
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption dirOption(
      QStringLiteral("dir"),
      QCoreApplication::translate("main",
                                  "基础目录(设计数据库 projects.mdb 与 projects/ 输出所在)"),
      QStringLiteral("DIR"));
  parser.addOption(dirOption);
  parser.process(app);

  TMainSettings settings;
  try {
    std::optional<std::string> dir;
    if (parser.isSet(dirOption)) dir = parser.value(dirOption).toStdString();
    settings.baseDir = ResolveBaseDirectory(dir);
    commands::OpenDesignDatabase(settings.baseDir);
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, ApplicationTitle(), QString::fromUtf8(e.what()));
    return 1;
  }
  settings.resourceDir = ResourceDirectory();
  settings.helpPage = HelpPageUrl();

  TQtPrompter prompter;
  TSystemDesktopOpener opener;
  TFormMain window(settings, prompter, opener);
  window.show();
  return QApplication::exec();
}
