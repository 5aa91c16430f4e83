// Reads and writes t_member, and each member's constraints in
// t_memberconstraint (a row per member that has any; the table is created
// when a constraint is first stored, and a design file without it has
// none). Every row set and every single-record read follows member order:
// ascending memberId.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "store/DbHelper.h"
#include "vocabulary/Member.h"

class TMemberDAO {
public:
  // Inserts the record (its memberId is ignored); returns the new memberId.
  int AddMember(const TMember& member);
  // Rewrites the eleven editable columns of row member.memberId and its
  // constraints; projectId and classId of the row never change.
  void UpdateMember(const TMember& member);
  void DeleteMember(int memberId);
  // Swaps the contents of two rows, which keep their identifiers, in one
  // transaction. Nothing changes when either row does not exist.
  void ExchangeMembers(int first, int second);

  std::optional<TMember> GetMember(int memberId);

  TRowSet QueryMembers(int classId);

  // The members of a class as records.
  std::vector<TMember> ListMembers(int classId);
  // Every member of a project's classes, with its constraints, one at a
  // time: class by class (by classId), each in member order; take may move
  // it away.
  void ForEachProjectMember(int projectId, const std::function<void(TMember&)>& take);
  // How many members each class of the project has, by class id.
  std::map<int, std::size_t> CountProjectMembers(int projectId);

  // The record at the current row of a member row set (without its
  // constraints: ListMembers and GetMember add them).
  static TMember ReadMember(const TRowSet& rows);

private:
  bool HasConstraintTable();
  void WriteConstraints(int memberId, const TMemberConstraints& constraints);
  void AddConstraints(std::vector<TMember>& members);
  // Every stored member's constraints, by member id.
  std::map<int, TMemberConstraints> ReadConstraints();

  std::optional<TMember> FirstMember(const std::string& sql, const TDbParams& params);

  TDbHelper db_;
};
