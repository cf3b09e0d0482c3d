#include "plotter/PlotStyle.h"

#include <utility>

TPlotFont::TPlotFont(TFont Initial, std::function<void()> Changed)
    : Current(std::move(Initial)), Changed(std::move(Changed)) {}

void TPlotFont::Assign(const TFont& Font) {
  if (Font == Current) return;
  Current = Font;
  Changed();
}

void TPlotFont::SetName(const std::string& Name) { Assign({Name, Current.Size, Current.Bold, Current.Color}); }

void TPlotFont::SetSize(int Size) { Assign({Current.Name, Size, Current.Bold, Current.Color}); }

void TPlotFont::SetColor(TColor Color) { Assign({Current.Name, Current.Size, Current.Bold, Color}); }

TPlotPen::TPlotPen(std::function<void()> Changed) : Changed(std::move(Changed)) {}

void TPlotPen::Assign(const TPen& Pen) {
  if (Pen == Current) return;
  Current = Pen;
  Changed();
}

void TPlotPen::SetWidth(int Width) { Assign({Current.Color, Width, Current.Mode}); }
