// The window's import of a SQL Server table script (项目操作 →
// 从建表脚本导入…): the script comes in as a new project or, when the user
// so chooses, brings the current project up to date. What an update would
// change is listed first and written only once the user agrees; the
// warnings come in the same message box.
#pragma once

#include <QString>

class QWidget;
class TPrompter;

enum class TScriptImportOutcome { Nothing, NewProject, ProjectUpdated };

// Imports the script at path. currentProjectId is -1 when no project is
// selected (the script then comes in as a new project without asking).
TScriptImportOutcome ImportTableScript(QWidget* parent, TPrompter& prompter, const QString& path,
                                       int currentProjectId, const QString& currentProjectName);
