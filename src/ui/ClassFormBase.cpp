#include "ui/ClassFormBase.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TClassFormBase::TClassFormBase(QWidget* owner, const QString& caption, QSize clientSize,
                               TSubmit submit)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      submit_(std::move(submit)) {
  setWindowTitle(caption);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(16, 16, 16, 16);
  grid->setVerticalSpacing(12);

  auto* label1 = new QLabel(tr("类英文名称:"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  className_ = new QLineEdit(this);
  className_->setObjectName(QStringLiteral("Edt_ClassName"));
  auto* label2 = new QLabel(tr("中文友好名称:"), this);
  label2->setObjectName(QStringLiteral("Label2"));
  friendName_ = new QLineEdit(this);
  friendName_->setObjectName(QStringLiteral("Edt_FriendName"));
  frontShow_ = new QCheckBox(tr("是否前台显示"), this);
  frontShow_->setObjectName(QStringLiteral("CB_FrontShowFlag"));
  ok_ = new QPushButton(tr("确定"), this);
  ok_->setObjectName(QStringLiteral("Button1"));
  ok_->setDefault(true);

  grid->addWidget(label1, 0, 0);
  grid->addWidget(className_, 0, 1);
  grid->addWidget(label2, 1, 0);
  grid->addWidget(friendName_, 1, 1);
  grid->addWidget(frontShow_, 2, 1);
  grid->setRowStretch(3, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addStretch();
  grid->addLayout(buttons, 4, 0, 1, 2);

  setTabOrder(className_, friendName_);
  setTabOrder(friendName_, ok_);
  setTabOrder(ok_, frontShow_);

  connect(ok_, &QPushButton::clicked, this, [this] { Confirm(); });
  setFixedSize(clientSize.expandedTo(sizeHint()));
}

TClassEntry TClassFormBase::Entry() const {
  return {className_->text().toStdString(), friendName_->text().toStdString(),
          frontShow_->isChecked()};
}

void TClassFormBase::Confirm() {
  if (submit_(this, Entry())) accept();
}
