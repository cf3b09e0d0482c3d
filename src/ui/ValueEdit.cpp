#include "ui/ValueEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>

void TValueEdit::ShowText(const QString& Text) {
  setText(Text);
  home(false);
}

void TValueEdit::mouseReleaseEvent(QMouseEvent* Event) {
  QLineEdit::mouseReleaseEvent(Event);
  emit Clicked();
}

void TValueEdit::keyPressEvent(QKeyEvent* Event) {
  emit KeyDown(Event->key(), Event->modifiers());
  QLineEdit::keyPressEvent(Event);
}

void TValueEdit::wheelEvent(QWheelEvent* Event) {
  if (const int N = Notches.Add(*Event)) emit Wheel(N, Event->modifiers());
}
