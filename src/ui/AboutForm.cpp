#include "ui/AboutForm.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/Prompter.h"
#include "ui/Startup.h"
#include "vocabulary/BaseDirectory.h"

namespace {

// A path as the user's file browser and shell take it: absolute, native.
QString Shown(const std::filesystem::path& path) {
  return QDir::toNativeSeparators(
      QDir::cleanPath(QDir(QString::fromStdString(path.string())).absolutePath()));
}

}  // namespace

TAboutForm::TAboutForm(QWidget* owner, const std::filesystem::path& resourceDir,
                       const std::filesystem::path& baseDir)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(tr("关于"));
  auto* layout = new QVBoxLayout(this);
  auto* name =
      new QLabel(QStringLiteral("<b>%1</b>").arg(ApplicationTitle().toHtmlEscaped()), this);
  name->setObjectName(QStringLiteral("Label_Name"));
  layout->addWidget(name);

  auto* form = new QFormLayout;
  layout->addLayout(form);
  // Paths can be selected and copied into a file browser or a shell.
  const auto row = [&](const char* objectName, const QString& label, const QString& text) {
    auto* value = new QLabel(text, this);
    value->setObjectName(QString::fromLatin1(objectName));
    value->setTextFormat(Qt::PlainText);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    form->addRow(label, value);
  };
  row("Label_Version", tr("版本:"), ProgramVersion());
  row("Label_Skeleton", tr("骨架解决方案:"), Shown(resourceDir));
  row("Label_Database", tr("设计数据库:"), Shown(DesignDatabasePath(baseDir)));
  row("Label_Output", tr("生成输出:"), Shown(baseDir / "projects"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
}
