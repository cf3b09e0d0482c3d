#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>

#include "ChartPicture.h"
#include "smith/GridLabel.h"

namespace {

constexpr int Width = 800, Height = 600;

struct TGridCase {
  int Zoom;
  bool Normalized;
};

void PrintTo(const TGridCase& C, std::ostream* Os) {
  *Os << "zoom" << C.Zoom << (C.Normalized ? "_normalised" : "_ohms");
}

class Grid : public ::testing::TestWithParam<TGridCase> {
protected:
  TSmithChart Chart{nullptr};
  void SetUp() override {
    Chart.Zoom = GetParam().Zoom;
    Chart.Normalized = GetParam().Normalized;
    Chart.DrawChart(Width, Height, 50);
  }
  std::string Label(double Value) const { return GridLabelText(Value, GetParam().Normalized, 50); }
  // A point of the circle about (CX, CY) of radius Rc at Degrees counter-clockwise.
  static QPoint OnCircle(double CX, double CY, double Rc, double Degrees) {
    const double A = Degrees * std::numbers::pi / 180;
    return {static_cast<int>(std::lround(CX + Rc * std::cos(A))), static_cast<int>(std::lround(CY - Rc * std::sin(A)))};
  }
};

TEST_P(Grid, UnitResistanceAndUnitConductanceCirclesAreMagenta) {
  const double Half = Chart.Radius / 2.0;
  int Seen = 0;
  for (double Degrees : {40.0, 100.0, 130.0, 230.0, 260.0, 310.0}) {
    for (const double CX : {Chart.CenterX + Half, Chart.CenterX - Half}) {
      const QPoint P = OnCircle(CX, Chart.CenterY, Half, Degrees);
      if (P.x() < 2 || P.x() >= Width - 2) continue;
      EXPECT_TRUE(ColourNear(Chart, P.x(), P.y(), clFuchsia)) << CX << " at " << Degrees;
      ++Seen;
    }
  }
  EXPECT_GE(Seen, 6);
}

TEST_P(Grid, FirstReactanceArcsAreBlackOnlyAtZoomOne) {
  for (double X : {0.2, -0.2}) {
    const QPoint P = PixelOf(Chart, {0.25, X}, 1);
    if (GetParam().Zoom == 1) {
      EXPECT_TRUE(ColourNear(Chart, P.x(), P.y(), clBlack)) << X;
    } else {
      EXPECT_TRUE(ColourNear(Chart, P.x(), P.y(), clSilver)) << X;
      EXPECT_FALSE(ColourNear(Chart, P.x(), P.y(), clBlack)) << X;
    }
  }
}

// Points between the grid's crossings, on a main arc, a fine arc, a main and a fine circle.
TEST_P(Grid, OtherLinesKeepTheColourOfTheirGroup) {
  const auto Near = [&](TComplex z, TColor Colour) {
    const QPoint P = PixelOf(Chart, z, 1);
    return ColourNear(Chart, P.x(), P.y(), Colour);
  };
  EXPECT_TRUE(Near({0.35, 0.5}, clBlack));
  EXPECT_TRUE(Near({0.25, -0.3}, clSilver));
  EXPECT_TRUE(Near({0.5, 0.45}, clBlack));
  EXPECT_TRUE(Near({0.4, 0.6}, clSilver));
}

TEST_P(Grid, CircleLabelsSitRightOfTheCirclesLeftEnds) {
  for (double R : {0.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.7, 1.0, 2.0}) {
    const double Left = Chart.CenterX + Chart.Radius * (1 - 2 / (1 + R));
    const int X = static_cast<int>(std::nearbyint(Width / 100 + Left)) - 5;
    if (X < 0 || X > Width - 30) continue;
    EXPECT_TRUE(TextInked(Chart, X, Chart.CenterY + 2, Label(R))) << R;
  }
}

TEST_P(Grid, TitlesAndLegendHaveTheirPlaces) {
  const int m = Height;
  EXPECT_TRUE(TextInked(Chart, 85 * m / 100, 2 * m / 100, "Smith Chart"));
  EXPECT_TRUE(TextInked(Chart, 4 * m / 100, 2 * m / 100, "Inductive"));
  EXPECT_TRUE(TextInked(Chart, 4 * m / 100, Height - 5 * m / 100, "Capacitive"));
  EXPECT_TRUE(TextInked(Chart, 96 * m / 100, Height - 11 * m / 100, "ZL"));
  EXPECT_TRUE(TextInked(Chart, 96 * m / 100, Height - 8 * m / 100, "Z"));
  EXPECT_TRUE(TextInked(Chart, 96 * m / 100, Height - 5 * m / 100, "Y"));
  const int X0 = 92 * m / 100;
  EXPECT_EQ(PixelAt(Chart, X0, Height - 10 * m / 100), clLime);
  EXPECT_TRUE(ColourNear(Chart, X0 - 3, Height - 10 * m / 100, clGreen));
  EXPECT_EQ(PixelAt(Chart, X0, Height - 7 * m / 100), clRed);
  EXPECT_EQ(PixelAt(Chart, X0, Height - 4 * m / 100), clWhite);
  EXPECT_TRUE(ColourNear(Chart, X0 - 3, Height - 4 * m / 100, clBlue));
}

INSTANTIATE_TEST_SUITE_P(Pictures, Grid,
                         ::testing::Values(TGridCase{1, false}, TGridCase{1, true}, TGridCase{2, false},
                                           TGridCase{2, true}));

// The x = +-1 arcs meet the rim at its top and bottom, where their labels stand.
TEST(GridRimLabels, StandAboveAndBesideTheArcEnds) {
  TSmithChart Chart(nullptr);
  Chart.DrawChart(Width, Height, 50);
  const int X = static_cast<int>(std::nearbyint(1.04 * Chart.CenterX - 4 * Width / 100));
  EXPECT_TRUE(TextInked(Chart, X, Chart.CenterY - Chart.Radius - 3 * Width / 100, "50 j"));
  EXPECT_TRUE(TextInked(Chart, X, Chart.CenterY + Chart.Radius, "-50 j"));
}

// Zoomed in, each arc is labelled again where it crosses the r = 1 circle.
TEST(GridInnerLabels, MarkWhereTheArcsCrossTheUnitCircle) {
  TSmithChart Chart(nullptr);
  Chart.Zoom = 2;
  Chart.Normalized = true;
  Chart.DrawChart(Width, Height, 50);
  for (double X : {1.0, -1.0, 0.5, -0.5}) {
    const QPoint Q = PixelOf(Chart, {1, X}, 1);
    EXPECT_TRUE(TextInked(Chart, static_cast<int>(std::nearbyint(1.01 * Q.x())), Q.y(),
                          GridLabelText(X, true, 50) + " j"))
        << X;
  }
}

TEST(GridFirstDrawing, PaintBeforeDrawChartCopiesNothing) {
  TBitmap Screen;
  Screen.SetSize(20, 20);
  Screen.Canvas().Brush.SetColor(clAqua);
  Screen.Canvas().FillRect({0, 0, 20, 20});
  TSmithChart Chart(&Screen.Canvas());
  Chart.Paint();
  EXPECT_EQ(FromQColor(Screen.Image().pixelColor(10, 10)), clAqua);
  Chart.DrawChart(20, 20, 50);
  Chart.Paint();
  EXPECT_NE(FromQColor(Screen.Image().pixelColor(10, 3)), clAqua);
}

}  // namespace
