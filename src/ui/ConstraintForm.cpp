#include "ui/ConstraintForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TConstraintForm::TConstraintForm(QWidget* owner, const TMemberEntry& member, TCheck check)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      member_(member),
      check_(std::move(check)) {
  setObjectName(QStringLiteral("ConstraintForm"));
  setWindowTitle(tr("成员约束"));
  const TMemberConstraints& c = member.constraints;
  const auto edit = [this](const char* name, const std::string& text) {
    auto* box = new QLineEdit(QString::fromStdString(text), this);
    box->setObjectName(QString::fromLatin1(name));
    return box;
  };
  unique_ = new QCheckBox(tr("唯一"), this);
  unique_->setObjectName(QStringLiteral("CB_Unique"));
  unique_->setChecked(c.unique);
  defaultValue_ = edit("Edt_Default", c.defaultValue);
  minValue_ = edit("Edt_Min", c.minValue);
  maxValue_ = edit("Edt_Max", c.maxValue);
  choices_ = edit("Edt_Choices", JoinChoices(c.choices));
  auto* ok = new QPushButton(tr("确定"), this);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("取消"), this);
  cancel->setObjectName(QStringLiteral("Button2"));

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(16, 16, 16, 16);
  grid->addWidget(unique_, 0, 1);
  grid->addWidget(new QLabel(tr("默认值："), this), 1, 0);
  grid->addWidget(defaultValue_, 1, 1);
  grid->addWidget(new QLabel(tr("最小值："), this), 2, 0);
  grid->addWidget(minValue_, 2, 1);
  grid->addWidget(new QLabel(tr("最大值："), this), 3, 0);
  grid->addWidget(maxValue_, 3, 1);
  grid->addWidget(new QLabel(tr("可选值："), this), 4, 0);
  grid->addWidget(choices_, 4, 1);
  grid->addWidget(new QLabel(tr("(以逗号分隔，只用于字符串；布尔型的默认值为 是 或 否)"), this), 5,
                  0, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addSpacing(24);
  buttons->addWidget(cancel);
  buttons->addStretch();
  grid->addLayout(buttons, 6, 0, 1, 2);

  connect(ok, &QPushButton::clicked, this, &TConstraintForm::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TMemberConstraints TConstraintForm::Constraints() const {
  TMemberConstraints c;
  c.unique = unique_->isChecked();
  c.defaultValue = defaultValue_->text().toStdString();
  c.minValue = minValue_->text().toStdString();
  c.maxValue = maxValue_->text().toStdString();
  c.choices = SplitChoices(choices_->text().toStdString());
  return c;
}

void TConstraintForm::Confirm() {
  TMemberEntry entry = member_;
  entry.constraints = Constraints();
  const TCommandResult result = check_(this, entry);
  if (result) {
    accept();
    return;
  }
  // The refused entry gets the cursor.
  if (result.field == "defaultValue") defaultValue_->setFocus();
  if (result.field == "minValue") minValue_->setFocus();
  if (result.field == "maxValue") maxValue_->setFocus();
  if (result.field == "choices") choices_->setFocus();
}
