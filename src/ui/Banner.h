// The animated banner across the top of the main window: the GIF is
// stretched to the band's width, and a click on it asks for the help page.
#pragma once

#include <QLabel>

class QMovie;

class TBanner : public QLabel {
  Q_OBJECT
public:
  explicit TBanner(QWidget* parent = nullptr);

signals:
  void Clicked();

protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  QMovie* movie_;
};
