// Zooming and panning: which part of the chart the picture shows.
#include <algorithm>
#include <cmath>

#include "smith/Smith.h"

namespace {

// The middle of the picture stays within the rim.
void KeepOnChart(double& Re, double& Im) {
  const double Magnitude = std::hypot(Re, Im);
  if (Magnitude <= 1) return;
  Re /= Magnitude;
  Im /= Magnitude;
}

}  // namespace

void TSmithChart::ResetView(double AZoom) {
  Zoom = std::clamp(AZoom, 1.0, MaxZoom);
  ViewRe = ViewIm = 0;
}

// Turning the wheel back as far as it went comes back to the zoom there was, not a hair off it.
void TSmithChart::ZoomAbout(int X, int Y, double Factor) {
  double NewZoom = std::clamp(Zoom * Factor, 1.0, MaxZoom);
  if (std::fabs(NewZoom - std::round(NewZoom)) < 1e-9 * NewZoom) NewZoom = std::round(NewZoom);
  if (NewZoom == 1 || Radius <= 0) return ResetView(NewZoom);
  const double Re = double(X - CenterX) / Radius, Im = double(CenterY - Y) / Radius;
  const double NewRadius = Radius * (NewZoom / Zoom);
  ViewRe = Re - (X - ChartWidth / 2) / NewRadius;
  ViewIm = Im + (Y - ChartHeight / 2) / NewRadius;
  KeepOnChart(ViewRe, ViewIm);
  Zoom = NewZoom;
}

void TSmithChart::Pan(int DX, int DY) {
  if (Radius <= 0) return;
  ViewRe -= double(DX) / Radius;
  ViewIm += double(DY) / Radius;
  KeepOnChart(ViewRe, ViewIm);
}
