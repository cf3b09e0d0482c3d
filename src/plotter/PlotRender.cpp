// The full redraw of the plot panel: panel colour, plot area, grid, title, marks, the marker and
// the legend on PlotBMP, then the stored points replayed on Buffer and carried over through the
// plot area, over the marker.
#include <cmath>
#include <cstdlib>

#include "plotter/Plotter.h"
#include "plotter/MarkText.h"
#include "plotter/PlotTicks.h"

namespace {

// The least room between two X mark texts, in pixels.
constexpr int MarkGap = 4;

}  // namespace

// While held, a change only marks the picture stale: the hold's end draws it once.
void TPlotPanel::Redraw() {
  if (FHold) {
    FStale = true;
    return;
  }
  FStale = false;
  Axes.Width = width();
  Axes.Height = height();
  CalcMargins();
  CalcScale(Axes);
  const int B = 2 * BevelWidth;
  FPlotBMP.SetSize(Axes.Width - B, Axes.Height - B);
  FBuffer.SetSize(Axes.Width, Axes.Height);
  FInnerRect = {B, B, Axes.Width - B, Axes.Height - B};
  FPlotRect = PlotRectOf(Axes);
  TCanvas& C = FPlotBMP.Canvas();
  C.Brush.SetColor(Color());
  C.FillRect(FInnerRect);
  FXMarkBoxes.clear();
  if (HasPlotArea(Axes)) {
    C.Brush.SetColor(FBackColor);
    C.FillRect(FPlotRect);
    C.Pen.Color = FGridColor;
    C.Pen.Width = 1;
    Axes.XLog ? DrawXLogGrid(C) : DrawXGrid(C);
    DrawYGrid(C);
    if (!FTitle.empty()) DrawTitle(C);
    if (FXMarks) Axes.XLog ? DrawXLogMarks(C) : DrawXMarks(C);
    if (FYMarks) DrawYMarks(C);
    if (FLeftScale) DrawLeftScale(C);
    if (FXMarker) DrawXMarker(C);
    if (!FLegend.empty()) DrawLegend(C);
    FBuffer.Canvas().CopyRect(FPlotRect, C, FPlotRect);
    ReplayPoints();
    CopyToPlotBMP();
  }
  CopyToScreen();
}

void TPlotPanel::CalcMargins() {
  const int M = Axes.Margin;
  Axes.LeftMargin = FLeftScale ? M + 22 : M;
  Axes.TopMargin = FTitle.empty() ? M : std::abs(FFont.Value().Height()) + M + 2;
  Axes.BottomMargin = FXMarks ? std::abs(FXMarksFont.Value().Height()) + M + 2 : M;
  if (!FLegend.empty()) Axes.BottomMargin += std::abs(FXMarksFont.Value().Height()) + 1;
  Axes.RightMargin = FYMarks ? M + 22 : M;
}

void TPlotPanel::DrawXLine(TCanvas& C, int X) {
  C.MoveTo(X, Axes.TopMargin);
  C.LineTo(X, Axes.Height - Axes.BottomMargin);
}

void TPlotPanel::DrawXGrid(TCanvas& C) {
  // The widened step is kept: the marks of this redraw, and the caller, read it.
  FXMarksInterval = WidenInterval(Axes.Width, Axes.XMin, Axes.XMax, FXMarksInterval);
  FFirstXMark = FirstMark(Axes.XMin, FXMarksInterval);
  for (const long double V : LinearTicks(FFirstXMark, FXMarksInterval, Axes.XMax)) DrawXLine(C, XToPixel(Axes, V));
}

void TPlotPanel::DrawXLogGrid(TCanvas& C) {
  for (const long double V : LogGridTicks(Axes.XMin, Axes.XMax)) DrawXLine(C, XToPixel(Axes, std::log10(V)));
}

void TPlotPanel::DrawYGrid(TCanvas& C) {
  FYMarksInterval = WidenInterval(Axes.Height, Axes.YMin, Axes.YMax, FYMarksInterval);
  FFirstYMark = FirstMark(Axes.YMin, FYMarksInterval);
  for (const long double V : LinearTicks(FFirstYMark, FYMarksInterval, Axes.YMax)) {
    const int Y = YToPixel(Axes, V);
    C.MoveTo(Axes.LeftMargin, Y);
    C.LineTo(Axes.Width - Axes.RightMargin, Y);
  }
}

void TPlotPanel::DrawTitle(TCanvas& C) {
  C.Brush.SetColor(Color());
  C.Font = FFont.Value();
  C.TextOut((Axes.Width - C.TextWidth(FTitle)) / 2, 2 * BevelWidth + Axes.Margin / 2, FTitle);
}

// AxisX is the value on the axis: its logarithm under XLog.
TMarkBox TPlotPanel::XMarkBox(TCanvas& C, long double Value, long double AxisX, const std::string& Text) {
  const int Left = XToPixel(Axes, AxisX) - C.TextWidth(Text) / 2;
  return {Value, Text, Left, Left + C.TextWidth(Text)};
}

void TPlotPanel::DrawXMarkBoxes(TCanvas& C, std::vector<TMarkBox> Boxes) {
  FXMarkBoxes = std::move(Boxes);
  for (const TMarkBox& B : FXMarkBoxes) C.TextOut(B.Left, Axes.Height - Axes.BottomMargin + 3, B.Text);
}

void TPlotPanel::DrawXMarks(TCanvas& C) {
  C.Brush.SetColor(Color());
  C.Font = FXMarksFont.Value();
  std::vector<TMarkBox> Boxes;
  for (const long double V : LinearTicks(FFirstXMark, FXMarksInterval, Axes.XMax))
    Boxes.push_back(XMarkBox(C, V, V, XMarkText(V)));
  DrawXMarkBoxes(C, ThinLinearMarks(Boxes, FXMarksInterval, MarkGap));
}

void TPlotPanel::DrawXLogMarks(TCanvas& C) {
  C.Brush.SetColor(Color());
  C.Font = FXMarksFont.Value();
  const std::vector<TLogMark> Marks = LogMarks(Axes.XMin, Axes.XMax);
  std::vector<TMarkBox> Boxes;
  for (const TLogMark& M : Marks) Boxes.push_back(XMarkBox(C, M.Value, std::log10(M.Value), XLogMarkText(M.Value)));
  DrawXMarkBoxes(C, ThinLogMarks(Marks, Boxes, MarkGap));
}

void TPlotPanel::DrawYMarks(TCanvas& C) {
  C.Brush.SetColor(Color());
  C.Font = FYMarksFont.Value();
  const int Bottom = Axes.Height - Axes.BottomMargin - 3;
  for (const long double V : LinearTicks(FFirstYMark, FYMarksInterval, Axes.YMax)) {
    const std::string Text = YMarkText(V);
    C.TextOut(Axes.Width + 5 - Axes.RightMargin,
              Bottom - C.TextHeight(Text) / 2 - RoundPixel((V - Axes.YMin) * Axes.YScale), Text);
  }
}
