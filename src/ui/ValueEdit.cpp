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

// Undo and redo are the workbench's, of the whole network, not the edit's own of its text.
bool TValueEdit::event(QEvent* Event) {
  if (Event->type() == QEvent::ShortcutOverride) {
    const auto* Key = static_cast<QKeyEvent*>(Event);
    if (Key->matches(QKeySequence::Undo) || Key->matches(QKeySequence::Redo) ||
        Key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
      Event->ignore();
      return true;
    }
  }
  return QLineEdit::event(Event);
}

void TValueEdit::keyPressEvent(QKeyEvent* Event) {
  emit KeyDown(Event->key(), Event->modifiers());
  QLineEdit::keyPressEvent(Event);
}

void TValueEdit::wheelEvent(QWheelEvent* Event) {
  if (const int N = Notches.Add(*Event)) emit Wheel(N, Event->modifiers());
}
