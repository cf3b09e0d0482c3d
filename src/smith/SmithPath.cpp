// The network's path: node and admittance markers, node labels, the SWR circle and the SWR.
#include <algorithm>
#include <cmath>

#include "smith/ChartMath.h"
#include "smith/Smith.h"

using namespace smith_detail;
using netcalc_detail::Store;

namespace {

constexpr double UnmatchableRho = 0.999;
constexpr int MarkerSize = 3;

}  // namespace

void TSmithChart::DrawNetwork(TNetWork& Network) {
  const double Zn = Network.GetZn();
  ChartZn = Zn;
  DrawMeasuredLoad(Network);
  TCanvas& C = *BitmapCanvas;
  for (int p = 1; p <= Network.NrOfElements; ++p) {
    const TComplex zc = Normalised(Network.Elements[p + 1].Z, Zn);
    C.Pen.Width = 2;
    C.Pen.Color = p == Network.Selected ? clRed : clBlue;
    DrawLocus(Network, p);
    DrawPoint(p, zc.Re, zc.Im);
    CalcRho(zc);
    const TComplex zL = Normalised(Network.Elements[1].Z, Zn);
    DrawPoint(0, zL.Re, zL.Im);  // the load marker stays on top
    Paint();
  }
  if (ShowLabels) DrawNodeLabels(Network.NrOfElements);
  if (ShowSWR) {
    const TComplex zin = Normalised(Network.Elements[Network.NrOfElements + 1].Z, Zn);
    DrawSWRCircle(zin.Re, zin.Im);
  }
  Paint();
}

double TSmithChart::GetSWR() const {
  if (Rho < UnmatchableRho) return Store((1 + Ext(Rho)) / (1 - Ext(Rho)));
  return -1;
}

void TSmithChart::CalcRho(const TComplex& Z) {
  const TGamma G = GammaOver(Z.Re, Z.Im, GammaDenominator(Z.Re, Z.Im));
  Rho = Store(std::sqrt(Ext(G.Re) * G.Re + Ext(G.Im) * G.Im));
}

TSmithChart::TMarkerPixels TSmithChart::MarkerPixels(double R, double X) const {
  const QPoint P = GammaPixel(GammaOver(R, X, GammaDenominator(R, X)));
  return {P.x(), P.y(), 2 * CenterX - P.x(), 2 * CenterY - P.y()};
}

void TSmithChart::DrawMarkers(const TMarkerPixels& M, bool Load) {
  TCanvas& C = *BitmapCanvas;
  C.Pen.Mode = TPenMode::Copy;
  C.Pen.Color = Load ? clGreen : clRed;
  C.Brush.SetColor(Load ? clLime : clRed);
  C.Ellipse(M.PX - MarkerSize, M.PY - MarkerSize, M.PX + MarkerSize, M.PY + MarkerSize);
  C.Pen.Color = clBlue;
  C.Pen.Width = 1;
  C.Brush.SetColor(clWhite);
  C.Ellipse(M.QX - MarkerSize, M.QY - MarkerSize, M.QX + MarkerSize, M.QY + MarkerSize);
  C.Pen.Color = clBlack;
}

void TSmithChart::DrawPoint(int Index, double R, double X) {
  const TMarkerPixels M = MarkerPixels(R, X);
  const auto Slot = static_cast<std::size_t>(std::clamp(Index, 0, static_cast<int>(NodeX.size()) - 1));
  NodeX[Slot] = M.PX;
  NodeY[Slot] = M.PY;
  DrawMarkers(M, Index == 0);
}

void TSmithChart::DrawSWRCircle(double R, double X) {
  TCanvas& C = *BitmapCanvas;
  const TMarkerPixels M = MarkerPixels(R, X);
  DrawMarkers(M, false);
  const int Rh = Round(Ext(Radius) * Rho);
  C.Pen.Color = clLime;
  C.Pen.Width = 2;
  C.Brush.Style = TBrushStyle::Clear;
  C.Ellipse(CenterX + Rh, CenterY + Rh, CenterX - Rh, CenterY - Rh);
  C.Pen.Width = 1;
  DrawMarkers(M, false);
}
