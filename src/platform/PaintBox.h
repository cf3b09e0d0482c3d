#pragma once
// A widget that shows the picture last drawn or copied onto its canvas. Drawing on the canvas
// schedules a repaint; painting only shows the picture, after Paint has let its owner redraw it.
// The picture holds the screen's device pixels: on a screen scaled 2x it has twice the pixels in
// each direction, and its owner still draws in the box's own coordinates.
#include <QWidget>

#include "platform/Canvas.h"
#include "platform/Wheel.h"

class TPaintBox : public QWidget {
  Q_OBJECT
public:
  explicit TPaintBox(QWidget* Parent = nullptr);

  TCanvas& Canvas() { return Picture.Canvas(); }
  const QImage& Image() { return Picture.Image(); }

signals:
  void Paint();  // the box is about to be shown: its owner may redraw the picture
  // The box came onto a screen of another pixel ratio: its picture starts white at the new
  // ratio, and what its owner drew once it draws again.
  void PixelRatioChanged();
  void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void MouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
  void MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void Wheel(int Notches, Qt::KeyboardModifiers Shift, int X, int Y);  // away from the user is positive
  void MouseLeave();

protected:
  bool event(QEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void wheelEvent(QWheelEvent* Event) override;
  void leaveEvent(QEvent* Event) override;

private:
  void TakeSizeAndRatio();

  TBitmap Picture;
  TWheelNotches Notches;
  bool Painting = false;
};
