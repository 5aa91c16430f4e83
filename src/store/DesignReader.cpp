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
    for (const TClassRecord& c : classes) {
      indexOf.emplace(c.classId, design.classes.size());
      design.classes.push_back({c.classId, c.className, c.friendName, c.frontShowFlag, {}});
    }
    for (TMember& m : TMemberDAO().ListProjectMembers(projectId)) {
      auto it = indexOf.find(m.classId);
      if (it == indexOf.end()) continue;
      TDesignMember dm;
      static_cast<TMember&>(dm) = std::move(m);
      design.classes[it->second].members.push_back(std::move(dm));
    }
  });
  ResolveReferences(design);
  return design;
}
