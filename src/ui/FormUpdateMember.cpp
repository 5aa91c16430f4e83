#include "ui/FormUpdateMember.h"

#include <QCheckBox>

#include "store/MemberDAO.h"
#include "ui/MainForm.h"
#include "ui/UiCommand.h"

TUpdateMemberForm::TUpdateMemberForm(TFormMain& owner, int memberId)
    : TMemberFormBase(owner, tr("更新成员属性"), QSize(372, 320)), memberId_(memberId) {
  setObjectName(QStringLiteral("UpdateMemberForm"));
  queryDisplay_->setChecked(false);
  RunCommand(owner_.Prompter(), &owner_, [&] {
    FillMemberTypes();
    if (auto member = TMemberDAO().GetMember(memberId_)) ShowEntry(EntryFromMember(*member));
  });
}

void TUpdateMemberForm::Store(const TMember& member) {
  TMember changed = member;
  changed.memberId = memberId_;
  TMemberDAO().UpdateMember(changed);
}

TRuleResult TUpdateMemberForm::Check(const TMemberEntry& entry) const {
  return CheckUpdateMember(entry);
}

const char* TUpdateMemberForm::DoneMessage() const {
  return msg::kMemberUpdated;
}
