#pragma once
// A one-line edit that also reports a click (after the edit has handled it, so the handler's text
// selection stands) and every key press (before the edit handles it; the key is passed on).
#include <QLineEdit>

class TValueEdit : public QLineEdit {
  Q_OBJECT
public:
  using QLineEdit::QLineEdit;

signals:
  void Clicked();
  void KeyDown(int Key, Qt::KeyboardModifiers Shift);

protected:
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
};
