// What the front ends read of the design: the design database they work
// on, the lists they show, the entries an update starts from, and the
// lookup of the names the command line gives. A read of several statements
// runs in one transaction, so it sees one state of the design; errors of
// the design database are exceptions (std::runtime_error).
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/DesignCommands.h"
#include "vocabulary/Member.h"
#include "vocabulary/NameList.h"

namespace commands {

// ---- The design database ---------------------------------------------------

// Works on the design database of the base directory from now on; the
// first read or command opens it (made with its tables when missing).
// readOnly: for commands that only read; nothing is made or changed, and a
// missing file reads as an empty design.
void UseDesignDatabase(const std::filesystem::path& baseDir, bool readOnly = false);
// The same, opened at once, so that a file that cannot be opened or is no
// design database is reported before anything else.
void OpenDesignDatabase(const std::filesystem::path& baseDir);

// ---- Lists, in identifier order ----------------------------------------------

TNameList ListProjects();
// "" when there is no such project.
std::string ProjectName(int projectId);
// The project's 完整查询窗体 setting (off unless set).
bool FullQueryForms(int projectId);

// A class as the class list shows it.
struct TClassItem {
  int classId = 0;
  TClassEntry entry;
};
std::vector<TClassItem> ListClasses(int projectId);

// Member order.
std::vector<TMember> ListMembers(int classId);

// ---- Entries an update starts from -----------------------------------------

// Nothing when the class or member is not there (any more).
std::optional<TClassEntry> ReadClass(int classId);
std::optional<TMember> ReadMember(int memberId);

// ---- The command line's names --------------------------------------------------

// What a command line names: a project by name (and by identifier when
// several share the name), optionally a class of it, and members of that
// class; a class or member by name, or "#N" for identifier N.
struct TDesignRef {
  std::string project;
  std::optional<int> projectId;
  std::optional<std::string> className;
  std::vector<std::string> memberNames;
};

// What a reference found; -1 for what it does not name.
struct TTarget {
  int projectId = -1;
  int classId = -1;
  std::vector<int> memberIds;  // in the order named
};

// The target, or the message saying what was not found or is ambiguous.
struct TLookup {
  TTarget target;
  std::string refusal;
  explicit operator bool() const { return refusal.empty(); }
};

TLookup Find(const TDesignRef& ref);

// Finds the target and runs the command on it in one transaction, so that
// what was found is what the command changes; a failed lookup is the
// command's refusal.
TCommandResult OnTarget(const TDesignRef& ref,
                        const std::function<TCommandResult(const TTarget&)>& command);

}  // namespace commands
