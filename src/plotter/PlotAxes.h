#pragma once
// The plot's geometry as one redraw computes it, and the mapping between data values and panel
// pixels in both directions. Bounds and scales are extended precision: the nudges that keep equal
// bounds apart are sized for it.
#include "platform/Canvas.h"

struct TPlotAxes {
  int Width = 300, Height = 200;  // of the panel
  int Margin = 15, LeftMargin = 15, TopMargin = 15, RightMargin = 15, BottomMargin = 15;
  int PlotWidth = 0, PlotHeight = 0;
  // Under XLog the X bounds are base-10 logarithms, and so is every X value mapped here.
  long double XMin = 1e-16L, XMax = 10, YMin = 0, YMax = 10;
  long double XScale = 0, YScale = 0;  // pixels per unit (per decade under XLog)
  bool XLog = false;
};

// How far from a bound a value may stray and still lie on it. The bounds of a logarithmic axis
// are logarithms, whose last bits differ between processors; the edge of the plot area and a
// grid line at a round value must not depend on them.
long double BoundSlack(long double Magnitude);

// Sizes the plot area and sets the scales; equal bounds are first pushed apart (the stored
// bound changes).
void CalcScale(TPlotAxes& A);

// A plot area of no positive size has no scale worth drawing with.
bool HasPlotArea(const TPlotAxes& A);
TRect PlotRectOf(const TPlotAxes& A);

// Rounding to the nearest pixel, halves to even; values beyond the range any picture could show
// (NaN included) land far outside it rather than overflowing an int.
int RoundPixel(long double V);

int XToPixel(const TPlotAxes& A, long double X);
int YToPixel(const TPlotAxes& A, long double Y);

// Panel pixel to data values (X as a data value, not its logarithm). True when the values lie
// within the bounds, a bound itself included. A panel without a plot area has no value under
// any pixel: False, with the lower bounds.
bool PixelToValue(const TPlotAxes& A, int X, int Y, long double& XV, long double& YV);
