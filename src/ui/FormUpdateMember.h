// The dialog that changes a stored member of the current class.
#pragma once

#include "ui/MemberFormBase.h"

class TUpdateMemberForm : public TMemberFormBase {
  Q_OBJECT
public:
  // Shows the member as stored (nothing loaded when current is empty).
  TUpdateMemberForm(QWidget* owner, const std::vector<std::string>& typeChoices,
                    const std::optional<TMemberEntry>& current, TSubmit submit,
                    TSubmit checkConstraints);
};
