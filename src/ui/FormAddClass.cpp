#include "ui/FormAddClass.h"

#include <QCheckBox>

TAddClassForm::TAddClassForm(QWidget* owner, TSubmit submit)
    : TClassFormBase(owner, tr("添加类"), QSize(261, 219), std::move(submit)) {
  setObjectName(QStringLiteral("AddClassForm"));
  frontShow_->setChecked(true);
}
