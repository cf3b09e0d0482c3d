// The chart's texts: placed where they overlap no other, on a knock-out that keeps the grid
// lines out of them; node labels of one spot joined into one. A text cut by the picture's edge
// moves inside it; one wholly outside is left out.
#include <algorithm>
#include <string>
#include <vector>

#include "smith/Smith.h"

bool TSmithChart::PutLabel(std::initializer_list<QPoint> Corners, const std::string& Text, TColor Back) {
  TCanvas& C = *BitmapCanvas;
  const int MX = LabelMargin.x(), MY = LabelMargin.y();
  const int W = C.TextWidth(Text) + 2 * MX, H = C.TextHeight(Text) + 2 * MY;
  const QRect Picture(0, 0, ChartWidth, ChartHeight);
  std::vector<QRect> Boxes;
  for (const QPoint& P : Corners) {
    QRect Box(P.x() - MX, P.y() - MY, W, H);
    if (!Box.intersects(Picture)) continue;
    Box.moveLeft(std::clamp(Box.left(), -MX, std::max(-MX, ChartWidth + MX - W)));  // the margin may stick out
    Box.moveTop(std::clamp(Box.top(), -MY, std::max(-MY, ChartHeight + MY - H)));
    Boxes.push_back(Box);
  }
  const std::optional<QRect> Box = Labels.Place(Boxes, Text);
  if (!Box) return false;
  C.Brush.SetColor(Back);
  C.FillRect({Box->left(), Box->top(), Box->left() + W, Box->top() + H});
  C.Brush.Style = TBrushStyle::Clear;
  C.TextOut(Box->left() + MX, Box->top() + MY, Text);
  return true;
}

bool TSmithChart::PutLabelAround(int X, int Y, const std::string& Text, TColor Back) {
  TCanvas& C = *BitmapCanvas;
  const int W = C.TextWidth(Text), H = C.TextHeight(Text);
  return PutLabel({{X + 2, Y + 2}, {X - W - 4, Y + 2}, {X + 2, Y - H - 4}, {X - W - 4, Y - H - 4}}, Text, Back);
}

namespace {

std::string NodeName(int k, int Last) {
  if (k == 0) return "ZL";
  if (k == Last) return "Z in";
  return "Z" + std::to_string(k);
}

}  // namespace

// Paths longer than the marker arrays share the last slot, which the input node writes last.
// Nodes that follow each other on one spot, as elements of type None leave them, get one label
// ("Z2..Z5"); each label tries its usual corner first, then the other three around its node.
void TSmithChart::DrawNodeLabels(int NrOfElements) {
  TCanvas& C = *BitmapCanvas;
  const int Last = std::min(NrOfElements, static_cast<int>(NodeX.size()) - 1);
  for (int First = 0; First <= Last;) {
    int End = First;
    while (End < Last && NodeX[End + 1] == NodeX[First] && NodeY[End + 1] == NodeY[First]) ++End;
    const std::string Text = First == End ? NodeName(First, Last) : NodeName(First, Last) + ".." + NodeName(End, Last);
    const int X = NodeX[First], Y = NodeY[First], W = C.TextWidth(Text), H = C.TextHeight(Text);
    const QPoint RightBelow{X + 2, Y + 2}, LeftBelow{First == End ? X - 16 : X - W - 4, Y + 2},
        RightAbove{X + 2, Y - 16}, LeftAbove{X - W - 4, Y - H - 4};
    if (End == Last)
      PutLabel({RightAbove, RightBelow, LeftBelow, LeftAbove}, Text, clYellow);
    else if (First == 0)
      PutLabel({RightBelow, LeftBelow, RightAbove, LeftAbove}, Text, clYellow);
    else
      PutLabel({LeftBelow, RightBelow, RightAbove, LeftAbove}, Text, clYellow);
    First = End + 1;
  }
}
