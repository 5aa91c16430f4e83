// The window's one way out to the desktop: opening the help page in the
// browser and an output directory in the file browser. Tests put a
// recorder in its place so that no browser ever starts.
#pragma once

#include <QUrl>
#include <functional>

class TDesktopOpener {
public:
  // Called on the window's thread, possibly after Open has returned, when
  // the desktop could not open the address.
  using TFailed = std::function<void()>;

  virtual ~TDesktopOpener() = default;
  virtual void Open(const QUrl& url, TFailed failed) = 0;
};

// Hands the address to the desktop's default application for it. Where
// xdg-open is found it is run and waited for without blocking, since only
// its exit status tells whether anything opened the address (a desktop
// without a file browser, say); elsewhere Qt's desktop services open it.
class TSystemDesktopOpener : public TDesktopOpener {
public:
  void Open(const QUrl& url, TFailed failed) override;
};

// The help page shipped with the program: beside the executable in a build
// tree or portable copy, else in the installed share directory. Empty
// when neither exists.
QUrl HelpPageUrl();
