// Reads and writes t_class and keeps members consistent with their class:
// deleting a class deletes its members, renaming it renames every
// reference to it.
#pragma once

#include <string>
#include <vector>

#include "vocabulary/NameList.h"

// One row of t_class.
struct TClassRecord {
  int classId = 0;
  int projectId = 0;
  std::string className;
  std::string friendName;
  int frontShowFlag = 0;
};

class TClassDAO {
public:
  std::string GetClassName(int classId);   // "" when there is no such class
  std::string GetFriendName(int classId);  // "" when there is none
  int GetFrontShowFlag(int classId);       // -1 when there is no such class
  int GetProjectId(int classId);           // -1 when there is no such class
  // Exact name match; -1 when the project has no class of that name.
  int GetClassId(int projectId, const std::string& className);
  // Classes of the project with that name, ignoring ASCII letter case.
  int GetClassCount(int projectId, const std::string& className);
  // The same, not counting class exceptClassId (for a rename).
  int GetClassCountExcept(int projectId, const std::string& className, int exceptClassId);
  // Identifier of the new class.
  int AddClass(int projectId, const std::string& className, const std::string& friendName,
               int frontShowFlag);
  // Deletes the class and its members in one transaction.
  void DeleteClass(int classId);
  // Updates the class and renames the member type of every member of the
  // project that named the old class name, in one transaction.
  void UpdateClass(int projectId, int classId, const std::string& className,
                   const std::string& friendName, int frontShowFlag);
  TNameList GetClassList(int projectId);
  // Every column of the project's classes, in class order.
  std::vector<TClassRecord> ListClasses(int projectId);
  TNameList GetOtherClassList(int projectId, int classId);
};
