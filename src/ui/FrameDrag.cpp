#include "ui/FrameDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

TFrameDrag::TFrameDrag(QWidget* Target, TDragRules Rules) : QObject(Target), Target(Target), Rules(std::move(Rules)) {
  Target->installEventFilter(this);
}

bool TFrameDrag::eventFilter(QObject*, QEvent* Event) {
  switch (Event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* Mouse = static_cast<QMouseEvent*>(Event);
      return Mouse->button() == Qt::LeftButton && Press(Mouse->position().toPoint());
    }
    case QEvent::MouseMove: return Move(static_cast<QMouseEvent*>(Event)->position().toPoint());
    case QEvent::MouseButtonRelease: {
      const bool Dragged = Held.has_value();
      Held.reset();
      return Dragged;
    }
    default: return false;
  }
}

bool TFrameDrag::Press(QPoint At) {
  if (!Rules.Grips(At)) return false;
  Held = At;
  return true;
}

bool TFrameDrag::Move(QPoint At) {
  if (!Held) {
    Target->setCursor(Rules.Grips(At) ? Qt::SizeAllCursor : Qt::ArrowCursor);
    return false;
  }
  const QPoint Corner = Place(At);
  if (Corner == Target->pos()) return true;
  Target->move(Corner);
  Rules.Moved(Corner);
  return true;
}

// At is in the widget's coordinates as they were before this move.
QPoint TFrameDrag::Place(QPoint At) const {
  const QPoint Wanted = Target->pos() + At - *Held;
  const QRect Bounds = Rules.Bounds();
  return {std::clamp(Wanted.x(), Bounds.left(), std::max(Bounds.left(), Bounds.right() + 1 - Target->width())),
          std::clamp(Wanted.y(), Bounds.top(), std::max(Bounds.top(), Bounds.bottom() + 1 - Target->height()))};
}
