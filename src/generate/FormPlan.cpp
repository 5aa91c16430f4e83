#include "generate/FormPlan.h"

#include "vocabulary/MemberKinds.h"

namespace {

constexpr int kFirstRowY = 47;
constexpr int kKeyRowHeight = 35;

}  // namespace

TFormPlan PlanForm(const TDesignClass& cls, TFormVariant variant) {
  TFormPlan plan;
  int label = 1, y = kFirstRowY, tab = 0;
  const TDesignMember* key = cls.Key();
  if (key && (variant == TFormVariant::Edit || !KindInfo(KeyKind(*key)).keyByDatabase)) {
    plan.rows.push_back({key, true, label, y, tab});
    ++label;
    y += kKeyRowHeight;
    tab += 2;  // the label and the text box
  }
  for (const TDesignMember& m : cls.members) {
    if (m.IsKey()) continue;
    plan.rows.push_back({&m, false, label, y, tab});
    ++label;
    y += m.Kind().rowHeight;
    tab += 1 + static_cast<int>(m.Kind().controls.size());
  }
  plan.buttonY = y;
  plan.buttonTab = tab;
  return plan;
}
