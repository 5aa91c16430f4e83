#include "commands/DesignRules.h"

#include <algorithm>

#include "store/ClassDAO.h"
#include "store/ProjectDAO.h"

TRuleResult CheckAddProject(const std::string& name) {
  if (auto refused = CheckProjectNameEntry(name, false)) return refused;
  if (TProjectDAO().GetProjectCount(name) > 0)
    return TRefusal{"projectName", msg::kProjectNameTaken};
  return std::nullopt;
}

TRuleResult CheckRenameProject(int projectId, const std::string& name) {
  if (auto refused = CheckProjectNameEntry(name, true)) return refused;
  if (TProjectDAO().GetProjectCountExcept(name, projectId) > 0)
    return TRefusal{"projectName", msg::kProjectNameTaken};
  return std::nullopt;
}

TRuleResult CheckAddClass(int projectId, const std::string& className,
                          const std::string& friendName) {
  if (auto refused = CheckClassEntry(className, friendName, false)) return refused;
  if (TClassDAO().GetClassCount(projectId, className) >= 1)
    return TRefusal{"className", msg::kClassNameTaken};
  return std::nullopt;
}

TRuleResult CheckUpdateClass(int projectId, int classId, const std::string& className,
                             const std::string& friendName) {
  if (auto refused = CheckClassEntry(className, friendName, true)) return refused;
  if (TClassDAO().GetClassCountExcept(projectId, className, classId) >= 1)
    return TRefusal{"className", msg::kClassNameTaken};
  return std::nullopt;
}

std::vector<std::string> MemberTypeChoices(int projectId) {
  std::vector<std::string> choices(kBaseTypes.begin(), kBaseTypes.end());
  for (const auto& c : TClassDAO().GetClassList(projectId)) choices.push_back(c.name);
  return choices;
}

TRuleResult CheckTypeOffered(int projectId, const std::string& memberType) {
  // A base type, or a class of the project looked up by its name: an
  // import checks every member of thousands of classes, and a list of all
  // of them for each made a large import take minutes.
  if (std::find(kBaseTypes.begin(), kBaseTypes.end(), memberType) != kBaseTypes.end() ||
      TClassDAO().GetClassId(projectId, memberType) > 0)
    return std::nullopt;
  const std::vector<std::string> choices = MemberTypeChoices(projectId);
  std::string offered;
  for (const std::string& choice : choices) offered += (offered.empty() ? "" : "、") + choice;
  return TRefusal{"memberType",
                  msg::kTypeNotOfferedPrefix + memberType + "\" 不可用，可选: " + offered};
}
