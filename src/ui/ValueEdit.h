#pragma once
// A one-line edit that also reports a click (after the edit has handled it, so the handler's text
// selection stands) and every key press (before the edit handles it; the key is passed on).
#include <QLineEdit>

#include "platform/Wheel.h"

class TValueEdit : public QLineEdit {
  Q_OBJECT
public:
  using QLineEdit::QLineEdit;

  // Sets the text scrolled to its start, so that a narrow edit shows a value's sign.
  void ShowText(const QString& Text);

signals:
  void Clicked();
  void KeyDown(int Key, Qt::KeyboardModifiers Shift);
  void Wheel(int Notches, Qt::KeyboardModifiers Shift);  // away from the user is positive

protected:
  void mouseReleaseEvent(QMouseEvent* Event) override;
  bool event(QEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void wheelEvent(QWheelEvent* Event) override;

private:
  TWheelNotches Notches;
};
