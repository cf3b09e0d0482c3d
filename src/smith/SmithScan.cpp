// The frequency-scan trace of the input impedance with its frequency markers.
#include <algorithm>
#include <cmath>

#include "network/ScanSteps.h"
#include "smith/ChartMath.h"
#include "smith/Smith.h"

using namespace smith_detail;
using netcalc_detail::Store;

void TSmithChart::DrawDot(int X, int Y, TColor Color, int Size) {
  TCanvas& C = *BitmapCanvas;
  const TColor Kept = C.Pen.Color;
  C.Pen.Mode = TPenMode::Copy;
  C.Pen.Color = Color;
  C.Brush.SetColor(Color);
  C.Ellipse(X - Size, Y - Size, X + Size, Y + Size);
  C.Pen.Color = Kept;
}

QPoint TSmithChart::ScanPoint(TNetWork& Network, double F) {
  Network.SetFrequency(F);
  Network.Calculate();
  QPoint P;
  ZToPixel(Network.Elements[Network.NrOfElements + 1].Z, P.rx(), P.ry(), Network.GetZn());
  return P;
}

void TSmithChart::DrawScan(TNetWork& Network, double MajorMark, double MinorMark) {
  DrawChart(ChartWidth, ChartHeight, Network.GetZn());
  const TFrequencyScope WorkingFrequency(Network);
  DrawTrace(Network);
  DrawFrequencyMarks(Network, MinorMark, clBlue, 2, false);
  DrawFrequencyMarks(Network, MajorMark, clRed, 3, ShowLabels);
  TCanvas& C = *BitmapCanvas;
  if (ShowLabels) {
    C.Brush.SetColor(clYellow);
    C.TextOut(NodeX[0] + 2, NodeY[0] + 2, "Start " + FormatValue(3, "Hz", Network.ScanStart));
    C.TextOut(NodeX[1] + 2, NodeY[1] + 2, "Stop " + FormatValue(3, "Hz", Network.ScanStop));
  }
  Network.SetFrequency(WorkingFrequency.Value());
  Network.Calculate();
  const TComplex& Zin = Network.Elements[Network.NrOfElements + 1].Z;
  TComplex z;
  CDiv(Zin, {Network.GetZn(), 0}, z);
  CalcRho(z);
  if (ShowSWR) {
    const TComplex zin = Normalised(Zin, Network.GetZn());
    DrawSWRCircle(zin.Re, zin.Im);
  }
  Paint();
}

// The frequency grows by repeated addition, so the last point lies at or just past the stop.
// One step more than the count allows for that; a step too small to move the frequency ends
// there too.
void TSmithChart::DrawTrace(TNetWork& Network) {
  const double Steps = ScanStepCount(Network.ScanSteps);
  const double Step = Store(std::fabs((Ext(Network.ScanStop) - Network.ScanStart) / Steps));
  TCanvas& C = *BitmapCanvas;
  QPoint P = ScanPoint(Network, Network.ScanStart);
  NodeX[0] = P.x();
  NodeY[0] = P.y();
  C.Pen.Color = clGreen;
  C.Pen.Width = 2;
  C.MoveTo(P.x(), P.y());
  for (double Segments = 1;; ++Segments) {
    P = ScanPoint(Network, Network.GetFrequency() + Step);
    C.LineTo(P.x(), P.y());
    if (Network.GetFrequency() >= Network.ScanStop || Segments > Steps) break;
  }
  NodeX[1] = P.x();
  NodeY[1] = P.y();
}

// Dots at the whole multiples of Interval from just above the start to the first at or beyond
// the stop less one interval. Without a positive interval there are no dots.
void TSmithChart::DrawFrequencyMarks(TNetWork& Network, double Interval, TColor Color, int Size, bool Labelled) {
  if (!(Interval > 0) || !std::isfinite(Interval)) return;
  TCanvas& C = *BitmapCanvas;
  double F = Store(std::floor((Ext(Network.ScanStart) + Interval) / Interval) * Interval);
  for (int Dots = 1;; ++Dots) {
    const QPoint P = ScanPoint(Network, F);
    DrawDot(P.x(), P.y(), Color, Size);
    if (Labelled) {
      C.Brush.SetColor(clYellow);
      C.TextOut(P.x() + 2, P.y() + 2, FormatValue(3, "Hz", F));
    }
    if (!(Network.ScanStop - Interval > F) || Dots >= MaxMarkerDots) break;
    F += Interval;
  }
}
