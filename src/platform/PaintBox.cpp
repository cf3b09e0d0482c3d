#include "platform/PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

TPaintBox::TPaintBox(QWidget* Parent) : QWidget(Parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  Canvas().OnChange = [this] {
    if (!Painting) update();
  };
}

void TPaintBox::paintEvent(QPaintEvent*) {
  Painting = true;
  emit Paint();
  Painting = false;
  QPainter(this).drawImage(0, 0, Picture.Image());
}

void TPaintBox::resizeEvent(QResizeEvent*) { Picture.SetSize(width(), height()); }

void TPaintBox::mousePressEvent(QMouseEvent* Event) {
  const QPoint P = Event->position().toPoint();
  emit MouseDown(Event->button(), Event->modifiers(), P.x(), P.y());
}

void TPaintBox::mouseMoveEvent(QMouseEvent* Event) {
  const QPoint P = Event->position().toPoint();
  emit MouseMove(Event->modifiers(), P.x(), P.y());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* Event) {
  const QPoint P = Event->position().toPoint();
  emit MouseUp(Event->button(), Event->modifiers(), P.x(), P.y());
}

void TPaintBox::wheelEvent(QWheelEvent* Event) {
  const QPoint P = Event->position().toPoint();
  if (const int N = Notches.Add(*Event)) emit Wheel(N, Event->modifiers(), P.x(), P.y());
}

void TPaintBox::leaveEvent(QEvent*) { emit MouseLeave(); }
