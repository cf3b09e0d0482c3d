// Each element's locus: the path its input node takes as the element grows from nothing to its
// value, walked in small steps or drawn as the grid circle it runs on.
#include <algorithm>
#include <cmath>

#include "smith/ChartMath.h"
#include "smith/Smith.h"

using namespace smith_detail;
using netcalc_detail::Divide;
using netcalc_detail::Store;

namespace {

constexpr int ParallelSteps = 3000;
// A circle step whose box reaches this far down is drawn straight: its arc would be too flat
// for the painter.
constexpr double FlatArcDepth = 8000;
constexpr double ShortestArc = 10;  // squared pixels

// 1/600 of a free-space wavelength, in metres.
constexpr Ext LinePieceTimesFrequency = 500000;

QPointF GammaPoint(int CenterX, int CenterY, int Radius, const TGamma& G) {
  return {CenterX + Radius * G.Re, CenterY - Radius * G.Im};
}

}  // namespace

void TSmithChart::MoveToZ(const TComplex& Z, double Zn) {
  int X = 0, Y = 0;
  ZToPixel(Z, X, Y, Zn);
  BitmapCanvas->MoveTo(X, Y);
}

void TSmithChart::LineToZ(const TComplex& Z, double Zn) {
  int X = 0, Y = 0;
  ZToPixel(Z, X, Y, Zn);
  BitmapCanvas->LineTo(X, Y);
}

void TSmithChart::DrawLocus(const TNetWork& Network, int p) {
  switch (Network.Elements[p + 1].ElementType) {
    case TElementType::Cs: return DrawCs(Network, p);
    case TElementType::Cp: return DrawCp(Network, p);
    case TElementType::Ls: return DrawLs(Network, p);
    case TElementType::Lp: return DrawLp(Network, p);
    case TElementType::Rs: return DrawRs(Network, p);
    case TElementType::Rp: return DrawRp(Network, p);
    case TElementType::Line: return DrawLine(Network, p);
    case TElementType::OpenStub:
    case TElementType::ShortStub: return DrawStub(Network, p);
    default: return;  // None changes nothing, a Stub has no model
  }
}

// Down the constant-resistance circle in steps that grow as t nears 1.
void TSmithChart::DrawCs(const TNetWork& Network, int p) {
  const double Zn = Network.GetZn();
  const TElement& E = Network.Elements[p + 1];
  TComplex Z = Network.Elements[p].Z;
  MoveToZ(Z, Zn);
  const Ext k = Divide(1, 500 * Ext(Network.Omega()) * E.Value);
  double t = -1;
  do {
    Z.Im = Store(Z.Im + k * (t + 1) / (t - 1));
    LineToZ(Z, Zn);
    t += 0.002;
  } while (t < 1 && Z.Im > E.Z.Im);
}

// Up the constant-resistance circle; a lossy inductor drifts right by its loss resistance.
void TSmithChart::DrawLs(const TNetWork& Network, int p) {
  const double Zn = Network.GetZn();
  const TElement& E = Network.Elements[p + 1];
  TComplex Z = Network.Elements[p].Z;
  MoveToZ(Z, Zn);
  const Ext k = Ext(Network.Omega()) * E.Value / 1000;
  double t = -1;
  do {
    const Ext Step = k * (t + 1) / (1 - t);
    Z.Im = Store(Z.Im + Step);
    if (Network.Q != 0) Z.Re = Store(Z.Re + Step / Network.Q);
    LineToZ(Z, Zn);
    t += 0.001;
  } while (t < 1 && Z.Im < E.Z.Im);
}

// The element split into 3000 equal parts put in parallel one by one.
void TSmithChart::DrawParallelSteps(const TNetWork& Network, int p, const TComplex& Zs) {
  const double Zn = Network.GetZn();
  TComplex Z = Network.Elements[p].Z;
  MoveToZ(Z, Zn);
  for (int i = 0; i < ParallelSteps; ++i) {
    CParallel(Z, Zs, Z);
    LineToZ(Z, Zn);
  }
}

void TSmithChart::DrawCp(const TNetWork& Network, int p) {
  const Ext OmegaC = Ext(Network.Omega()) * Network.Elements[p + 1].Value;
  DrawParallelSteps(Network, p, {0, Store(Divide(-ParallelSteps, OmegaC))});
}

void TSmithChart::DrawLp(const TNetWork& Network, int p) {
  const Ext X = ParallelSteps * Ext(Network.Omega()) * Network.Elements[p + 1].Value;
  const double Q = Network.Q;
  DrawParallelSteps(Network, p, {Q != 0 ? Store(X / Q) : 0, Store(X)});
}

// The stub's admittance added in equal parts, as a parallel capacitor or inductor is: without loss
// the node keeps its conductance and moves along that circle the short way to its new place; a
// lossy stub's conductance is added along the way. Z = Zp Ze / ((1 - t) Ze + t Zp) is the node
// with a part t of it, and never needs the stub's own impedance, infinite where its admittance is 0.
void TSmithChart::DrawStub(const TNetWork& Network, int p) {
  const double Zn = Network.GetZn();
  const TComplex &Zp = Network.Elements[p].Z, &Ze = Network.Elements[p + 1].Z;
  TComplex Product, Rise, Z;
  CMul(Zp, Ze, Product);
  CAdd(Zp, {-Ze.Re, -Ze.Im}, Rise);
  MoveToZ(Zp, Zn);
  for (int i = 1; i <= ParallelSteps; ++i) {
    const double t = static_cast<double>(i) / ParallelSteps;
    CAdd(Ze, {t * Rise.Re, t * Rise.Im}, Z);
    CDiv(Product, Z, Z);
    LineToZ(Z, Zn);
  }
}

// A piece of a grid circle from Start counter-clockwise to End, or a straight line where the
// piece is too short or the circle too large for an arc.
void TSmithChart::DrawCircleStep(double X1, double Y1, double X2, double Y2, QPointF Start, QPointF End) {
  TCanvas& C = *BitmapCanvas;
  const QPointF Chord = End - Start;
  if (std::fabs(Y2) < FlatArcDepth && QPointF::dotProduct(Chord, Chord) > ShortestArc) {
    C.Arc(Round(X1), Round(Y1), Round(X2), Round(Y2), Round(Start.x()), Round(Start.y()), Round(End.x()),
          Round(End.y()));
  } else {
    C.MoveTo(Round(Start.x()), Round(Start.y()));
    C.LineTo(Round(End.x()), Round(End.y()));
  }
}

// Along the constant-reactance circle.
void TSmithChart::DrawRs(const TNetWork& Network, int p) {
  const double Zn = Network.GetZn();
  const TComplex zp = Normalised(Network.Elements[p].Z, Zn);
  const TComplex zc = Normalised(Network.Elements[p + 1].Z, Zn);
  // The circle's own reactance, with the screen's downward sign.
  double x1 = -zp.Im;
  if (x1 == 0) x1 = 1e-14;
  const double X1 = Store(CenterX + Radius * (1 - Divide(1, x1))), Y1 = CenterY;
  const double X2 = Store(CenterX + Radius * (Divide(1, x1) + 1)), Y2 = Store(CenterY + Radius * Divide(2, x1));
  Ext D1 = GammaDenominator(zp.Re, -x1);
  if (D1 == 0) D1 = 1e-10L;
  Ext D2 = GammaDenominator(zc.Re, zc.Im);
  if (D2 == 0) D2 = 1e-14L;
  const QPointF P1 = GammaPoint(CenterX, CenterY, Radius, GammaOver(zp.Re, -x1, D1));
  const QPointF P2 = GammaPoint(CenterX, CenterY, Radius, GammaOver(zc.Re, zc.Im, D2));
  if (Network.Elements[p].Z.Im > 0)
    DrawCircleStep(X1, Y1, X2, Y2, P1, P2);
  else
    DrawCircleStep(X1, Y1, X2, Y2, P2, P1);
}

// Along the constant-susceptance circle.
void TSmithChart::DrawRp(const TNetWork& Network, int p) {
  const double Zn = Network.GetZn();
  const TComplex zp = Normalised(Network.Elements[p].Z, Zn);
  const TComplex zc = Normalised(Network.Elements[p + 1].Z, Zn);
  const auto Pixel = [this](const TComplex& z) {
    Ext D = GammaDenominator(z.Re, z.Im);
    if (std::fabs(D) < 1e-15L) D = 1e-15L;
    return GammaPixel(GammaOver(z.Re, z.Im, D));
  };
  const QPoint P1 = Pixel(zp), P2 = Pixel(zc);
  BitmapCanvas->MoveTo(P1.x(), P1.y());
  double g = zp.Re, b = zp.Im;
  ZToY(g, b);
  if (std::fabs(b) < 1e-15) b = 1e-15;
  const double X1 = Store(CenterX + Radius * (-1 - Divide(1, b))), Y1 = CenterY;
  const double X2 = Store(CenterX + Radius * (Divide(1, b) - 1)), Y2 = Store(CenterY + Radius * Divide(2, b));
  if (Network.Elements[p + 1].Z.Im < 0)
    DrawCircleStep(X1, Y1, X2, Y2, P1, P2);
  else
    DrawCircleStep(X1, Y1, X2, Y2, P2, P1);
}

QPoint TSmithChart::LinePixel(const TComplex& Z, double Zn) const {
  const TComplex z = Normalised(Z, Zn);
  Ext D = GammaDenominator(z.Re, z.Im);
  if (D == 0) D = 1e-14L;
  return GammaPixel(GammaOver(z.Re, z.Im, D));
}

// Piece by piece along the line, each piece terminated by the impedance reached so far. Without
// a positive frequency the line has no electrical length and the path is the straight step to
// its input; a very long line is walked in longer pieces so that the walk stays bounded.
void TSmithChart::DrawLine(const TNetWork& Network, int p) {
  const double Zn = Network.GetZn();
  const TElement& E = Network.Elements[p + 1];
  TCanvas& C = *BitmapCanvas;
  TComplex Z = Network.Elements[p].Z;
  const QPoint P0 = LinePixel(Z, Zn);
  C.MoveTo(P0.x(), P0.y());
  const double f = Network.GetFrequency();
  if (f > 0 && std::isfinite(f)) {
    const double Step = std::max(Store(LinePieceTimesFrequency / f), E.LineLength / MaxLinePieces);
    double l = Step;
    for (int Pieces = 1;; ++Pieces) {
      Network.LineZin(Z, p, Step, Z);
      const QPoint P = LinePixel(Z, Zn);
      C.LineTo(P.x(), P.y());
      l += Step;
      if (l >= E.LineLength - Step / 2 || Pieces >= MaxLinePieces) break;
    }
  }
  const QPoint Pc = LinePixel(E.Z, Zn);
  C.LineTo(Pc.x(), Pc.y());
}
