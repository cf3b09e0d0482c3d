#include "platform/PaintBox.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

TPaintBox::TPaintBox(QWidget* Parent) : QWidget(Parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  Picture.SetPixelRatio(devicePixelRatioF());
  Canvas().OnChange = [this] {
    if (!Painting) update();
  };
}

// The picture at the box's size and the ratio of the screen the box is on.
void TPaintBox::TakeSizeAndRatio() {
  const bool NewRatio = devicePixelRatioF() != Picture.PixelRatio();
  Picture.SetPixelRatio(devicePixelRatioF());
  Picture.SetSize(width(), height());
  if (NewRatio) emit PixelRatioChanged();
}

// Qt repaints a window that changes screen or ratio, so a paint is where a new ratio is sure to
// be seen; the event only makes that paint come at once.
bool TPaintBox::event(QEvent* Event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
  if (Event->type() == QEvent::DevicePixelRatioChange) update();
#endif
  if (Event->type() == QEvent::ScreenChangeInternal) update();
  return QWidget::event(Event);
}

void TPaintBox::paintEvent(QPaintEvent*) {
  Painting = true;
  TakeSizeAndRatio();
  emit Paint();
  Painting = false;
  QPainter(this).drawImage(0, 0, Picture.Image());
}

void TPaintBox::resizeEvent(QResizeEvent*) { TakeSizeAndRatio(); }

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
