// The 关于 box of the 帮助 menu: the program's name and version, and where
// it keeps what the user may look for on disk: the skeleton solution it
// fills, the design database it works on and the folder it generates into.
#pragma once

#include <QDialog>
#include <filesystem>

class TAboutForm : public QDialog {
  Q_OBJECT
public:
  TAboutForm(QWidget* owner, const std::filesystem::path& resourceDir,
             const std::filesystem::path& baseDir);
};
