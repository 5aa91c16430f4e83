// The checks of a design entry against the stored design: names already
// taken and the member types a class may take. They run inside a design
// command's transaction, after the entry's own checks.
#pragma once

#include <string>
#include <vector>

#include "vocabulary/EntryRules.h"

TRuleResult CheckAddProject(const std::string& name);
TRuleResult CheckRenameProject(int projectId, const std::string& name);

TRuleResult CheckAddClass(int projectId, const std::string& className,
                          const std::string& friendName);
TRuleResult CheckUpdateClass(int projectId, int classId, const std::string& className,
                             const std::string& friendName);

// The types a member of a class of the project may take: the base types, then the
// classes of the project in class order (the class itself included).
std::vector<std::string> MemberTypeChoices(int projectId);
// Refuses a type the member dialog would not offer, listing those it does.
TRuleResult CheckTypeOffered(int projectId, const std::string& memberType);
