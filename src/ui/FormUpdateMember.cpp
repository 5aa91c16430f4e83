#include "ui/FormUpdateMember.h"

#include <QCheckBox>

TUpdateMemberForm::TUpdateMemberForm(QWidget* owner, const std::vector<std::string>& typeChoices,
                                     const std::optional<TMemberEntry>& current, TSubmit submit)
    : TMemberFormBase(owner, tr("更新成员属性"), QSize(372, 320), typeChoices, std::move(submit)) {
  setObjectName(QStringLiteral("UpdateMemberForm"));
  queryDisplay_->setChecked(false);
  if (current) ShowEntry(*current);
}
