#include "ui/FormUpdateClass.h"

#include <QCheckBox>
#include <QLineEdit>

TUpdateClassForm::TUpdateClassForm(QWidget* owner, const TClassEntry& current, TSubmit submit)
    : TClassFormBase(owner, tr("类更新"), QSize(271, 233), std::move(submit)) {
  setObjectName(QStringLiteral("UpdateClassForm"));
  friendName_->setText(QString::fromStdString(current.friendName));
  className_->setText(QString::fromStdString(current.className));
  frontShow_->setChecked(current.frontShow);
}
