#include "smith/Smith.h"

#include <cmath>

#include "smith/ChartMath.h"

using namespace smith_detail;
using netcalc_detail::Divide;
using netcalc_detail::Store;

TSmithChart::TSmithChart(TCanvas* ScreenCanvas) : BitmapCanvas(nullptr), ScreenCanvas(ScreenCanvas) {
  BitmapCanvas = &ChartBitmap.Canvas();  // the bitmap is built after this field
  ChartBitmap.FollowPixelRatio(ScreenCanvas);  // Paint copies it one to one
}

void TSmithChart::Paint() {
  if (!ScreenCanvas) return;
  ScreenCanvas->CopyRect(ChartRect, *BitmapCanvas, ChartRect);
  DrawPointer();
}

void TSmithChart::ZToPixel(const TComplex& Z, int& PX, int& PY, double Zn) const {
  const TComplex z = Normalised(Z, Zn);
  const QPoint P = GammaPixel(GammaOver(z.Re, z.Im, GammaDenominator(z.Re, z.Im)));
  PX = P.x();
  PY = P.y();
}

QPoint TSmithChart::GammaPixel(const TGamma& G) const {
  return {CenterX + Round(Ext(Radius) * G.Re), CenterY - Round(Ext(Radius) * G.Im)};
}

bool TSmithChart::PixelToZ(int X, int Y, double& Rn, double& Xn, double& Rho, double& Angle) const {
  const double u = Store(Divide(X - CenterX, Radius));
  const double v = Store(Divide(Y - CenterY, Radius));
  const Ext Square = Ext(u) * u + Ext(v) * v;
  Rho = Store(std::sqrt(Square));
  Angle = v == 0 ? 0 : Store(std::atan(Ext(u) / v));
  const Ext D = (1 - Ext(u)) * (1 - Ext(u)) + Ext(v) * v;
  const bool Open = D == 0;  // the right end of the axis
  Rn = Open ? OpenCircuit : Store((1 - Square) / D);
  Xn = Open ? 0 : Store(-2 * Ext(v) / D);
  return Square <= 1;
}

void TSmithChart::ZToY(double& A, double& B) {
  constexpr double Largest = 1e14;
  if (A > Largest) A = Largest;
  if (B > Largest) B = Largest;
  Ext M = Ext(A) * A + Ext(B) * B;
  if (M == 0) M = 1e-14L;
  A = Store(A / M);
  B = Store(-B / M);
}
