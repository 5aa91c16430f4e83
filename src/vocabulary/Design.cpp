#include "vocabulary/Design.h"

#include <algorithm>

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
  if (indexedClasses == classes.size() && !classes.empty()) {
    const auto found = classIndex.find(className);
    if (found == classIndex.end()) return -1;
    if (classes[static_cast<std::size_t>(found->second)].className == className)
      return found->second;
  }
  for (std::size_t i = 0; i < classes.size(); ++i)
    if (classes[i].className == className) return static_cast<int>(i);
  return -1;
}

namespace {

// The first member of the class that passes test and belongs to the
// project too (a design file made by other tools may say otherwise).
template <typename TTest>
std::shared_ptr<const TMember> FirstOf(const TDesignClass& cls, int projectId, TTest test) {
  for (const TDesignMember& m : cls.members)
    if (m.projectId == projectId && test(m))
      return std::make_shared<const TMember>(static_cast<const TMember&>(m));
  return nullptr;
}

}  // namespace

void ResolveReferences(TDesign& design) {
  design.classIndex.clear();
  for (std::size_t i = 0; i < design.classes.size(); ++i)
    design.classIndex.emplace(design.classes[i].className, static_cast<int>(i));
  design.indexedClasses = design.classes.size();
  // Each class's key and display member, once it is referred to.
  struct TResolved {
    bool done = false;
    std::shared_ptr<const TMember> key, display;
  };
  std::vector<TResolved> resolved(design.classes.size());
  for (TDesignClass& cls : design.classes) {
    for (TDesignMember& m : cls.members) {
      m.kind = FieldKindOf(m.memberType, nullptr, {}, !m.constraints.choices.empty());
      if (!m.IsReference()) continue;
      m.target = design.FindClass(m.memberType);
      m.targetKey.reset();
      m.targetDisplay.reset();
      if (m.target >= 0) {
        TResolved& r = resolved[static_cast<std::size_t>(m.target)];
        if (!r.done) {
          const TDesignClass& target = design.classes[static_cast<std::size_t>(m.target)];
          r.key = FirstOf(target, design.projectId, [](const TMember& t) { return t.IsKey(); });
          r.display =
              FirstOf(target, design.projectId, [](const TMember& t) { return t.IsDisplay(); });
          r.done = true;
        }
        m.targetKey = r.key;
        m.targetDisplay = r.display;
      }
      m.kind = FieldKindOf(m.memberType, m.targetKey ? &*m.targetKey : nullptr, cls.className);
    }
  }
}
