// The admittance grid and the user's circles of constant VSWR, Q, resistance and reactance. Each
// is a circle of the reflection plane, drawn as far as it lies on the chart.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "network/NumberText.h"
#include "smith/ChartMath.h"
#include "smith/Smith.h"

using namespace smith_detail;

namespace {

constexpr TColor AdmittanceColor = 0xC08000;
constexpr double MainConductances[] = {0.2, 0.5, 1, 2, 5};
constexpr double MainSusceptances[] = {0.2, 0.5, 1, 2, 5, -0.2, -0.5, -1, -2, -5};

struct TCircle {
  double Re, Im, Rho;  // centre and radius in the reflection plane
};

// The angles, about the circle's centre, of the part of the circle on the chart (|reflection| <= 1):
// the arc round the point nearest the chart's centre, or the whole circle. None when it misses.
std::optional<std::pair<double, double>> ArcOnChart(const TCircle& C) {
  const double D = std::hypot(C.Re, C.Im);
  if (D + C.Rho <= 1) return std::pair{0.0, 2 * std::numbers::pi};
  if (D == 0 || D - C.Rho >= 1 || C.Rho - D >= 1) return std::nullopt;
  const double Cos = std::clamp((1 - D * D - C.Rho * C.Rho) / (2 * C.Rho * D), -1.0, 1.0);
  const double Phi = std::atan2(C.Im, C.Re), Half = std::acos(Cos);
  return std::pair{Phi + Half, Phi + 2 * std::numbers::pi - Half};
}

TCircle ResistanceCircle(double r) { return {r / (1 + r), 0, 1 / (1 + r)}; }
TCircle ReactanceCircle(double x) { return {1, 1 / x, 1 / std::fabs(x)}; }
TCircle Mirrored(TCircle C) { return {-C.Re, -C.Im, C.Rho}; }  // the admittance's: y for z

}  // namespace

// A polyline of pieces about 3 pixels long; the point of the arc nearest the chart's centre, where
// its label goes, when any of it is on the chart.
std::optional<QPoint> TSmithChart::DrawReflectionCircle(double Re, double Im, double Rho) {
  const std::optional<std::pair<double, double>> Arc = ArcOnChart({Re, Im, Rho});
  if (!Arc) return std::nullopt;
  const auto [From, To] = *Arc;
  const auto At = [&](double Theta) {
    return GammaPixel({Re + Rho * std::cos(Theta), Im + Rho * std::sin(Theta)});
  };
  const double Length = (To - From) * Rho * Radius;
  const int Pieces = static_cast<int>(std::clamp(Length / 3, 8.0, double(MaxLinePieces)));
  TCanvas& C = *BitmapCanvas;
  const QPoint Start = At(From);
  C.MoveTo(Start.x(), Start.y());
  for (int i = 1; i <= Pieces; ++i) {
    const QPoint P = At(From + (To - From) * i / Pieces);
    C.LineTo(P.x(), P.y());
  }
  const QPoint End = At(To);
  C.LineTo(End.x() + 1, End.y());  // LineTo leaves out its last pixel
  return At((From + To) / 2);
}

void TSmithChart::DrawAdmittanceGrid() {
  TCanvas& C = *BitmapCanvas;
  C.Pen.Color = AdmittanceColor;
  for (double G : MainConductances) {
    const TCircle Circle = Mirrored(ResistanceCircle(G));
    DrawReflectionCircle(Circle.Re, Circle.Im, Circle.Rho);
  }
  for (double B : MainSusceptances) {
    const TCircle Circle = Mirrored(ReactanceCircle(B));
    DrawReflectionCircle(Circle.Re, Circle.Im, Circle.Rho);
  }
  C.Pen.Color = clBlack;
}

// Constant Q = |x| / r is a pair of arcs through the ends of the axis, one in each half.
void TSmithChart::DrawCircles(double Zn) {
  TCanvas& C = *BitmapCanvas;
  CircleLabels.clear();
  for (const TChartCircle& Circle : Circles) {
    C.Pen.Color = Circle.Color;
    C.Pen.Width = 2;
    const double V = Circle.Value;
    std::vector<std::pair<TCircle, std::string>> Arcs;
    switch (Circle.Kind) {
      case TCircleKind::Vswr:
        Arcs.push_back({{0, 0, (V - 1) / (V + 1)}, "VSWR " + FormatGeneral(V, 4)});
        break;
      case TCircleKind::Q:
        Arcs.push_back({{0, -1 / V, std::hypot(1.0, 1 / V)}, "Q " + FormatGeneral(V, 4)});
        Arcs.push_back({{0, 1 / V, std::hypot(1.0, 1 / V)}, "Q " + FormatGeneral(V, 4)});
        break;
      case TCircleKind::R:
        Arcs.push_back({ResistanceCircle(V / Zn), "R " + FormatValue(3, "", V)});
        break;
      case TCircleKind::X:
        Arcs.push_back({ReactanceCircle(V / Zn), "X " + FormatValue(3, "", V)});
        break;
    }
    for (const auto& [Arc, Text] : Arcs)
      if (const std::optional<QPoint> Mid = DrawReflectionCircle(Arc.Re, Arc.Im, Arc.Rho))
        CircleLabels.push_back({*Mid, Text, Circle.Color});
  }
  C.Pen.Width = 1;
  C.Pen.Color = clBlack;
}
