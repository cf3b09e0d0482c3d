// The empty chart: reactance arcs, resistance circles, their labels, the titles and the legend.
#include <algorithm>
#include <cmath>

#include "smith/ChartMath.h"
#include "smith/GridLabel.h"
#include "smith/Smith.h"

using namespace smith_detail;

namespace {

constexpr double MainReactances[] = {0.2, 0.5, 1, 2, 5, -0.2, -0.5, -1, -2, -5};
constexpr double FineReactances[] = {0.1, 0.3, 0.4, 0.7, 1.5, 3, -0.1, -0.3, -0.4, -0.7, -1.5, -3};
constexpr double MainResistances[] = {0, 0.2, 0.5, 1, 2, 5};
constexpr double FineResistances[] = {0.1, 0.3, 0.4, 0.7, 1.5, 3};
constexpr double ZoomResistances[] = {0.6, 0.8, 0.9, 1.1, 1.2, 1.3, 1.4, 1.6, 1.7};

// Beyond this radius an arc is drawn as a polyline: the painter's arcs of huge circles stray.
constexpr double LargestArcRadius = 1000;
constexpr int ArcPolylineSegments = 500;

// a * m div 100
int Percent(int A, int M) { return A * M / 100; }

}  // namespace

void TSmithChart::DrawChart(int AWidth, int AHeight, double AZn) {
  ChartZn = AZn;
  ChartWidth = AWidth;
  ChartHeight = AHeight;
  ChartBitmap.SetSize(AWidth, AHeight);
  const int m = std::min(AWidth, AHeight);
  TCanvas& C = *BitmapCanvas;
  C.Font.Size = 8;
  ChartRect = {0, 0, AWidth, AHeight};
  Labels.Clear();
  GridLabels.clear();
  TracePoints.clear();
  PointerLines.clear();
  PointerMark.reset();
  C.Brush.SetColor(clWhite);
  C.FillRect(ChartRect);
  C.Brush.Style = TBrushStyle::Clear;
  C.Pen.Color = clBlack;
  C.Pen.Width = 1;

  Radius = Round(Round(m * 0.46L) * Ext(Zoom));
  CenterX = AWidth / 2 - Round(Ext(ViewRe) * Radius);
  CenterY = AHeight / 2 + Round(Ext(ViewIm) * Radius);

  DrawImpedanceGrid();
  if (AdmittanceGrid) DrawAdmittanceGrid();
  DrawCircles(AZn);
  DrawTitlesAndLegend(m);
  PlaceGridLabels();
}

void TSmithChart::DrawImpedanceGrid() {
  TCanvas& C = *BitmapCanvas;
  C.MoveTo(CenterX - Radius, CenterY);
  C.LineTo(CenterX + Radius, CenterY);
  for (double X : MainReactances) DrawXArc(X);
  C.Pen.Color = clSilver;
  for (double X : FineReactances) DrawXArc(X);
  C.Pen.Color = clBlack;
  for (double R : MainResistances) DrawRCircle(R);
  C.Pen.Color = clSilver;
  for (double R : FineResistances) DrawRCircle(R);
  C.Pen.Color = clBlack;
  if (Zoom > 1) {
    C.Pen.Color = clSilver;
    for (double R : ZoomResistances) DrawRCircle(R);
    // Zoomed in, the first main arcs are too close to the axis to stay black.
    DrawXArc(-0.2);
    DrawXArc(0.2);
    C.Pen.Color = clBlack;
  }
}

// After the titles, once every line is drawn: the grid's values, then the circles' in their colours.
void TSmithChart::PlaceGridLabels() {
  TCanvas& C = *BitmapCanvas;
  for (const TPendingLabel& L : GridLabels) PutLabel({L.Corner}, L.Text, clWhite);
  for (const TPendingLabel& L : CircleLabels) {
    C.Font.Color = L.Color;
    PutLabelAround(L.Corner.x(), L.Corner.y(), L.Text, clWhite);
  }
  C.Font.Color = clBlack;
}

// The titles and the legend come before every other text, so nothing hides them.
void TSmithChart::DrawTitlesAndLegend(int m) {
  TCanvas& C = *BitmapCanvas;
  PutLabel({{Percent(85, m), Percent(2, m)}}, "Smith Chart", clWhite);
  PutLabel({{Percent(4, m), Percent(2, m)}}, "Inductive", clWhite);
  PutLabel({{Percent(4, m), ChartHeight - Percent(5, m)}}, "Capacitive", clWhite);
  PutLabel({{CenterX - Radius - Percent(2, m), CenterY}}, "0", clWhite);

  const int X0 = Percent(92, m);
  const auto Dot = [&](int Y, TColor Pen, TColor Brush) {
    C.Pen.Color = Pen;
    C.Brush.SetColor(Brush);
    C.Ellipse(X0 - 3, Y - 3, X0 + 3, Y + 3);
    Labels.Reserve(QRect(X0 - 4, Y - 4, 9, 9), "");
  };
  Dot(ChartHeight - Percent(10, m), clGreen, clLime);
  Dot(ChartHeight - Percent(7, m), clRed, clRed);
  Dot(ChartHeight - Percent(4, m), clBlue, clWhite);

  C.Pen.Color = clBlack;
  PutLabel({{Percent(96, m), ChartHeight - Percent(11, m)}}, "ZL", clWhite);
  PutLabel({{Percent(96, m), ChartHeight - Percent(8, m)}}, "Z", clWhite);
  PutLabel({{Percent(96, m), ChartHeight - Percent(5, m)}}, "Y", clWhite);
}

void TSmithChart::DrawRCircle(double R) {
  TCanvas& C = *BitmapCanvas;
  const TColor Kept = C.Pen.Color;
  const bool Unit = R == 1;
  if (Unit) C.Pen.Color = clFuchsia;
  const Ext Left = CenterX + Radius * (1 - 2 / (1 + Ext(R)));
  const Ext Top = CenterY - Radius / (1 + Ext(R));
  const Ext Bottom = CenterY + Radius / (1 + Ext(R));
  const Ext Right = CenterX + Radius;
  C.Ellipse(Round(Left), Round(Bottom), Round(Right), Round(Top));
  GridLabels.push_back({{Round(ChartWidth / 100 + Left) - 5, CenterY + 2}, GridLabelText(R, Normalized, ChartZn)});
  if (Unit) C.Ellipse(CenterX - Radius, Round(Bottom), Round(Left), Round(Top));  // unit conductance
  C.Pen.Color = Kept;
}

void TSmithChart::DrawXArc(double X) {
  TCanvas& C = *BitmapCanvas;
  const Ext Turn = 2 * std::atan(Ext(X));
  const Ext Px = CenterX - Radius * std::cos(Turn), Py = CenterY - Radius * std::sin(Turn);
  const int Ex = CenterX + Radius, Ey = CenterY;
  const Ext ArcRadius = Radius / Ext(X);  // signed: the centre lies above the axis for x > 0

  if (std::fabs(ArcRadius) < LargestArcRadius) {
    const int X1 = Round(Ex - ArcRadius), Y1 = Ey, X2 = Round(Ex + ArcRadius), Y2 = Round(Ey - 2 * ArcRadius);
    if (X > 0)
      C.Arc(X1, Y1, X2, Y2, Round(Px), Round(Py), Ex, Ey);
    else
      C.Arc(X1, Y1, X2, Y2, Ex, Ey, Round(Px), Round(Py));
  } else {
    C.MoveTo(Ex, Ey);
    const Ext Span = std::fabs(Turn), Step = Span / ArcPolylineSegments;
    for (Ext Phi = Step;; Phi += Step) {
      C.LineTo(Round(Ex - std::fabs(ArcRadius) * std::sin(Phi)), Round(Ey - (1 - std::cos(Phi)) * ArcRadius));
      if (Phi >= Span) break;
    }
  }

  const std::string Text = GridLabelText(X, Normalized, ChartZn) + " j";
  const Ext LabelX = 1.04L * Px - 4 * ChartWidth / 100;
  GridLabels.push_back({{Round(LabelX), Round(X > 0 ? Py - 3 * ChartWidth / 100 : Py)}, Text});

  if (Zoom > 1) {
    // The mirror arc's label where that arc crosses the r = 1 circle.
    const Ext Y = -Ext(X), Denominator = Y * Y + 4;
    const int Qx = CenterX + Round(Radius * Y * Y / Denominator);
    const int Qy = CenterY + Round(Radius * (-2 * Y) / Denominator);
    GridLabels.push_back({{Round(1.01L * Qx), Qy}, GridLabelText(-X, Normalized, ChartZn) + " j"});
  }
}
