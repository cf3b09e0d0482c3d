// The plot panel's points: storing them per layer, drawing one on Buffer in the current mode,
// and the copies that carry the data to PlotBMP and the picture to the screen.
#include <algorithm>
#include <cmath>

#include "plotter/Plotter.h"
#include "platform/Errors.h"
#include "plotter/PlotBounds.h"

namespace {

int LayerOf(int Layer) { return Layer & (PlotLayers - 1); }

TRect Corners(int X1, int Y1, int X2, int Y2) {
  return {std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2)};
}

}  // namespace

void TPlotPanel::SetHold(bool Value) {
  FHold = Value;
  if (FHold) return;
  if (FStale) {
    Redraw();
    return;
  }
  CopyToPlotBMP();
  CopyToScreen();
}

void TPlotPanel::Clear() {
  FPenUp = true;
  for (auto& Layer : FPoints) Layer.assign(1, {});
  Redraw();
}

void TPlotPanel::AddPoint(TColor Color, int Layer, long double X, long double Y) {
  if (Axes.XLog) X = DataLog(X);
  if (!std::isfinite(X) || !std::isfinite(Y)) throw EMathError::InvalidOperation();
  auto& Points = FPoints[LayerOf(Layer)];
  if (Points.size() == 1) FPenUp = true;
  Points.push_back({X, Y, Color});
  if (FStale) return;  // the pending redraw draws it with the rest
  DrawDataPoint(Color, Layer, X, Y);
  if (!FHold) CopyToScreen();
}

void TPlotPanel::DrawDataPoint(TColor Color, int Layer, long double X, long double Y) {
  const long double XV = (X - Axes.XMin) * Axes.XScale;
  const long double YV = LayerY(LayerOf(Layer), Y);
  TCanvas& C = FBuffer.Canvas();
  C.Pen = FPlotPen.Value();
  C.Pen.Color = Color;
  switch (FPlotMode) {
    case pmDot: DrawDot(C, Color, XV, YV); break;
    case pmLine: DrawSegment(C, LayerOf(Layer), XV, YV); break;
    case pmBar: DrawBar(C, XV, YV); break;
  }
  if (!FHold) CopyToPlotBMP();
}

// A pen-wide square at the point.
void TPlotPanel::DrawDot(TCanvas& C, TColor Color, long double XV, long double YV) {
  const int W = C.Pen.Width, Half = W / 2, M = Axes.LeftMargin;
  const int Bottom = Axes.Height - Axes.BottomMargin;
  C.Brush.SetColor(Color);
  C.FillRect(Corners(RoundPixel(XV + (M - Half)), Bottom + Half - RoundPixel(YV), RoundPixel(XV) + M - Half + W,
                     Bottom + Half - W - RoundPixel(YV)));
  C.Brush.SetColor(FBackColor);
}

// From the layer's last point; the first point after PenUp only places the pen.
void TPlotPanel::DrawSegment(TCanvas& C, int Layer, long double XV, long double YV) {
  const int Bottom = Axes.Height - Axes.BottomMargin;
  if (FPenUp) {
    C.MoveTo(Axes.LeftMargin + RoundPixel(XV), Bottom - RoundPixel(YV));
    FPenUp = false;
  } else {
    C.MoveTo(RoundPixel(FLastX[Layer]), RoundPixel(FLastY[Layer]));
    C.LineTo(Axes.LeftMargin + RoundPixel(XV), RoundPixel(Bottom - YV));
  }
  FLastX[Layer] = XV + Axes.LeftMargin;
  FLastY[Layer] = Bottom - YV;
}

// From the level of Y = 0.
void TPlotPanel::DrawBar(TCanvas& C, long double XV, long double YV) {
  const int X = Axes.LeftMargin + RoundPixel(XV);
  const int Bottom = Axes.Height - Axes.BottomMargin;
  C.MoveTo(X, Bottom - RoundPixel(-Axes.YMin * Axes.YScale));
  C.LineTo(X, Bottom - RoundPixel(YV));
}

void TPlotPanel::ReplayPoints() {
  const bool Held = FHold;
  FHold = true;  // the points go to PlotBMP in one copy afterwards
  for (int L = 0; L < PlotLayers; ++L) {
    if (FPoints[L].size() <= 1) continue;
    FPenUp = true;
    for (auto P = FPoints[L].begin() + 1; P != FPoints[L].end(); ++P) DrawDataPoint(P->Color, L, P->X, P->Y);
  }
  FHold = Held;
}

// Only the plot area travels from Buffer to PlotBMP: it clips the data.
void TPlotPanel::CopyToPlotBMP() {
  if (HasPlotArea(Axes)) FPlotBMP.Canvas().CopyRect(FPlotRect, FBuffer.Canvas(), FPlotRect);
}

void TPlotPanel::CopyToScreen() {
  FScreen.SetSize(Axes.Width, Axes.Height);
  FScreen.Canvas().CopyRect(FInnerRect, FPlotBMP.Canvas(), FInnerRect);
  // A paint shows the picture itself; asking for another would repaint without end.
  if (!Painting) update();
}
