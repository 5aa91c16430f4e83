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
    std::vector<TMember> members = TMemberDAO().ListProjectMembers(projectId);
    // Each class's members in place at once: a large design holds tens of
    // thousands of them.
    std::vector<std::size_t> classOf(members.size(), design.classes.size());
    std::vector<std::size_t> counts(design.classes.size(), 0);
    for (std::size_t i = 0; i < members.size(); ++i)
      if (const auto it = indexOf.find(members[i].classId); it != indexOf.end())
        ++counts[classOf[i] = it->second];
    for (std::size_t c = 0; c < counts.size(); ++c) design.classes[c].members.reserve(counts[c]);
    for (std::size_t i = 0; i < members.size(); ++i) {
      if (classOf[i] == design.classes.size()) continue;
      static_cast<TMember&>(design.classes[classOf[i]].members.emplace_back()) =
          std::move(members[i]);
    }
  });
  ResolveReferences(design);
  return design;
}
