#include "ui/FormUpdateClass.h"

#include <QCheckBox>
#include <QLineEdit>

#include "store/ClassDAO.h"
#include "store/DesignRules.h"
#include "ui/MainForm.h"
#include "ui/UiCommand.h"

TUpdateClassForm::TUpdateClassForm(TFormMain& owner, int classId)
    : TClassFormBase(owner, tr("类更新"), QSize(271, 233)), classId_(classId) {
  setObjectName(QStringLiteral("UpdateClassForm"));
  RunCommand(owner_.Prompter(), &owner_, [&] {
    TClassDAO classes;
    friendName_->setText(QString::fromStdString(classes.GetFriendName(classId_)));
    className_->setText(owner_.CurrentClassName());
    frontShow_->setChecked(classes.GetFrontShowFlag(classId_) == 1);
  });
}

void TUpdateClassForm::Confirm() {
  TPrompter& prompter = owner_.Prompter();
  RunCommand(prompter, this, [&] {
    const int frontShow = frontShow_->isChecked() ? 1 : 0;
    const int projectId = owner_.CurrentProjectId();
    const std::string name = className_->text().toStdString();
    const std::string friendName = friendName_->text().toStdString();
    if (auto refused = CheckUpdateClass(projectId, classId_, name, friendName)) {
      prompter.Message(this, RuleText(*refused));
      return;
    }
    TClassDAO().UpdateClass(projectId, classId_, name, friendName, frontShow);
    owner_.RenameCurrentClass(className_->text());
    prompter.Message(this, RuleText(msg::kClassUpdated));
    accept();
  });
}
