#include "ui/FormAddMember.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "store/MemberDAO.h"
#include "ui/MainForm.h"
#include "ui/UiCommand.h"

TAddMemberForm::TAddMemberForm(TFormMain& owner)
    : TMemberFormBase(owner, tr("添加成员属性"), QSize(389, 331)) {
  setObjectName(QStringLiteral("AddMemberForm"));
  queryDisplay_->setChecked(true);
  RunCommand(owner_.Prompter(), &owner_, [&] { FillMemberTypes(); });
  memberName_->clear();
  memberType_->setCurrentIndex(0);
}

void TAddMemberForm::Store(const TMember& member) {
  TMemberDAO().AddMember(member);
}

TRuleResult TAddMemberForm::Check(const TMemberEntry& entry) const {
  return CheckAddMember(entry);
}

const char* TAddMemberForm::DoneMessage() const {
  return msg::kMemberAdded;
}
