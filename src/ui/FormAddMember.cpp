#include "ui/FormAddMember.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

TAddMemberForm::TAddMemberForm(QWidget* owner, const std::vector<std::string>& typeChoices,
                               TSubmit submit, TSubmit checkConstraints)
    : TMemberFormBase(owner, tr("添加成员属性"), QSize(389, 331), typeChoices, std::move(submit),
                      std::move(checkConstraints)) {
  setObjectName(QStringLiteral("AddMemberForm"));
  queryDisplay_->setChecked(true);
  memberName_->clear();
  memberType_->setCurrentIndex(0);
}
