// The read-out under the mouse: the nearest point of the scan trace, and the box of texts and the
// ring drawn over the picture on the screen, never into it.
#include <algorithm>
#include <cmath>

#include "smith/Smith.h"

std::optional<TSmithChart::TTracePoint> TSmithChart::NearestTracePoint(int X, int Y, int Reach) const {
  std::optional<TTracePoint> Nearest;
  double Best = Reach + 0.5;
  const auto Consider = [&](QPointF At, double Frequency, double Distance) {
    if (Distance >= Best) return;
    Best = Distance;
    Nearest = TTracePoint{At.toPoint(), Frequency, true};
  };
  for (std::size_t i = 0; i < TracePoints.size(); ++i) {
    const TTracePoint& P = TracePoints[i];
    Consider(P.Pixel, P.Frequency, std::hypot(X - P.Pixel.x(), Y - P.Pixel.y()));
    if (i == 0 || !P.Joined) continue;
    const TTracePoint& A = TracePoints[i - 1];
    const QPointF Along = P.Pixel - A.Pixel, ToMouse = QPointF(X, Y) - A.Pixel;
    const double Length2 = QPointF::dotProduct(Along, Along);
    if (Length2 == 0) continue;
    const double T = QPointF::dotProduct(ToMouse, Along) / Length2;
    if (T <= 0 || T >= 1) continue;
    const QPointF Foot = QPointF(A.Pixel) + T * Along;
    Consider(Foot, A.Frequency + T * (P.Frequency - A.Frequency), std::hypot(X - Foot.x(), Y - Foot.y()));
  }
  return Nearest;
}

void TSmithChart::ShowPointer(const std::vector<std::string>& Lines, std::optional<QPoint> Mark) {
  PointerLines = Lines;
  PointerMark = Mark;
  Paint();
}

void TSmithChart::DrawPointer() {
  const std::vector<std::string>& Lines = PointerLines;
  const std::optional<QPoint>& Mark = PointerMark;
  TCanvas& C = *ScreenCanvas;
  C.Font = BitmapCanvas->Font;
  C.Font.Color = clBlack;
  if (Mark) {
    C.Pen.Color = clBlack;
    C.Pen.Width = 2;
    C.Brush.Style = TBrushStyle::Clear;
    C.Ellipse(Mark->x() - 6, Mark->y() - 6, Mark->x() + 7, Mark->y() + 7);
    C.Pen.Width = 1;
  }
  if (Lines.empty()) return;
  const int H = C.TextHeight("0"), Left = std::max(4, std::min(ChartWidth, ChartHeight) * 4 / 100);
  int Width = 0;
  for (const std::string& L : Lines) Width = std::max(Width, C.TextWidth(L));
  const int Top = std::min(ChartWidth, ChartHeight) * 2 / 100 + H + 6;
  const TRect Box{Left - 4, Top - 3, Left + Width + 5, Top + H * static_cast<int>(Lines.size()) + 4};
  C.Brush.SetColor(clSilver);
  C.FillRect(Box);
  C.Brush.SetColor(0xF0FFFF);  // a light cream inside a grey edge, apart from the chart's white
  C.FillRect({Box.Left + 1, Box.Top + 1, Box.Right - 1, Box.Bottom - 1});
  C.Brush.Style = TBrushStyle::Clear;
  for (std::size_t i = 0; i < Lines.size(); ++i) C.TextOut(Left, Top + H * static_cast<int>(i), Lines[i]);
}
