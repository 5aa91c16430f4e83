#include "commands/DesignCommands.h"

#include <set>

#include "commands/SampleDesign.h"
#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "vocabulary/SqlDialect.h"

void TMemberChanges::ApplyTo(TMemberEntry& e) const {
  if (memberName) e.memberName = *memberName;
  if (memberType) e.memberType = *memberType;
  if (lengthText) e.lengthText = *lengthText;
  if (memberComment) e.memberComment = *memberComment;
  if (isPri) e.isPri = *isPri;
  if (isMust) e.isMust = *isMust;
  if (queryFlag) e.queryFlag = *queryFlag;
  if (isDisplay) e.isDisplay = *isDisplay;
  if (queryDisplay) e.queryDisplay = *queryDisplay;
  if (unique) e.constraints.unique = *unique;
  if (defaultValue) e.constraints.defaultValue = *defaultValue;
  if (minValue) e.constraints.minValue = *minValue;
  if (maxValue) e.constraints.maxValue = *maxValue;
  if (choices) e.constraints.choices = SplitChoices(*choices);
}

namespace commands {

namespace {

TCommandResult Refused(const TRefusal& refusal) {
  TCommandResult result;
  result.message = refusal.message;
  result.field = refusal.field;
  result.unreadable = refusal.unreadable;
  return result;
}

TCommandResult Refused(const char* message) {
  return Refused(TRefusal{{}, message});
}

// The target was removed by another process after the front end listed it.
TCommandResult Gone(const char* message) {
  TCommandResult result = Refused(message);
  result.gone = true;
  return result;
}

TCommandResult Done(const std::string& message, int id = 0) {
  TCommandResult result;
  result.done = true;
  result.message = message;
  result.id = id;
  return result;
}

// Runs one command in one write-locked transaction: its checks see what
// its writes change, and nothing another process writes comes between.
template <class TBody>
TCommandResult InTransaction(TBody body) {
  TCommandResult result;
  TDbHelper().Transaction([&] { result = body(); });
  return result;
}

bool ClassOfProject(int projectId, int classId) {
  return projectId >= 0 && TClassDAO().GetProjectId(classId) == projectId;
}

bool MemberOfClass(int classId, int memberId) {
  const std::optional<TMember> m = TMemberDAO().GetMember(memberId);
  return m && m->classId == classId;
}

// The member's checks, then the record to store; nothing when refused.
TRuleResult BuildChecked(int projectId, int classId, TMemberEntry entry,
                         TRuleResult (*check)(const TMemberEntry&), TMember& record) {
  if (auto refused = CheckTypeOffered(projectId, entry.memberType)) return refused;
  entry.ownClass = TClassDAO().GetClassName(classId);
  if (auto refused = check(entry)) return refused;
  return BuildMember(entry, projectId, classId, record);
}

}  // namespace

TCommandResult AddProject(const std::string& name) {
  return InTransaction([&] {
    if (auto refused = CheckAddProject(name)) return Refused(*refused);
    const int id = TProjectDAO().AddProject(name);
    return Done(msg::kProjectAdded, id);
  });
}

TCommandResult RenameProject(int projectId, const std::string& name) {
  return InTransaction([&] {
    if (!TProjectDAO().ProjectExists(projectId)) return Gone(msg::kProjectGone);
    if (auto refused = CheckRenameProject(projectId, name)) return Refused(*refused);
    TProjectDAO().UpdateProjectName(projectId, name);
    return Done(msg::kProjectRenamed);
  });
}

TCommandResult DeleteProject(int projectId) {
  return InTransaction([&] {
    if (!TProjectDAO().ProjectExists(projectId)) return Gone(msg::kProjectGone);
    TProjectDAO().DeleteProject(projectId);
    return Done(msg::kProjectDeleted);
  });
}

TCommandResult SetFullQueryForms(int projectId, bool on) {
  return InTransaction([&] {
    if (!TProjectDAO().ProjectExists(projectId)) return Gone(msg::kProjectGone);
    TProjectDAO().SetFullQueryForms(projectId, on);
    return Done(on ? "完整查询窗体已打开" : "完整查询窗体已关闭");
  });
}

TCommandResult SetDatabase(int projectId, TDatabase database) {
  return InTransaction([&] {
    if (!TProjectDAO().ProjectExists(projectId)) return Refused(msg::kProjectGone);
    TProjectDAO().SetDatabase(projectId, database);
    return Done("数据库已设为 " + std::string(DatabaseChoiceOf(database).caption));
  });
}

TDatabase ProjectDatabase(int projectId) {
  return TProjectDAO().GetDatabase(projectId);
}

TCommandResult AddClass(int projectId, const TClassEntry& entry) {
  return InTransaction([&] {
    if (!TProjectDAO().ProjectExists(projectId)) return Gone(msg::kProjectGone);
    if (auto refused = CheckAddClass(projectId, entry.className, entry.friendName))
      return Refused(*refused);
    const int id =
        TClassDAO().AddClass(projectId, entry.className, entry.friendName, entry.frontShow ? 1 : 0);
    return Done(msg::kClassAdded, id);
  });
}

TCommandResult UpdateClass(int projectId, int classId, const TClassEntry& entry) {
  return InTransaction([&] {
    if (!ClassOfProject(projectId, classId)) return Gone(msg::kClassGone);
    if (auto refused = CheckUpdateClass(projectId, classId, entry.className, entry.friendName))
      return Refused(*refused);
    TClassDAO().UpdateClass(projectId, classId, entry.className, entry.friendName,
                            entry.frontShow ? 1 : 0);
    return Done(msg::kClassUpdated);
  });
}

TCommandResult UpdateClassFields(int projectId, int classId, const TClassChanges& changes) {
  return InTransaction([&] {
    // A class that is gone reads as blanks here; UpdateClass refuses it.
    TClassDAO classes;
    TClassEntry entry{classes.GetClassName(classId), classes.GetFriendName(classId),
                      classes.GetFrontShowFlag(classId) == 1};
    if (changes.className) entry.className = *changes.className;
    if (changes.friendName) entry.friendName = *changes.friendName;
    if (changes.frontShow) entry.frontShow = *changes.frontShow;
    return UpdateClass(projectId, classId, entry);
  });
}

TCommandResult DeleteClass(int classId) {
  return InTransaction([&] {
    if (TClassDAO().GetProjectId(classId) < 0) return Gone(msg::kClassGone);
    TClassDAO().DeleteClass(classId);
    return Done(msg::kClassDeleted);
  });
}

TCommandResult AddMember(int projectId, int classId, const TMemberEntry& entry) {
  return InTransaction([&] {
    if (!ClassOfProject(projectId, classId)) return Gone(msg::kClassGone);
    TMember record;
    if (auto refused = BuildChecked(projectId, classId, entry, CheckAddMember, record))
      return Refused(*refused);
    const int id = TMemberDAO().AddMember(record);
    return Done(msg::kMemberAdded, id);
  });
}

TCommandResult UpdateMember(int projectId, int classId, int memberId, const TMemberEntry& entry) {
  return InTransaction([&] {
    if (memberId < 0) return Refused(msg::kSelectMemberFirst);
    if (!ClassOfProject(projectId, classId) || !MemberOfClass(classId, memberId))
      return Gone(msg::kMemberGone);
    TMember record;
    if (auto refused = BuildChecked(projectId, classId, entry, CheckUpdateMember, record))
      return Refused(*refused);
    record.memberId = memberId;
    TMemberDAO().UpdateMember(record);
    return Done(msg::kMemberUpdated);
  });
}

TCommandResult UpdateMemberFields(int projectId, int classId, int memberId,
                                  const TMemberChanges& changes) {
  return InTransaction([&] {
    const std::optional<TMember> stored = TMemberDAO().GetMember(memberId);
    if (!stored) return Gone(msg::kMemberGone);
    TMemberEntry entry = EntryFromMember(*stored);
    changes.ApplyTo(entry);
    return UpdateMember(projectId, classId, memberId, entry);
  });
}

TCommandResult CheckConstraints(int classId, const TMemberEntry& entry) {
  TMemberEntry e = entry;
  TDbHelper().ReadTransaction([&] { e.ownClass = TClassDAO().GetClassName(classId); });
  if (auto refused = CheckConstraintEntry(e)) return Refused(*refused);
  TCommandResult accepted;
  accepted.done = true;
  return accepted;
}

TCommandResult DeleteMember(int memberId) {
  return InTransaction([&] {
    if (auto refused = CheckDeleteMember(memberId)) return Refused(*refused);
    if (!TMemberDAO().GetMember(memberId)) return Gone(msg::kMemberGone);
    TMemberDAO().DeleteMember(memberId);
    return Done(msg::kMemberDeleted);
  });
}

TCommandResult ExchangeMembers(int classId, const std::vector<int>& memberIds) {
  return InTransaction([&] {
    const std::set<int> distinct(memberIds.begin(), memberIds.end());
    if (auto refused = CheckExchange(static_cast<int>(distinct.size()))) return Refused(*refused);
    for (int id : distinct)
      if (!MemberOfClass(classId, id)) return Gone(msg::kMemberGone);
    TMemberDAO().ExchangeMembers(memberIds[0], memberIds[1]);
    return Done({});
  });
}

TCommandResult MoveMember(int classId, int memberId, int step) {
  return InTransaction([&] {
    if (memberId < 0) return Refused(msg::kSelectMemberFirst);
    // The place is taken from the design as it is now, not as it was shown.
    std::vector<int> ids;
    for (const TMember& m : TMemberDAO().ListMembers(classId)) ids.push_back(m.memberId);
    int index = 0;
    const int count = static_cast<int>(ids.size());
    while (index < count && ids[static_cast<std::size_t>(index)] != memberId) ++index;
    if (index == count) return Gone(msg::kMemberGone);
    if (auto refused = step < 0 ? CheckMoveUp(index) : CheckMoveDown(index, count))
      return Refused(*refused);
    TMemberDAO().ExchangeMembers(memberId, ids[static_cast<std::size_t>(index + step)]);
    return Done({});
  });
}

TCommandResult AddSampleDesign() {
  int projectId = 0;
  if (auto refused = CreateSampleDesign(projectId)) return Refused(*refused);
  return Done("示例工程 " + std::string(kSampleProjectName) + " 已添加(编号 " +
                  std::to_string(projectId) + ")",
              projectId);
}

}  // namespace commands
