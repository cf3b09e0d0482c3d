#include "plotter/PlotAxes.h"

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

}  // namespace

void CalcScale(TPlotAxes& A) {
  A.PlotWidth = A.Width - (A.Margin + A.RightMargin);
  A.PlotHeight = A.Height - (A.TopMargin + A.BottomMargin);
  PushApart(A.XMin, A.XMax, 2e-16L);
  PushApart(A.YMin, A.YMax, 3e-16L);
  A.XScale = A.PlotWidth / (A.XMax - A.XMin);
  A.YScale = A.PlotHeight / (A.YMax - A.YMin);
}

bool HasPlotArea(const TPlotAxes& A) { return A.PlotWidth > 0 && A.PlotHeight > 0; }

TRect PlotRectOf(const TPlotAxes& A) {
  return {A.Margin, A.TopMargin, A.Width - A.RightMargin, A.Height - A.BottomMargin};
}

int RoundPixel(long double V) {
  constexpr long double Limit = 1 << 30;
  if (!(V > -Limit)) return -(1 << 30);
  if (V > Limit) return 1 << 30;
  return static_cast<int>(std::lrint(V));
}

int XToPixel(const TPlotAxes& A, long double X) { return A.Margin + RoundPixel((X - A.XMin) * A.XScale); }

int YToPixel(const TPlotAxes& A, long double Y) {
  return (A.Height - A.BottomMargin) - RoundPixel((Y - A.YMin) * A.YScale);
}

bool PixelToValue(const TPlotAxes& A, int X, int Y, long double& XV, long double& YV) {
  const long double Lower = A.XLog ? std::pow(10.0L, A.XMin) : A.XMin;
  const long double Upper = A.XLog ? std::pow(10.0L, A.XMax) : A.XMax;
  if (!HasPlotArea(A)) {
    XV = Lower;
    YV = A.YMin;
    return false;
  }
  const long double Dx = X - A.Margin;
  const long double Dy = (A.Height - A.BottomMargin) - Y;
  XV = Dx / A.XScale + A.XMin;
  if (A.XLog) XV = std::pow(10.0L, XV);
  YV = Dy / A.YScale + A.YMin;
  return !(XV < Lower || XV > Upper || YV < A.YMin || YV > A.YMax);
}
