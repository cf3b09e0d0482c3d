#pragma once
// The fonts and the pen a plot panel owns. Each tells its owner about every change of an
// attribute, so that the panel can redraw at once.
#include <functional>
#include <string>

#include "platform/Canvas.h"

class TPlotFont {
public:
  TPlotFont(TFont Initial, std::function<void()> Changed);

  const TFont& Value() const { return Current; }
  void SetName(const std::string& Name);
  void SetSize(int Size);
  void SetColor(TColor Color);
  void Assign(const TFont& Font);  // every attribute, one notification

private:
  TFont Current;
  std::function<void()> Changed;
};

class TPlotPen {
public:
  explicit TPlotPen(std::function<void()> Changed);

  const TPen& Value() const { return Current; }
  void SetWidth(int Width);
  void Assign(const TPen& Pen);  // every attribute, one notification

private:
  TPen Current;
  std::function<void()> Changed;
};
