#include "ui/FormAddClass.h"

#include <QCheckBox>
#include <QLineEdit>

#include "store/ClassDAO.h"
#include "store/DesignRules.h"
#include "ui/MainForm.h"
#include "ui/UiCommand.h"

TAddClassForm::TAddClassForm(TFormMain& owner)
    : TClassFormBase(owner, tr("添加类"), QSize(261, 219)) {
  setObjectName(QStringLiteral("AddClassForm"));
  frontShow_->setChecked(true);
}

void TAddClassForm::Confirm() {
  TPrompter& prompter = owner_.Prompter();
  RunCommand(prompter, this, [&] {
    const int projectId = owner_.CurrentProjectId();
    const std::string name = className_->text().toStdString();
    const std::string friendName = friendName_->text().toStdString();
    if (auto refused = CheckAddClass(projectId, name, friendName)) {
      prompter.Message(this, RuleText(*refused));
      return;
    }
    TClassDAO().AddClass(projectId, name, friendName, frontShow_->isChecked() ? 1 : 0);
    owner_.LoadClasses(projectId);
    prompter.Message(this, RuleText(msg::kClassAdded));
    accept();
  });
}
