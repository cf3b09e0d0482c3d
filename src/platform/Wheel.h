#pragma once
// Whole notches of a mouse wheel: a fine-grained wheel or touchpad sends parts of a notch, which
// add up until they make one.
#include <QWheelEvent>

class TWheelNotches {
public:
  int Add(const QWheelEvent& Event) {
    Rest += Event.angleDelta().y();
    const int Notches = Rest / Notch;
    Rest -= Notches * Notch;
    return Notches;
  }

private:
  static constexpr int Notch = 120;  // eighths of a degree
  int Rest = 0;
};
