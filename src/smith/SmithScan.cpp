// The frequency-scan trace of the input impedance with its frequency markers.
#include <algorithm>
#include <cmath>
#include <vector>

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
  ScanLeftOut = 0;
  DrawMeasuredLoad(Network);
  DrawTrace(Network);
  DrawFrequencyMarks(Network, MinorMark, clBlue, 2);
  const std::vector<TPendingLabel> MarkLabels = DrawFrequencyMarks(Network, MajorMark, clRed, 3);
  TCanvas& C = *BitmapCanvas;
  if (ScanLeftOut > 0) {
    const int H = C.TextHeight("0");
    C.Font.Color = clRed;
    PutLabel({{4, ChartHeight - 2 * H - 4}, {4, ChartHeight - 3 * H - 8}, {4, 4 + H}},
             "Not drawn: " + std::to_string(ScanLeftOut) + " points outside the measured load's frequencies", clWhite);
    C.Font.Color = clBlack;
  }
  if (ShowLabels) {
    PutLabelAround(NodeX[0], NodeY[0], "Start " + FormatValue(3, "Hz", Network.ScanStart), clYellow);
    PutLabelAround(NodeX[1], NodeY[1], "Stop " + FormatValue(3, "Hz", Network.ScanStop), clYellow);
    for (std::size_t i : ThinningOrder(MarkLabels.size()))
      PutLabelAround(MarkLabels[i].Corner.x(), MarkLabels[i].Corner.y(), MarkLabels[i].Text, clYellow);
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

namespace {

// The frequency grows by repeated addition, so the last point lies at or just past the stop.
// One step more than the count allows for that; a step too small to move the frequency ends
// there too.
std::vector<double> TraceFrequencies(const TNetWork& Network) {
  const double Steps = ScanStepCount(Network.ScanSteps);
  const double Step = Store(std::fabs((Ext(Network.ScanStop) - Network.ScanStart) / Steps));
  std::vector<double> F{Network.ScanStart};
  for (double Segments = 1;; ++Segments) {
    F.push_back(F.back() + Step);
    if (F.back() >= Network.ScanStop || Segments > Steps) return F;
  }
}

// The whole multiples of Interval from just above the start to the first at or beyond the stop
// less one interval. Without a positive interval there are none.
std::vector<double> MarkFrequencies(const TNetWork& Network, double Interval, int MaxDots) {
  if (!(Interval > 0) || !std::isfinite(Interval)) return {};
  std::vector<double> F{Store(std::floor((Ext(Network.ScanStart) + Interval) / Interval) * Interval)};
  while (Network.ScanStop - Interval > F.back() && static_cast<int>(F.size()) < MaxDots)
    F.push_back(F.back() + Interval);
  return F;
}

}  // namespace

// The engine's input impedance where it has one; elsewhere the reference's, which raises the
// fault there is, with the points before it already drawn. A point outside a measured load's
// frequencies has none.
std::optional<QPoint> TSmithChart::ScanPixel(TNetWork& Network, std::span<const double> F, const TLadderResult& Zin,
                                             std::size_t i) {
  try {
    if (!std::isfinite(Zin.ZinRe[i]) || !std::isfinite(Zin.ZinIm[i])) return ScanPoint(Network, F[i]);
  } catch (const ENoLoadError&) {
    return std::nullopt;
  }
  QPoint P;
  ZToPixel({Zin.ZinRe[i], Zin.ZinIm[i]}, P.rx(), P.ry(), Network.GetZn());
  return P;
}

// The trace is broken where the points have no load.
void TSmithChart::DrawTrace(TNetWork& Network) {
  const std::vector<double> F = TraceFrequencies(Network);
  const TLadderResult Zin = SweepLadder(Network, F);
  TCanvas& C = *BitmapCanvas;
  C.Pen.Color = clGreen;
  C.Pen.Width = 2;
  bool Started = false, PenDown = false;
  for (std::size_t i = 0; i < F.size(); ++i) {
    const std::optional<QPoint> P = ScanPixel(Network, F, Zin, i);
    if (!P) {
      ++ScanLeftOut;
      PenDown = false;
      continue;
    }
    if (!Started) {
      NodeX[0] = P->x();
      NodeY[0] = P->y();
      Started = true;
    }
    PenDown ? C.LineTo(P->x(), P->y()) : C.MoveTo(P->x(), P->y());
    TracePoints.push_back({*P, F[i], PenDown});
    PenDown = true;
    NodeX[1] = P->x();
    NodeY[1] = P->y();
  }
}

std::vector<TSmithChart::TPendingLabel> TSmithChart::DrawFrequencyMarks(TNetWork& Network, double Interval,
                                                                        TColor Color, int Size) {
  const std::vector<double> F = MarkFrequencies(Network, Interval, MaxMarkerDots);
  const TLadderResult Zin = SweepLadder(Network, F);
  std::vector<TPendingLabel> Marks;
  for (std::size_t i = 0; i < F.size(); ++i) {
    const std::optional<QPoint> P = ScanPixel(Network, F, Zin, i);
    if (!P) continue;
    DrawDot(P->x(), P->y(), Color, Size);
    Marks.push_back({*P, FormatValue(3, "Hz", F[i])});
  }
  return Marks;
}
