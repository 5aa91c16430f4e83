// The design commands the designer window and the command line both run.
// Each takes the user's entries, checks them in the order the dialogs
// check them, writes, and answers the message to show; the check and the
// write share one write-locked transaction, so no other process (or thread)
// can slip a write between a check and the write it guards: a name found
// free is still free when it is stored, and a target found is still there.
// The front ends only show what a command answers. What they read of the
// design, and how the command line's names are looked up, is in
// DesignReads.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commands/DesignRules.h"
#include "vocabulary/Design.h"

struct TCommandResult {
  bool done = false;    // the change is written and committed
  std::string message;  // for the user: the refusal, or the confirmation (may be empty)
  // The field a refusal is about, named as the record's field
  // ("className", "memberLength", ...); empty for the others.
  std::string field;
  int id = 0;  // the added project, class or member
  // The refused entry could not be read at all (see TRefusal).
  bool unreadable = false;
  // The project, class or member the command was for is no longer in the
  // design: another process removed it after the front end listed it.
  bool gone = false;

  explicit operator bool() const { return done; }
};

// A class as the class dialogs enter it.
struct TClassEntry {
  std::string className;
  std::string friendName;
  bool frontShow = true;
};

// The fields of a class an update sets; the others keep what is stored.
struct TClassChanges {
  std::optional<std::string> className, friendName;
  std::optional<bool> frontShow;
};

// The same for a member, in the terms of the member dialog.
struct TMemberChanges {
  std::optional<std::string> memberName, memberType, lengthText, memberComment;
  std::optional<bool> isPri, isMust, queryFlag, isDisplay, queryDisplay;
  // Constraints: an empty value clears one; choices as typed ("男,女").
  std::optional<bool> unique;
  std::optional<std::string> defaultValue, minValue, maxValue, choices;

  // The entry with the given fields set.
  void ApplyTo(TMemberEntry& entry) const;
};

namespace commands {

TCommandResult AddProject(const std::string& name);
TCommandResult RenameProject(int projectId, const std::string& name);
// With its classes and their members.
TCommandResult DeleteProject(int projectId);
// The project's 完整查询窗体 setting (off unless set).
TCommandResult SetFullQueryForms(int projectId, bool on);
// The project's 数据库 setting (SQL Server unless set), and its reading.
TCommandResult SetDatabase(int projectId, TDatabase database);
TDatabase ProjectDatabase(int projectId);

TCommandResult AddClass(int projectId, const TClassEntry& entry);
// Renames every reference to the class along with it.
TCommandResult UpdateClass(int projectId, int classId, const TClassEntry& entry);
// UpdateClass with the stored entry changed as given, read in the same
// transaction.
TCommandResult UpdateClassFields(int projectId, int classId, const TClassChanges& changes);
// With its members.
TCommandResult DeleteClass(int classId);

// The type must be one the member dialog offers for the class.
TCommandResult AddMember(int projectId, int classId, const TMemberEntry& entry);
TCommandResult UpdateMember(int projectId, int classId, int memberId, const TMemberEntry& entry);
// UpdateMember with the stored entry changed as given, read in the same
// transaction.
TCommandResult UpdateMemberFields(int projectId, int classId, int memberId,
                                  const TMemberChanges& changes);
// memberId -1: no member selected.
TCommandResult DeleteMember(int memberId);
// Checks a member's constraints as the constraint dialog is confirmed
// (nothing is written: the member dialog stores them with the member). The
// class is the member's own (its own-class references).
TCommandResult CheckConstraints(int classId, const TMemberEntry& entry);
// Swaps two members of the class; memberIds are the selected ones, and
// anything but two is refused.
TCommandResult ExchangeMembers(int classId, const std::vector<int>& memberIds);
// Moves the member one place up (step -1) or down (step +1) in member
// order, by exchanging it with its neighbour; memberId -1: none selected.
TCommandResult MoveMember(int classId, int memberId, int step);

// The sample project "Demo".
TCommandResult AddSampleDesign();

}  // namespace commands
