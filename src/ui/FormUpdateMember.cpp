#include "ui/FormUpdateMember.h"

#include <QCheckBox>

TUpdateMemberForm::TUpdateMemberForm(QWidget* owner, const std::vector<std::string>& typeChoices,
                                     const std::optional<TMemberEntry>& current, TSubmit submit,
                                     TSubmit checkConstraints)
    : TMemberFormBase(owner, tr("更新成员属性"), QSize(372, 320), typeChoices, std::move(submit),
                      std::move(checkConstraints)) {
  setObjectName(QStringLiteral("UpdateMemberForm"));
  queryDisplay_->setChecked(false);
  if (current) ShowEntry(*current);
}
