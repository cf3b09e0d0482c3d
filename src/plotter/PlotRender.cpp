// The full redraw of the plot panel: panel colour, plot area, grid, title and marks on PlotBMP,
// then the stored points replayed on Buffer and carried over through the plot area.
#include <cmath>
#include <cstdlib>

#include "plotter/Plotter.h"
#include "plotter/MarkText.h"
#include "plotter/PlotTicks.h"

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
    FBuffer.Canvas().CopyRect(FPlotRect, C, FPlotRect);
    ReplayPoints();
    CopyToPlotBMP();
  }
  CopyToScreen();
}

void TPlotPanel::CalcMargins() {
  const int M = Axes.Margin;
  Axes.TopMargin = FTitle.empty() ? M : std::abs(FFont.Value().Height()) + M + 2;
  Axes.BottomMargin = FXMarks ? std::abs(FXMarksFont.Value().Height()) + M + 2 : M;
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
    C.MoveTo(Axes.Margin, Y);
    C.LineTo(Axes.Width - Axes.RightMargin, Y);
  }
}

void TPlotPanel::DrawTitle(TCanvas& C) {
  C.Brush.SetColor(Color());
  C.Font = FFont.Value();
  C.TextOut((Axes.Width - C.TextWidth(FTitle)) / 2, 2 * BevelWidth + Axes.Margin / 2, FTitle);
}

// X is the axis value: the logarithm under XLog.
void TPlotPanel::DrawXMark(TCanvas& C, long double X, const std::string& Text) {
  C.TextOut(XToPixel(Axes, X) - C.TextWidth(Text) / 2, Axes.Height - Axes.BottomMargin + 3, Text);
}

void TPlotPanel::DrawXMarks(TCanvas& C) {
  C.Brush.SetColor(Color());
  C.Font = FXMarksFont.Value();
  for (const long double V : LinearTicks(FFirstXMark, FXMarksInterval, Axes.XMax)) DrawXMark(C, V, XMarkText(V));
}

void TPlotPanel::DrawXLogMarks(TCanvas& C) {
  C.Brush.SetColor(Color());
  C.Font = FXMarksFont.Value();
  for (const long double V : LogMarkTicks(Axes.XMin, Axes.XMax)) DrawXMark(C, std::log10(V), XMarkText(V));
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
