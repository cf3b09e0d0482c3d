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
  const std::string& Name() const { return Current.Name; }
  int Size() const { return Current.Size; }
  bool Bold() const { return Current.Bold; }
  TColor Color() const { return Current.Color; }

  void SetName(const std::string& Name);
  void SetSize(int Size);
  void SetBold(bool Bold);
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
  TColor Color() const { return Current.Color; }
  int Width() const { return Current.Width; }
  TPenMode Mode() const { return Current.Mode; }

  void SetColor(TColor Color);
  void SetWidth(int Width);
  void SetMode(TPenMode Mode);
  void Assign(const TPen& Pen);

private:
  TPen Current;
  std::function<void()> Changed;
};
