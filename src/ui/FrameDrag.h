#pragma once
// Dragging a child widget by its frame: a left press where Grips says, then the mouse moves the
// widget, kept inside the bounds its owner gives, until the button is released. Over a grip the
// cursor shows that the widget can be moved.
#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>

class QWidget;

struct TDragRules {
  std::function<bool(QPoint)> Grips;   // whether a press at this point of the widget starts a drag
  std::function<QRect()> Bounds;       // where the widget may lie in its parent
  std::function<void(QPoint)> Moved;   // its new top-left corner, after each move
};

class TFrameDrag : public QObject {
public:
  // Watches Target's mouse events; Target owns the watcher.
  TFrameDrag(QWidget* Target, TDragRules Rules);

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  bool Press(QPoint At);
  bool Move(QPoint At);
  // Where the widget's top-left corner goes for the mouse at At, inside the bounds.
  QPoint Place(QPoint At) const;

  QWidget* Target;
  TDragRules Rules;
  std::optional<QPoint> Held;  // the grip's point in the widget while a drag goes on
};
