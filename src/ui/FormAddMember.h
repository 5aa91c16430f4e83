// The dialog that adds a member to the current class.
#pragma once

#include "ui/MemberFormBase.h"

class TAddMemberForm : public TMemberFormBase {
  Q_OBJECT
public:
  TAddMemberForm(QWidget* owner, const std::vector<std::string>& typeChoices, TSubmit submit,
                 TSubmit checkConstraints);
};
