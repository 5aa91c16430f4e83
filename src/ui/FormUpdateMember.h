// The dialog that changes a stored member of the current class.
#pragma once

#include "ui/MemberFormBase.h"

class TUpdateMemberForm : public TMemberFormBase {
  Q_OBJECT
public:
  TUpdateMemberForm(TFormMain& owner, int memberId);

protected:
  void Store(const TMember& member) override;
  TRuleResult Check(const TMemberEntry& entry) const override;
  const char* DoneMessage() const override;

private:
  int memberId_;
};
