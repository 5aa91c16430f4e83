// The dialog that adds a member to the current class.
#pragma once

#include "ui/MemberFormBase.h"

class TAddMemberForm : public TMemberFormBase {
  Q_OBJECT
public:
  explicit TAddMemberForm(TFormMain& owner);

protected:
  void Store(const TMember& member) override;
  TRuleResult Check(const TMemberEntry& entry) const override;
  const char* DoneMessage() const override;
};
