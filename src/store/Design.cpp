#include "store/Design.h"

#include <algorithm>
#include <map>

#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"

const TDesignMember* TDesignClass::Key() const {
  for (const TDesignMember& m : members)
    if (m.IsKey()) return &m;
  return nullptr;
}

int TDesignClass::KeyCount() const {
  return static_cast<int>(
      std::count_if(members.begin(), members.end(), [](const TMember& m) { return m.IsKey(); }));
}

int TDesignClass::DisplayCount() const {
  return static_cast<int>(std::count_if(members.begin(), members.end(),
                                        [](const TMember& m) { return m.IsDisplay(); }));
}

int TDesign::FindClass(const std::string& className) const {
  for (std::size_t i = 0; i < classes.size(); ++i)
    if (classes[i].className == className) return static_cast<int>(i);
  return -1;
}

namespace {

// The first member of the class (and of the project, as the store's
// lookups by class name require) that passes test.
template <typename TTest>
std::optional<TMember> FirstOf(const TDesignClass& cls, int projectId, TTest test) {
  for (const TDesignMember& m : cls.members)
    if (m.projectId == projectId && test(m)) return static_cast<const TMember&>(m);
  return std::nullopt;
}

void ResolveReferences(TDesign& design) {
  for (TDesignClass& cls : design.classes) {
    for (TDesignMember& m : cls.members) {
      if (ClassifyMemberType(m.memberType) != TMemberKind::Reference) {
        m.kind = FieldKindOf(m, nullptr);
        continue;
      }
      m.target = design.FindClass(m.memberType);
      if (m.target >= 0) {
        const TDesignClass& target = design.classes[static_cast<std::size_t>(m.target)];
        m.targetKey = FirstOf(target, design.projectId, [](const TMember& t) { return t.IsKey(); });
        m.targetDisplay =
            FirstOf(target, design.projectId, [](const TMember& t) { return t.IsDisplay(); });
      }
      m.kind = FieldKindOf(m, m.targetKey ? &*m.targetKey : nullptr);
    }
  }
}

}  // namespace

TDesign ReadDesign(int projectId, const std::string& projectName) {
  TDesign design;
  design.projectId = projectId;
  design.projectName = projectName;
  TDbHelper db;
  db.Transaction([&] {
    design.fullQueryForms = TProjectDAO().GetFullQueryForms(projectId);
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
