// The chart's texts, checked on the picture: no two overlap, each stands where its box says, and
// no grid line crosses one.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "ChartPicture.h"

namespace {

using TElements = std::vector<std::pair<TElementType, double>>;

// Every pixel the text inks when drawn alone in its box differs from the box's background in the
// chart: the text is there, whole. (The scan trace is drawn after the grid's labels, and may cross
// them; GridLinesStopAtTheirLabels checks the knock-out.)
bool InkedInItsBox(TSmithChart& Chart, const TPlacedLabel& L) {
  const QImage& Picture = Chart.ChartBitmap.Image();
  TBitmap Alone;
  Alone.SetSize(L.Box.width(), L.Box.height());
  Alone.Canvas().Font = Chart.BitmapCanvas->Font;
  Alone.Canvas().Brush.Style = TBrushStyle::Clear;
  Alone.Canvas().TextOut(TSmithChart::LabelMargin.x(), TSmithChart::LabelMargin.y(), L.Text);
  const QImage& Ink = Alone.Image();
  std::map<TColor, int> Margin;  // the box's top and bottom rows are knock-out only
  for (const int y : {L.Box.top(), L.Box.bottom()})
    for (int x = L.Box.left(); x <= L.Box.right(); ++x)
      if (Picture.valid(x, y)) ++Margin[FromQColor(Picture.pixelColor(x, y))];
  if (Margin.empty()) return false;
  const auto Most = [](const auto& A, const auto& B) { return A.second < B.second; };
  const TColor Back = std::max_element(Margin.begin(), Margin.end(), Most)->first;
  int Inked = 0;
  for (int y = 0; y < Ink.height(); ++y)
    for (int x = 0; x < Ink.width(); ++x) {
      const QPoint At = L.Box.topLeft() + QPoint(x, y);
      if (!Picture.valid(At)) continue;
      const bool Text = FromQColor(Ink.pixelColor(x, y)) != clWhite;
      if (Text && FromQColor(Picture.pixelColor(At)) == Back) return false;
      Inked += Text;
    }
  return Inked > 0;
}

// No two boxes overlap and every text is inked at its box.
void ExpectReadable(TSmithChart& Chart) {
  const std::vector<TPlacedLabel>& L = Chart.Labels.Labels();
  for (std::size_t i = 0; i < L.size(); ++i) {
    for (std::size_t j = i + 1; j < L.size(); ++j)
      EXPECT_FALSE(L[i].Box.intersects(L[j].Box)) << "'" << L[i].Text << "' and '" << L[j].Text << "'";
    if (!L[i].Text.empty()) {
      EXPECT_TRUE(InkedInItsBox(Chart, L[i])) << L[i].Text;
    }
  }
}

std::set<std::string> Texts(const TSmithChart& Chart) {
  std::set<std::string> S;
  for (const TPlacedLabel& L : Chart.Labels.Labels()) S.insert(L.Text);
  return S;
}

// The scan of 80 to 125 MHz through a line of about a wavelength puts 44 labelled marks round
// the chart; a short line bunches them on one side. Zoomed in, the view is centred, or on the
// mouse at the trace.
TEST(Labels, NeverOverlapOverScansPathsAndZooms) {
  const struct {
    const char* Name;
    double R, X;
    TElements Elements;
    bool Scan;
    double Zoom;
    QPoint ZoomAt;  // where the wheel turned, from the centre; (0, 0) for the menu's centred view
  } Cases[] = {
      {"DefaultScan", 250, 0, {{TElementType::Line, 2.01}}, true, 1, {}},
      {"DefaultScanAt10x", 250, 0, {{TElementType::Line, 2.01}}, true, 10, {}},
      {"ScanAt10xAboutTheTrace", 250, 0, {{TElementType::Line, 2.01}}, true, 10, {150, 0}},
      {"BunchedScan", 30, 10, {{TElementType::Line, 0.05}}, true, 1, {}},
      {"BunchedScanAt5x", 30, 10, {{TElementType::Line, 0.05}}, true, 5, {-120, -40}},
      {"PathOfFive", 25, -25,
       {{TElementType::Ls, 50e-9}, {TElementType::Rs, 10}, {TElementType::Cp, 20e-12}, {TElementType::Line, 0.3},
        {TElementType::Cs, 30e-12}}, false, 1, {}},
      {"NonesStackOnTheLoad", 50, 0, {}, false, 1, {}},
      {"PathAt2x", 40, 30, {{TElementType::Cs, 10e-12}, {TElementType::None, 0}, {TElementType::Lp, 100e-9}}, false, 2, {}},
  };
  for (const bool Normalized : {false, true})
    for (const auto& C : Cases) {
      SCOPED_TRACE(::testing::Message() << C.Name << (Normalized ? " normalised" : ""));
      TSmithChart Chart(nullptr);
      TNetWork Net;
      Build(Net, C.R, C.X, C.Elements);
      Chart.ShowLabels = true;
      Chart.Normalized = Normalized;
      Chart.DrawChart(1000, 700, 50);
      if (C.ZoomAt.isNull())
        Chart.ResetView(C.Zoom);
      else
        Chart.ZoomAbout(Chart.CenterX + C.ZoomAt.x(), Chart.CenterY + C.ZoomAt.y(), C.Zoom);
      Chart.DrawChart(1000, 700, 50);
      if (C.Scan) {
        Chart.DrawScan(Net, 1e6, 2e5);
      } else {
        Net.Calculate();
        Chart.DrawNetwork(Net);
      }
      ExpectReadable(Chart);
      const std::set<std::string> Shown = Texts(Chart);
      EXPECT_TRUE(Shown.contains("Smith Chart") && Shown.contains("Capacitive"));
      if (C.Scan && C.Zoom == 1) {
        EXPECT_TRUE(Shown.contains("Start 80 MHz") && Shown.contains("Stop 125 MHz"));
      }
    }
}

// Thinned, not emptied: at 1 x most of the 44 marks of the default scan keep their frequency.
TEST(Labels, ScanMarksAreThinnedWhereTheyCrowd) {
  TSmithChart Chart(nullptr);
  TNetWork Net;
  Build(Net, 250, 0, {{TElementType::Line, 2.01}});
  Chart.ShowLabels = true;
  Chart.DrawChart(1000, 700, 50);
  Chart.DrawScan(Net, 1e6, 2e5);
  int Marks = 0;
  for (const std::string& T : Texts(Chart)) Marks += T.ends_with(" MHz") && !T.starts_with("St");
  EXPECT_GE(Marks, 30);
  EXPECT_LT(Marks, 44);
  for (const char* First : {"81 MHz", "89 MHz", "97 MHz", "105 MHz", "113 MHz", "121 MHz"})
    EXPECT_TRUE(Texts(Chart).contains(First)) << First;  // every eighth mark is placed first
}

// Elements of type None leave their nodes on one spot: one label names them all.
TEST(Labels, NodesOnOneSpotShareOneLabel) {
  TSmithChart Chart(nullptr);
  TNetWork Net;
  Build(Net, 40, 30, {{TElementType::Cs, 10e-12}, {TElementType::None, 0}, {TElementType::Lp, 100e-9}});
  Chart.ShowLabels = true;
  Chart.DrawChart(1000, 700, 50);
  Net.Calculate();
  Chart.DrawNetwork(Net);
  const std::set<std::string> Shown = Texts(Chart);
  for (const char* T : {"ZL", "Z1..Z2", "Z3..Z in"}) EXPECT_TRUE(Shown.contains(T)) << T;
  EXPECT_FALSE(Shown.contains("Z2") || Shown.contains("Z4"));
  TNetWork Empty;
  Build(Empty, 50, 0, {});
  Chart.DrawChart(1000, 700, 50);
  Empty.Calculate();
  Chart.DrawNetwork(Empty);
  EXPECT_TRUE(Texts(Chart).contains("ZL..Z in"));
}

// A grid label's box is white but for its own text: no line runs through "-1.5 j"'s minus sign.
TEST(Labels, GridLinesStopAtTheirLabels) {
  for (const double Zoom : {1.0, 2.0}) {
    TSmithChart Chart(nullptr);
    Chart.Normalized = true;
    Chart.ResetView(Zoom);
    Chart.DrawChart(1000, 700, 50);
    const QImage& Picture = Chart.ChartBitmap.Image();
    int Checked = 0;
    for (const TPlacedLabel& L : Chart.Labels.Labels()) {
      if (!L.Text.ends_with(" j")) continue;
      TBitmap Alone;
      Alone.SetSize(Picture.width(), Picture.height());
      Alone.Canvas().Font = Chart.BitmapCanvas->Font;
      Alone.Canvas().Brush.Style = TBrushStyle::Clear;
      Alone.Canvas().TextOut(L.Box.left() + TSmithChart::LabelMargin.x(), L.Box.top() + TSmithChart::LabelMargin.y(),
                             L.Text);
      const QRect Box = L.Box.intersected(Picture.rect());
      for (int y = Box.top(); y <= Box.bottom(); ++y)
        for (int x = Box.left(); x <= Box.right(); ++x)
          if (FromQColor(Alone.Image().pixelColor(x, y)) == clWhite) {
            ASSERT_EQ(FromQColor(Picture.pixelColor(x, y)), clWhite) << L.Text << " at " << x << "," << y;
          }
      ++Checked;
    }
    EXPECT_GE(Checked, 10);
  }
}

}  // namespace
