#include "ui/MemberFormBase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/ConstraintForm.h"

TMemberFormBase::TMemberFormBase(QWidget* owner, const QString& caption, QSize clientSize,
                                 const std::vector<std::string>& typeChoices, TSubmit submit,
                                 TSubmit checkConstraints)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      submit_(std::move(submit)),
      checkConstraints_(std::move(checkConstraints)) {
  setWindowTitle(caption);
  auto named = [](QWidget* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
  };
  auto* label1 = named(new QLabel(tr("成员名称："), this), "Label1");
  memberName_ = new QLineEdit(this);
  named(memberName_, "Edt_MemberName");
  auto* label2 = named(new QLabel(tr("成员类型："), this), "Label2");
  memberType_ = new QComboBox(this);
  named(memberType_, "CB_MemberType");
  memberType_->setEditable(false);
  auto* label3 = named(new QLabel(tr("长度： "), this), "Label3");
  memberLength_ = new QLineEdit(QStringLiteral("20"), this);
  named(memberLength_, "Edt_MemberLength");
  auto* label5 = named(new QLabel(tr("(字符串类型有效)"), this), "Label5");
  isPri_ = new QCheckBox(tr("是否主键"), this);
  named(isPri_, "CB_MemberIsPri");
  isMust_ = new QCheckBox(tr("是否必填"), this);
  named(isMust_, "CB_MemberIsMust");
  queryFlag_ = new QCheckBox(tr("是否参与查询"), this);
  named(queryFlag_, "CB_QueryFlag");
  isDisplay_ = new QCheckBox(tr("下拉框显示字段"), this);
  named(isDisplay_, "CB_MemberIsDisplay");
  queryDisplay_ = new QCheckBox(tr("查询界面是否显示"), this);
  named(queryDisplay_, "CB_MemberQueryDisplay");
  auto* label4 = named(new QLabel(tr("成员注释："), this), "Label4");
  memberComment_ = new QLineEdit(this);
  named(memberComment_, "Edt_MemberComment");
  constraints_ = new QPushButton(tr("约束…"), this);
  named(constraints_, "Btn_Constraints");
  ok_ = new QPushButton(tr("确定"), this);
  named(ok_, "Button1");
  ok_->setDefault(true);
  cancel_ = new QPushButton(tr("取消"), this);
  named(cancel_, "Button2");

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(16, 16, 16, 16);
  grid->setVerticalSpacing(10);
  grid->addWidget(label1, 0, 0);
  grid->addWidget(memberName_, 0, 1, 1, 2);
  grid->addWidget(label2, 1, 0);
  grid->addWidget(memberType_, 1, 1, 1, 2);
  grid->addWidget(label3, 2, 0);
  grid->addWidget(memberLength_, 2, 1);
  grid->addWidget(label5, 2, 2);
  grid->addWidget(isPri_, 3, 1);
  grid->addWidget(isMust_, 3, 2);
  grid->addWidget(queryFlag_, 4, 1);
  grid->addWidget(isDisplay_, 4, 2);
  grid->addWidget(queryDisplay_, 5, 1);
  grid->addWidget(constraints_, 5, 2);
  grid->addWidget(label4, 6, 0);
  grid->addWidget(memberComment_, 6, 1, 1, 2);
  grid->setRowStretch(7, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addSpacing(24);
  buttons->addWidget(cancel_);
  buttons->addStretch();
  grid->addLayout(buttons, 8, 0, 1, 3);

  // Name, type and the must box first: the entries every member needs.
  setTabOrder(memberName_, memberType_);
  setTabOrder(memberType_, isMust_);
  setTabOrder(isMust_, ok_);
  setTabOrder(ok_, cancel_);
  setTabOrder(cancel_, memberComment_);
  setTabOrder(memberComment_, queryFlag_);
  setTabOrder(queryFlag_, isPri_);
  setTabOrder(isPri_, memberLength_);
  setTabOrder(memberLength_, isDisplay_);
  setTabOrder(isDisplay_, queryDisplay_);
  setTabOrder(queryDisplay_, constraints_);

  for (const auto& type : typeChoices) memberType_->addItem(QString::fromStdString(type));

  connect(ok_, &QPushButton::clicked, this, &TMemberFormBase::Confirm);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(constraints_, &QPushButton::clicked, this, &TMemberFormBase::EditConstraints);
  setFixedSize(clientSize.expandedTo(sizeHint()));
}

TMemberEntry TMemberFormBase::ReadEntry() const {
  TMemberEntry e;
  e.memberName = memberName_->text().toStdString();
  e.memberType = memberType_->currentText().toStdString();
  e.lengthText = memberLength_->text().toStdString();
  e.memberComment = memberComment_->text().toStdString();
  e.isPri = isPri_->isChecked();
  e.isMust = isMust_->isChecked();
  e.queryFlag = queryFlag_->isChecked();
  e.isDisplay = isDisplay_->isChecked();
  e.queryDisplay = queryDisplay_->isChecked();
  e.constraints = constraintEntry_;
  return e;
}

void TMemberFormBase::ShowEntry(const TMemberEntry& e) {
  memberName_->setText(QString::fromStdString(e.memberName));
  memberType_->setCurrentIndex(memberType_->findText(QString::fromStdString(e.memberType),
                                                     Qt::MatchExactly | Qt::MatchCaseSensitive));
  memberLength_->setText(QString::fromStdString(e.lengthText));
  isMust_->setChecked(e.isMust);
  queryFlag_->setChecked(e.queryFlag);
  isPri_->setChecked(e.isPri);
  isDisplay_->setChecked(e.isDisplay);
  queryDisplay_->setChecked(e.queryDisplay);
  memberComment_->setText(QString::fromStdString(e.memberComment));
  constraintEntry_ = e.constraints;
}

void TMemberFormBase::EditConstraints() {
  TConstraintForm dialog(this, ReadEntry(), checkConstraints_);
  if (dialog.exec() == QDialog::Accepted) constraintEntry_ = dialog.Constraints();
}

void TMemberFormBase::Confirm() {
  const TCommandResult result = submit_(this, ReadEntry());
  if (result) {
    accept();
    return;
  }
  // A refused empty name, and a refused length, put the focus in their box.
  if (result.field == "memberName" && memberName_->text().isEmpty()) memberName_->setFocus();
  if (result.field == "memberLength") memberLength_->setFocus();
}
