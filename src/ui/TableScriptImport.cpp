// The window's table-script import: the boxes it shows around the commands
// that make a project from a script or update one (see TableScriptImport.h).
#include "ui/TableScriptImport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "commands/DesignReads.h"
#include "commands/DesignText.h"
#include "commands/SqlScriptImport.h"
#include "commands/UserFiles.h"
#include "ui/Prompter.h"
#include "ui/UiCommand.h"

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("TableScriptImport", text);
}

QString FromStd(const std::string& s) {
  return QString::fromStdString(s);
}

// Lines for a message box, the first ones only when there are many.
QString Listed(const std::vector<std::string>& lines) {
  constexpr std::size_t kShown = 30;
  QStringList shown;
  for (std::size_t i = 0; i < lines.size() && i < kShown; ++i) shown << FromStd(lines[i]);
  if (lines.size() > kShown) shown << Tr("……(共 %1 条)").arg(static_cast<qulonglong>(lines.size()));
  return shown.join(QLatin1Char('\n'));
}

QString WithWarnings(const QString& text, const std::vector<std::string>& warnings) {
  if (warnings.empty()) return text;
  return text + QStringLiteral("\n\n") + Tr("警告:") + QLatin1Char('\n') + Listed(warnings);
}

// A new project named after the file; a refused name may be replaced.
bool ImportAsNewProject(QWidget* parent, TPrompter& prompter, const std::string& text,
                        const QString& path) {
  std::string name = QFileInfo(path).completeBaseName().toStdString();
  for (;;) {
    try {
      const TSqlImport done = ImportSqlScript(text, name);
      prompter.Message(parent, WithWarnings(Tr("已导入为工程 %1(编号 %2)")
                                                .arg(FromStd(commands::ProjectName(done.projectId)))
                                                .arg(done.projectId),
                                            done.warnings));
      return true;
    } catch (const TDesignTextError& e) {
      prompter.Message(parent, FromStd(e.what()));
      if (!e.Place().empty()) return false;
      const QString other = prompter.AskText(parent, Tr("请输入工程名称"));
      if (other.isEmpty()) return false;
      name = other.toStdString();
    }
  }
}

// The current project brought up to date, once the user has seen what
// changes.
bool UpdateProject(QWidget* parent, TPrompter& prompter, const std::string& text, int projectId,
                   const QString& projectName) {
  const TReimport preview = ReimportSqlScript(text, projectId, {false, true});
  if (preview.changes == 0) {
    prompter.Message(parent, WithWarnings(Tr("工程 %1 与脚本一致，没有改动").arg(projectName) +
                                              (preview.lines.empty() ? QString()
                                                                     : QStringLiteral("\n\n") +
                                                                           Listed(preview.lines)),
                                          preview.warnings));
    return false;
  }
  if (!prompter.Confirm(parent,
                        WithWarnings(Tr("将对工程 %1 做以下 %2 处改动(脚本中没有的类和成员保留):")
                                             .arg(projectName)
                                             .arg(preview.changes) +
                                         QLatin1Char('\n') + Listed(preview.lines),
                                     preview.warnings),
                        Tr("从建表脚本导入")))
    return false;
  const TReimport done = ReimportSqlScript(text, projectId, {});
  prompter.Message(parent, Tr("工程 %1 已更新，共 %2 处改动").arg(projectName).arg(done.changes));
  return true;
}

}  // namespace

TScriptImportOutcome ImportTableScript(QWidget* parent, TPrompter& prompter, const QString& path,
                                       int currentProjectId, const QString& currentProjectName) {
  TScriptImportOutcome outcome = TScriptImportOutcome::Nothing;
  RunCommand(prompter, parent, [&] {
    try {
      const std::string text =
          DecodeScript(ReadScriptFile(path.toStdString()), TScriptEncoding::Automatic);
      const QString caption = Tr("从建表脚本导入");
      // Whatever writes was agreed to with OK: Cancel on the first box
      // offers the other way, Cancel on the second does nothing.
      if (currentProjectId >= 0 &&
          prompter.Confirm(parent,
                           Tr("用建表脚本更新当前工程 %1 吗?\n新的表和列加入，类型、长度、必填、"
                              "主键和引用随脚本，其余设置保留；先列出改动，确认后才写入。\n"
                              "选“取消”可改为导入为新工程。")
                               .arg(currentProjectName),
                           caption)) {
        if (UpdateProject(parent, prompter, text, currentProjectId, currentProjectName))
          outcome = TScriptImportOutcome::ProjectUpdated;
        return;
      }
      if (currentProjectId >= 0 &&
          !prompter.Confirm(parent, Tr("把建表脚本导入为新工程吗?"), caption))
        return;
      if (ImportAsNewProject(parent, prompter, text, path))
        outcome = TScriptImportOutcome::NewProject;
    } catch (const TDesignTextError& e) {
      prompter.Message(parent, FromStd(e.what()));
    }
  });
  return outcome;
}
