#include "ui/DataBaseSqlForm.h"

#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/UserFiles.h"
#include "sqlscript/DataBaseSql.h"
#include "ui/Prompter.h"
#include "ui/UiCommand.h"
#include "vocabulary/Encoding.h"

TDataBaseSqlForm::TDataBaseSqlForm(QWidget* owner, TPrompter& prompter, int projectId)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      prompter_(prompter),
      projectId_(projectId) {
  setObjectName(QStringLiteral("DataBaseSqlForm"));
  setWindowTitle(tr("数据库建表sql语句"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 4);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(QStringLiteral("Memo_Sql"));
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The script lines up its columns with tabs every four characters, in a
  // fixed-width font; lines wider than the window scroll sideways.
  memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  memo_->setTabStopDistance(4 * QFontMetricsF(memo_->font()).horizontalAdvance(QLatin1Char(' ')));
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  layout->addWidget(memo_, 1);

  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(6, 0, 6, 0);
  problems_ = new QLabel(this);
  problems_->setObjectName(QStringLiteral("Label_Problems"));
  problems_->setWordWrap(true);
  problems_->hide();
  bar->addWidget(problems_, 1);
  saved_ = new QLabel(this);
  saved_->setObjectName(QStringLiteral("Label_Saved"));
  // A long path is shortened in the middle; the tip holds all of it.
  saved_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  saved_->hide();
  bar->addWidget(saved_, 1);
  saveAs_ = new QPushButton(tr("另存为…"), this);
  saveAs_->setObjectName(QStringLiteral("Btn_SaveAs"));
  saveAs_->setAutoDefault(false);
  saveAs_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  bar->addStretch();
  bar->addWidget(saveAs_);
  layout->addLayout(bar);
  connect(saveAs_, &QPushButton::clicked, this, &TDataBaseSqlForm::SaveAs);

  setFixedSize(QSize(766, 551).expandedTo(sizeHint()));
}

void TDataBaseSqlForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (built_) return;
  built_ = true;
  BuildScript();
}

void TDataBaseSqlForm::BuildScript() {
  RunCommand(prompter_, this, [&] {
    const TTableScript script = BuildTableScript(projectId_);
    memo_->setPlainText(QString::fromStdString(script.text));
    if (!script.problems.empty()) {
      QStringList lines;
      for (const auto& p : script.problems) lines << QString::fromStdString(p);
      problems_->setText(tr("脚本不完整: %1").arg(lines.join(QStringLiteral("; "))));
      problems_->show();
    }
  });
}

void TDataBaseSqlForm::SaveTo(const QString& path, bool gbk) const {
  QString text = memo_->toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  const std::string utf8 = text.toStdString();
  const std::string bytes = gbk ? Utf8ToGbk(utf8, path.toStdString()) : utf8;
  WriteUserFile(path.toStdString(), bytes);
}

void TDataBaseSqlForm::SaveAs() {
  const QStringList types = {tr("SQL 脚本, UTF-8 编码 (*.sql)"), tr("SQL 脚本, GBK 编码 (*.sql)")};
  const auto choice =
      prompter_.AskSaveFile(this, tr("另存为"), QStringLiteral("create-tables.sql"), types);
  if (!choice) return;
  saved_->hide();
  RunCommand(prompter_, this, [&] {
    const bool gbk = choice->typeIndex == 1;
    SaveTo(choice->path, gbk);
    const QString where = tr("已保存到 %1 (%2 编码)")
                              .arg(QDir::toNativeSeparators(choice->path),
                                   gbk ? QStringLiteral("GBK") : QStringLiteral("UTF-8"));
    saved_->setToolTip(where);
    saved_->show();
    layout()->activate();
    saved_->setText(saved_->fontMetrics().elidedText(where, Qt::ElideMiddle, saved_->width()));
  });
}
