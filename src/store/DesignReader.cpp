#include "store/DesignReader.h"

#include <map>

#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "vocabulary/EntryRules.h"

TDesign ReadDesign(int projectId) {
  TDesign design;
  design.projectId = projectId;
  TDbHelper db;
  db.ReadTransaction([&] {
    TProjectDAO projects;
    if (!projects.ProjectExists(projectId)) throw TDbError(msg::kProjectGone);
    design.projectName = projects.GetProjectName(projectId);
    design.fullQueryForms = projects.GetFullQueryForms(projectId);
    design.database = projects.GetDatabase(projectId);
    const std::vector<TClassRecord> classes = TClassDAO().ListClasses(projectId);
    std::map<int, std::size_t> indexOf;
    design.classes.reserve(classes.size());
    for (const TClassRecord& c : classes) {
      indexOf.emplace(c.classId, design.classes.size());
      design.classes.push_back({c.classId, c.className, c.friendName, c.frontShowFlag, {}});
    }
    // Each member straight into its class, whose room is made first: a
    // large design holds tens of thousands of them.
    TMemberDAO members;
    for (const auto& [classId, count] : members.CountProjectMembers(projectId))
      if (const auto it = indexOf.find(classId); it != indexOf.end())
        design.classes[it->second].members.reserve(count);
    members.ForEachProjectMember(projectId, [&](TMember& m) {
      if (const auto it = indexOf.find(m.classId); it != indexOf.end()) {
        // Default-initialised, then filled: a value-initialised member
        // (emplace_back()) is cleared whole first, resolved parts and all.
        TDesignMember member;
        static_cast<TMember&>(member) = std::move(m);
        design.classes[it->second].members.push_back(std::move(member));
      }
    });
  });
  ResolveReferences(design);
  return design;
}
