#include "ui/Banner.h"

#include <QMouseEvent>
#include <QMovie>

TBanner::TBanner(QWidget* parent)
    : QLabel(parent), movie_(new QMovie(QStringLiteral(":/ui/banner.gif"), {}, this)) {
  setObjectName(QStringLiteral("Image1"));
  setFixedHeight(89);
  setScaledContents(true);
  setCursor(Qt::PointingHandCursor);
  setMovie(movie_);
  movie_->start();
}

void TBanner::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit Clicked();
  QLabel::mouseReleaseEvent(event);
}
