#include "store/DesignRules.h"

#include <charconv>

#include "store/ClassDAO.h"
#include "store/ProjectDAO.h"

bool IsSafeProjectName(const std::string& name) {
  if (name == "." || name == "..") return false;
  for (unsigned char c : name)
    if (c == '/' || c == '\\' || c < 0x20 || c == 0x7f) return false;
  return true;
}

TRuleResult CheckAddProject(const std::string& name) {
  if (name.empty()) return msg::kProjectNameEmpty;
  if (!IsSafeProjectName(name)) return msg::kProjectNameUnsafe;
  if (TProjectDAO().GetProjectCount(name) > 0) return msg::kProjectNameTaken;
  return std::nullopt;
}

TRuleResult CheckRenameProject(int projectId, const std::string& name) {
  if (name.empty()) return msg::kProjectRenameEmpty;
  if (!IsSafeProjectName(name)) return msg::kProjectNameUnsafe;
  if (TProjectDAO().GetProjectCountExcept(name, projectId) > 0) return msg::kProjectNameTaken;
  return std::nullopt;
}

namespace {

bool StartsWithCapital(const std::string& s) {
  return !s.empty() && s[0] >= 'A' && s[0] <= 'Z';
}
bool StartsWithLower(const std::string& s) {
  return !s.empty() && s[0] >= 'a' && s[0] <= 'z';
}

TRuleResult CheckMemberEntry(const TMemberEntry& e) {
  if (e.memberName.empty()) return msg::kMemberNameEmpty;
  if (!StartsWithLower(e.memberName)) return msg::kMemberNameLower;
  if (e.memberType != kTypeString && e.memberType != kTypeImage && !e.isMust)
    return e.memberType + msg::kMustFlagSuffix;
  // A key must be an integer or a string: any other key gives a table
  // script that cannot run. The update dialog keeps to the same rule.
  if (e.isPri && e.memberType != kTypeString && e.memberType != kTypeInteger) return msg::kKeyType;
  if (e.queryFlag &&
      (e.memberType == kTypeInteger || e.memberType == kTypeFloat || e.memberType == kTypeImage))
    return msg::kQueryTypePrefix + e.memberType;
  return std::nullopt;
}

}  // namespace

TRuleResult CheckAddClass(int projectId, const std::string& className,
                          const std::string& friendName) {
  if (className.empty()) return msg::kClassNameEmpty;
  if (friendName.empty()) return msg::kFriendNameEmpty;
  if (!StartsWithCapital(className)) return msg::kClassNameCapital;
  if (TClassDAO().GetClassCount(projectId, className) >= 1) return msg::kClassNameTaken;
  return std::nullopt;
}

TRuleResult CheckUpdateClass(int projectId, int classId, const std::string& className,
                             const std::string& friendName) {
  if (className.empty()) return msg::kClassRenameEmpty;
  if (!StartsWithCapital(className)) return msg::kClassNameCapital;
  if (friendName.empty()) return msg::kFriendNameEmpty;
  if (TClassDAO().GetClassCountExcept(projectId, className, classId) >= 1)
    return msg::kClassNameTaken;
  return std::nullopt;
}

std::vector<std::string> MemberTypeChoices(int projectId, int classId) {
  std::vector<std::string> choices(kBaseTypes.begin(), kBaseTypes.end());
  for (const auto& c : TClassDAO().GetOtherClassList(projectId, classId)) choices.push_back(c.name);
  return choices;
}

TRuleResult CheckAddMember(const TMemberEntry& entry) {
  return CheckMemberEntry(entry);
}
TRuleResult CheckUpdateMember(const TMemberEntry& entry) {
  return CheckMemberEntry(entry);
}

TRuleResult BuildMember(const TMemberEntry& e, int projectId, int classId, TMember& out) {
  TMember m;
  m.projectId = projectId;
  m.classId = classId;
  m.memberName = e.memberName;
  m.memberType = e.memberType;
  if (e.memberType == kTypeString) {
    const std::size_t b = e.lengthText.find_first_not_of(' ');
    const std::size_t last = e.lengthText.find_last_not_of(' ');
    if (b == std::string::npos) return msg::kLengthNotNumber;
    const char* first = e.lengthText.data() + b;
    const char* end = e.lengthText.data() + last + 1;
    if (*first == '+') ++first;
    int value = 0;
    auto [ptr, ec] = std::from_chars(first, end, value);
    if (ec != std::errc() || ptr != end || first == end) return msg::kLengthNotNumber;
    m.memberLength = value;
  }
  m.memberIsPri = e.isPri ? 1 : 0;
  m.memberComment = e.memberComment;
  m.memberIsMust = e.isMust ? 1 : 0;
  m.memberIsInteger = e.memberType == kTypeInteger ? 1 : 0;
  m.memberIsFloat = e.memberType == kTypeFloat ? 1 : 0;
  m.queryFlag = e.queryFlag ? 1 : 0;
  m.memberIsDisplay = e.isDisplay ? 1 : 0;
  m.memberQueryDisplay = e.queryDisplay ? 1 : 0;
  out = m;
  return std::nullopt;
}

TMemberEntry EntryFromMember(const TMember& m) {
  TMemberEntry e;
  e.memberName = m.memberName;
  e.memberType = m.memberType;
  e.lengthText = std::to_string(m.memberLength);
  e.memberComment = m.memberComment;
  e.isPri = m.IsKey();
  e.isMust = m.IsMust();
  e.queryFlag = m.IsQueried();
  e.isDisplay = m.IsDisplay();
  e.queryDisplay = m.IsShown();
  return e;
}

TRuleResult CheckDeleteMember(int selected) {
  if (selected < 0) return msg::kSelectMemberFirst;
  return std::nullopt;
}

TRuleResult CheckMoveUp(int selected) {
  if (selected < 0) return msg::kSelectMemberFirst;
  if (selected == 0) return msg::kFirstCannotMoveUp;
  return std::nullopt;
}

TRuleResult CheckMoveDown(int selected, int rowCount) {
  if (selected < 0) return msg::kSelectMemberFirst;
  if (selected >= rowCount - 1) return msg::kLastCannotMoveDown;
  return std::nullopt;
}

TRuleResult CheckExchange(int selectedCount) {
  if (selectedCount != 2) return msg::kSelectTwo;
  return std::nullopt;
}
