#pragma once
// A widget that shows the picture last drawn or copied onto its canvas. Drawing on the canvas
// schedules a repaint; painting only shows the picture, after Paint has let its owner redraw it.
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
  void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void MouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
  void MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void Wheel(int Notches, Qt::KeyboardModifiers Shift, int X, int Y);  // away from the user is positive
  void MouseLeave();

protected:
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void wheelEvent(QWheelEvent* Event) override;
  void leaveEvent(QEvent* Event) override;

private:
  TBitmap Picture;
  TWheelNotches Notches;
  bool Painting = false;
};
