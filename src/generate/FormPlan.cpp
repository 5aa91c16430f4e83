#include "generate/FormPlan.h"

namespace {

constexpr int kFirstRowY = 47;
constexpr int kRowHeight = 35;
constexpr int kImageRowHeight = 178;

}  // namespace

TFormPlan PlanForm(const TDesignClass& cls, TFormVariant variant) {
  TFormPlan plan;
  int label = 1, y = kFirstRowY, tab = 0;
  const TDesignMember* key = cls.Key();
  if (key && (variant == TFormVariant::Edit || !key->IsInteger())) {
    plan.rows.push_back({key, true, TRowKind::Text, label, y, tab});
    ++label;
    y += kRowHeight;
    tab += 2;
  }
  for (const TDesignMember& m : cls.members) {
    if (m.IsKey()) continue;
    const TRowKind kind = KindInfo(m.kind).row;
    plan.rows.push_back({&m, false, kind, label, y, tab});
    ++label;
    y += kind == TRowKind::Image ? kImageRowHeight : kRowHeight;
    tab += kind == TRowKind::Image ? 4 : 2;
  }
  plan.buttonY = y;
  plan.buttonTab = tab;
  return plan;
}
