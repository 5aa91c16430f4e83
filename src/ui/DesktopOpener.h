// The window's one way out to the desktop: opening the help page in the
// browser and an output directory in the file browser. Tests put a
// recorder in its place so that no browser ever starts.
#pragma once

#include <QUrl>

class TDesktopOpener {
public:
  virtual ~TDesktopOpener() = default;
  virtual void Open(const QUrl& url) = 0;
};

// Hands the address to the desktop's default application for it.
class TSystemDesktopOpener : public TDesktopOpener {
public:
  void Open(const QUrl& url) override;
};

// The help page shipped with the program: beside the executable in a build
// tree or portable copy, else in the installed share directory. Empty
// when neither exists.
QUrl HelpPageUrl();
