// What the plot panel draws besides its grid and points: the marker line, the scale at the left
// with its layers, and the legend. They go on PlotBMP before the points: the marker hides none.
#include <cmath>
#include <cstdlib>

#include "plotter/MarkText.h"
#include "plotter/PlotTicks.h"
#include "plotter/Plotter.h"

namespace {

// The legend's stroke before a name, and the room after it, in pixels.
constexpr int LegendStroke = 15, LegendSpace = 12;

}  // namespace

void TPlotPanel::SetXMarker(std::optional<long double> Value) {
  FXMarker = Value;
  Redraw();
}

void TPlotPanel::SetLeftScale(std::optional<TPlotScale> Value) {
  FLeftScale = Value;
  Redraw();
}

void TPlotPanel::SetLayerOnLeftScale(int Layer, bool Value) {
  FOnLeftScale.at(Layer) = Value;
  Redraw();
}

void TPlotPanel::SetLegend(std::vector<TLegendEntry> Value) {
  FLegend = std::move(Value);
  Redraw();
}

// Pixels above the plot area's bottom, on the layer's scale.
long double TPlotPanel::LayerY(int Layer, long double Y) const {
  if (!FLeftScale || !FOnLeftScale[Layer]) return (Y - Axes.YMin) * Axes.YScale;
  const TPlotScale& S = *FLeftScale;
  return (Y - S.Min) * (Axes.PlotHeight / (S.Max - S.Min));
}

void TPlotPanel::DrawXMarker(TCanvas& C) {
  if (Axes.XLog && !(*FXMarker > 0)) return;
  const int X = XToPixel(Axes, Axes.XLog ? std::log10(*FXMarker) : *FXMarker);
  C.Pen.Color = MarkerColor;
  DrawXLine(C, X);
  C.Pen.Color = FGridColor;
}

// Ticks at the plot area's left edge and texts right-aligned against it.
void TPlotPanel::DrawLeftScale(TCanvas& C) {
  const TPlotScale& S = *FLeftScale;
  if (!(S.Max > S.Min)) return;
  C.Font = FYMarksFont.Value();
  C.Font.Color = S.Color;
  C.Pen.Color = S.Color;
  C.Brush.SetColor(Color());
  const int Bottom = Axes.Height - Axes.BottomMargin;
  const long double Interval = WidenInterval(Axes.PlotHeight, S.Min, S.Max, S.Interval > 0 ? S.Interval : 1);
  for (const long double V : LinearTicks(FirstMark(S.Min, Interval), Interval, S.Max)) {
    const int Y = Bottom - RoundPixel((V - S.Min) * (Axes.PlotHeight / (S.Max - S.Min)));
    C.MoveTo(Axes.LeftMargin, Y);
    C.LineTo(Axes.LeftMargin + 5, Y);
    const std::string Text = YMarkText(V);
    C.TextOut(Axes.LeftMargin - 3 - C.TextWidth(Text), Y - C.TextHeight(Text) / 2, Text);
  }
  C.Pen.Color = FGridColor;
}

// A row under the X marks, centred under the plot area: each name after a short stroke of its
// colour.
void TPlotPanel::DrawLegend(TCanvas& C) {
  C.Font = FXMarksFont.Value();
  C.Brush.SetColor(Color());
  int Width = 0;
  for (const TLegendEntry& E : FLegend) Width += LegendStroke + C.TextWidth(E.Text) + LegendSpace;
  int X = Axes.LeftMargin + (Axes.PlotWidth - Width + LegendSpace) / 2;
  const int Height = std::abs(FXMarksFont.Value().Height());
  const int Top = Axes.Height - Axes.BottomMargin + 3 + Height + 1;
  C.Pen.Width = 2;
  for (const TLegendEntry& E : FLegend) {
    C.Pen.Color = E.Color;
    C.MoveTo(X, Top + Height / 2 + 1);
    C.LineTo(X + LegendStroke - 3, Top + Height / 2 + 1);
    C.Font.Color = E.Color;
    C.TextOut(X + LegendStroke, Top, E.Text);
    X += LegendStroke + C.TextWidth(E.Text) + LegendSpace;
  }
  C.Pen.Width = 1;
  C.Pen.Color = FGridColor;
}
