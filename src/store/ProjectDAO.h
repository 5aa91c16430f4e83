// Reads and writes t_project.
#pragma once

#include <string>

#include "vocabulary/Design.h"
#include "vocabulary/NameList.h"

class TProjectDAO {
public:
  // Projects whose name equals name, ignoring ASCII letter case.
  int GetProjectCount(const std::string& name);
  // The same, not counting project exceptProjectId (for a rename).
  int GetProjectCountExcept(const std::string& name, int exceptProjectId);
  // Identifier of the new project.
  int AddProject(const std::string& name);
  void UpdateProjectName(int projectId, const std::string& name);
  // Deletes the project with its classes and their members, all or nothing.
  void DeleteProject(int projectId);
  TNameList GetAllProjects();
  // Name of the project; empty when there is none.
  std::string GetProjectName(int projectId);
  bool ProjectExists(int projectId);

  // The project's 完整查询窗体 setting, kept in a table of its own made when
  // first written; a design file without that table reads as off.
  bool GetFullQueryForms(int projectId);
  void SetFullQueryForms(int projectId, bool on);
  // The project's 数据库 setting, a column of the same table added when
  // first written; a file without it, or a value that names no database,
  // reads as SQL Server.
  TDatabase GetDatabase(int projectId);
  void SetDatabase(int projectId, TDatabase database);
};
