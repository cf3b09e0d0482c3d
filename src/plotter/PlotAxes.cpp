#include "plotter/PlotAxes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Adds Nudge to Max when the span is 0. Far from zero the nudge is below Max's precision; the
// next representable value then keeps the span from staying 0.
void PushApart(long double Min, long double& Max, long double Nudge) {
  if (Max - Min != 0) return;
  Max += Nudge;
  if (Max - Min == 0) Max = std::nextafter(Max, std::numeric_limits<long double>::infinity());
}

// A value within Slack of the bounds counts as inside; Min may exceed Max, then nothing is.
bool Within(long double V, long double Min, long double Max) {
  const long double Slack = BoundSlack(std::max(std::fabs(Min), std::fabs(Max)));
  return V >= Min - Slack && V <= Max + Slack;
}

}  // namespace

long double BoundSlack(long double Magnitude) {
  return 16 * std::numeric_limits<long double>::epsilon() * std::max(1.0L, Magnitude);
}

void CalcScale(TPlotAxes& A) {
  A.PlotWidth = A.Width - (A.LeftMargin + A.RightMargin);
  A.PlotHeight = A.Height - (A.TopMargin + A.BottomMargin);
  PushApart(A.XMin, A.XMax, 2e-16L);
  PushApart(A.YMin, A.YMax, 3e-16L);
  A.XScale = A.PlotWidth / (A.XMax - A.XMin);
  A.YScale = A.PlotHeight / (A.YMax - A.YMin);
}

bool HasPlotArea(const TPlotAxes& A) { return A.PlotWidth > 0 && A.PlotHeight > 0; }

TRect PlotRectOf(const TPlotAxes& A) {
  return {A.LeftMargin, A.TopMargin, A.Width - A.RightMargin, A.Height - A.BottomMargin};
}

int RoundPixel(long double V) {
  constexpr long double Limit = 1 << 30;
  if (!(V > -Limit)) return -(1 << 30);
  if (V > Limit) return 1 << 30;
  return static_cast<int>(std::lrint(V));
}

int XToPixel(const TPlotAxes& A, long double X) { return A.LeftMargin + RoundPixel((X - A.XMin) * A.XScale); }

int YToPixel(const TPlotAxes& A, long double Y) {
  return (A.Height - A.BottomMargin) - RoundPixel((Y - A.YMin) * A.YScale);
}

bool PixelToValue(const TPlotAxes& A, int X, int Y, long double& XV, long double& YV) {
  const auto Value = [&A](long double AxisX) { return A.XLog ? std::pow(10.0L, AxisX) : AxisX; };
  if (!HasPlotArea(A)) {
    XV = Value(A.XMin);
    YV = A.YMin;
    return false;
  }
  const long double AxisX = (X - A.LeftMargin) / A.XScale + A.XMin;
  YV = ((A.Height - A.BottomMargin) - Y) / A.YScale + A.YMin;
  XV = Value(AxisX);
  return Within(AxisX, A.XMin, A.XMax) && Within(YV, A.YMin, A.YMax);
}
