// The measured load's own trace: its impedance at every measured frequency, a thin line with its
// ends marked, under the network's path.
#include "network/MeasuredLoad.h"
#include "smith/Smith.h"

namespace {

constexpr TColor MeasuredColour = 0x0080FF;  // orange

}  // namespace

void TSmithChart::DrawMeasuredLoad(const TNetWork& Network) {
  if (!Network.MeasuredLoad) return;
  TCanvas& C = *BitmapCanvas;
  C.Pen.Color = MeasuredColour;
  C.Pen.Width = 1;
  const auto& Points = Network.MeasuredLoad->Points();
  const double R = Network.MeasuredLoad->Reference(), Zn = Network.GetZn();
  QPoint P;
  for (std::size_t i = 0; i < Points.size(); ++i) {
    ZToPixel(ImpedanceOf(Points[i].Gamma, R), P.rx(), P.ry(), Zn);
    i == 0 ? C.MoveTo(P.x(), P.y()) : C.LineTo(P.x(), P.y());
    if (i == 0 || i + 1 == Points.size()) {
      C.Brush.SetColor(MeasuredColour);
      C.FillRect({P.x() - 2, P.y() - 2, P.x() + 3, P.y() + 3});
      C.MoveTo(P.x(), P.y());
    }
  }
}
