// The layout of the add and edit forms, checked with known coordinates:
// label numbers, row tops, tab indexes and the button's place.
#include <gtest/gtest.h>

#include "generate/FormPlan.h"

namespace {

TDesignMember Member(const std::string& name, TFieldKind kind, bool key = false) {
  TDesignMember m;
  m.memberName = name;
  m.kind = kind;
  m.memberIsPri = key ? 1 : 0;
  m.memberIsInteger = KindInfo(kind).setsIntegerFlag ? 1 : 0;
  return m;
}

TDesignClass Class(std::vector<TDesignMember> members) {
  TDesignClass cls;
  cls.className = "Book";
  cls.members = std::move(members);
  return cls;
}

struct TPlace {
  std::string member;
  int label, y, tab;
  bool operator==(const TPlace&) const = default;
};

std::vector<TPlace> Places(const TFormPlan& plan) {
  std::vector<TPlace> places;
  for (const TRowPlace& row : plan.rows)
    places.push_back({row.member->memberName, row.label, row.y, row.tab});
  return places;
}

TEST(FormPlan, IntegerKeyIsLeftOffTheAddFormAndShownFirstOnTheEditForm) {
  const TDesignClass cls =
      Class({Member("id", TFieldKind::Integer, true), Member("title", TFieldKind::String),
             Member("kind", TFieldKind::IntegerReference)});
  const TFormPlan add = PlanForm(cls, TFormVariant::Add);
  EXPECT_EQ(Places(add), (std::vector<TPlace>{{"title", 1, 47, 0}, {"kind", 2, 82, 2}}));
  EXPECT_EQ(add.buttonY, 117);
  EXPECT_EQ(add.buttonTab, 4);

  const TFormPlan edit = PlanForm(cls, TFormVariant::Edit);
  EXPECT_EQ(Places(edit),
            (std::vector<TPlace>{{"id", 1, 47, 0}, {"title", 2, 82, 2}, {"kind", 3, 117, 4}}));
  EXPECT_TRUE(edit.rows[0].isKey);
  EXPECT_EQ(edit.buttonY, 152);
  EXPECT_EQ(edit.buttonTab, 6);
}

TEST(FormPlan, StringKeyIsTypedOnBothForms) {
  const TDesignClass cls =
      Class({Member("title", TFieldKind::String), Member("code", TFieldKind::String, true),
             Member("kind", TFieldKind::StringReference)});
  for (TFormVariant variant : {TFormVariant::Add, TFormVariant::Edit}) {
    const TFormPlan plan = PlanForm(cls, variant);
    EXPECT_EQ(Places(plan),
              (std::vector<TPlace>{{"code", 1, 47, 0}, {"title", 2, 82, 2}, {"kind", 3, 117, 4}}));
    EXPECT_EQ(plan.buttonY, 152);
    EXPECT_EQ(plan.buttonTab, 6);
  }
}

TEST(FormPlan, ImageRowIsTallerAndTakesFourTabStops) {
  const TDesignClass cls =
      Class({Member("code", TFieldKind::String, true), Member("cover", TFieldKind::Image),
             Member("price", TFieldKind::Float), Member("made", TFieldKind::Date)});
  const TFormPlan plan = PlanForm(cls, TFormVariant::Add);
  EXPECT_EQ(
      Places(plan),
      (std::vector<TPlace>{
          {"code", 1, 47, 0}, {"cover", 2, 82, 2}, {"price", 3, 260, 6}, {"made", 4, 295, 8}}));
  EXPECT_EQ(plan.buttonY, 330);
}

TEST(FormPlan, ClassWithOnlyAnIntegerKeyHasOnlyTheButtonOnTheAddForm) {
  const TFormPlan plan =
      PlanForm(Class({Member("id", TFieldKind::Integer, true)}), TFormVariant::Add);
  EXPECT_TRUE(plan.rows.empty());
  EXPECT_EQ(plan.buttonY, 47);
  EXPECT_EQ(plan.buttonTab, 0);
}

}  // namespace
