#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

#include "ChartPicture.h"
#include "smith/GridLabel.h"

namespace {

constexpr int Width = 800, Height = 600;

TEST(Chart, CentreAndRadiusFollowTheSizeAndTheZoom) {
  const struct {
    int Width, Height, Zoom, CenterX, CenterY, Radius;
  } Cases[] = {{500, 400, 1, 250, 200, 184}, {500, 400, 2, 250, 200, 368}, {401, 301, 1, 200, 150, 138},
               {300, 700, 10, 150, 350, 1380}};
  for (const auto& C : Cases) {
    TSmithChart Chart(nullptr);
    Chart.Zoom = C.Zoom;
    Chart.DrawChart(C.Width, C.Height, 50);
    EXPECT_EQ(QPoint(Chart.CenterX, Chart.CenterY), QPoint(C.CenterX, C.CenterY)) << C.Width << "x" << C.Height;
    EXPECT_EQ(Chart.Radius, C.Radius) << "zoom " << C.Zoom;
    EXPECT_EQ(Chart.ChartBitmap.Image().size(), QSize(C.Width, C.Height));
  }
}

TEST(Chart, PixelToZGivesTheNormalisedImpedanceAndWhetherItIsInside) {
  constexpr double Out = 185.0 / 184;
  const struct {
    int DX, DY;  // from the centre of a 500 x 400 chart, radius 184
    double Rn, Xn, Rho, Angle;
    bool Inside;
  } Cases[] = {{0, 0, 1, 0, 0, 0, true},
               {0, -184, 0, 1, 1, 0, true},  // the top of the rim
               {0, -185, (1 - Out * Out) / (1 + Out * Out), 2 * Out / (1 + Out * Out), Out, 0, false},  // above it
               {184, 0, 1e9, 0, 1, 0, true},  // the right end: the open circuit, very large
               {92, -92, 1, 2, std::sqrt(0.5), -std::atan(1.0), true}};  // a plain arctangent of u/v
  TSmithChart Chart(nullptr);
  Chart.DrawChart(500, 400, 50);
  double Rn = 0, Xn = 0, Rho = 0, Angle = 0;
  for (const auto& C : Cases) {
    SCOPED_TRACE(::testing::Message() << C.DX << "," << C.DY);
    EXPECT_EQ(Chart.PixelToZ(250 + C.DX, 200 + C.DY, Rn, Xn, Rho, Angle), C.Inside);
    EXPECT_NEAR(Rn, C.Rn, 1e-12);
    EXPECT_NEAR(Xn, C.Xn, 1e-12);
    EXPECT_NEAR(Rho, C.Rho, 1e-12);
    EXPECT_NEAR(Angle, C.Angle, 1e-12);
  }
  EXPECT_THROW(TSmithChart(nullptr).PixelToZ(10, 10, Rn, Xn, Rho, Angle), EMathError);  // no radius yet
}

TEST(Chart, EveryPixelInsideTheRimMapsBackOntoItself) {
  TSmithChart Chart(nullptr);
  Chart.DrawChart(500, 400, 50);
  EXPECT_EQ(PixelOf(Chart, {50, 0}, 50), QPoint(250, 200));
  EXPECT_EQ(PixelOf(Chart, {0, 75}, 75), QPoint(250, 200 - 184));
  int Checked = 0;
  for (int Y = 0; Y < 400; ++Y)
    for (int X = 0; X < 500; ++X) {
      double Rn = 0, Xn = 0, Rho = 0, Angle = 0;
      if (!Chart.PixelToZ(X, Y, Rn, Xn, Rho, Angle) || (X == 250 + 184 && Y == 200)) continue;
      const QPoint P = PixelOf(Chart, {Rn * 50, Xn * 50}, 50);
      ASSERT_LE(std::max(std::abs(P.x() - X), std::abs(P.y() - Y)), 1) << X << "," << Y;
      ++Checked;
    }
  EXPECT_GT(Checked, 100000);
}

TEST(Chart, ZToYInvertsAfterClampingAndGuardsZero) {
  const struct {
    double A, B, G, S;
  } Cases[] = {{1, 1, 0.5, -0.5}, {0, 0, 0, 0}, {1e20, 0, 1e-14, 0}, {0, 1e20, 0, -1e-14}};
  for (const auto& C : Cases) {
    double A = C.A, B = C.B;
    TSmithChart::ZToY(A, B);
    EXPECT_DOUBLE_EQ(A, C.G) << C.A << " + j" << C.B;
    EXPECT_DOUBLE_EQ(B, C.S) << C.A << " + j" << C.B;
  }
}

// Points between the grid's crossings; the inner arcs x = +-0.2 turn silver when zoomed in.
TEST(Grid, LinesKeepTheColoursOfTheirGroups) {
  for (const int Zoom : {1, 2}) {
    SCOPED_TRACE(Zoom);
    TSmithChart Chart(nullptr);
    Chart.Zoom = Zoom;
    Chart.DrawChart(Width, Height, 50);
    const auto Near = [&](std::complex<double> z, TColor Colour) {
      const QPoint P = PixelOf(Chart, {z.real(), z.imag()}, 1);
      return ColourNear(Chart, P.x(), P.y(), Colour);
    };
    for (const double B : {0.6, -0.85, 2.5}) {
      EXPECT_TRUE(Near({1, B}, clFuchsia)) << B;
      EXPECT_TRUE(Near(1.0 / std::complex<double>(1, B), clFuchsia)) << B;  // unit conductance
    }
    for (const double X : {0.2, -0.2}) {
      EXPECT_TRUE(Near({0.25, X}, Zoom == 1 ? clBlack : clSilver)) << X;
      EXPECT_FALSE(Zoom > 1 && Near({0.25, X}, clBlack)) << X;
    }
    EXPECT_TRUE(Near({0.35, 0.5}, clBlack) && Near({0.5, 0.45}, clBlack));
    EXPECT_TRUE(Near({0.25, -0.3}, clSilver) && Near({0.4, 0.6}, clSilver));
  }
}

// The admittance grid lies on the circles of constant g and b, the user's circles on theirs, in
// their colours; nothing of them is drawn when they are not asked for. Zoomed, they stay put.
TEST(Grid, AdmittanceGridAndTheUsersCirclesLieOnTheirLoci) {
  constexpr TColor Admittance = 0xC08000, Vswr = 0x0080FF, Q = 0x800080, R = 0x008080, X = 0x808000;
  const auto On = [](std::complex<double> Centre, double Radius, double Angle) {
    return Centre + std::polar(Radius, Angle);  // a reflection coefficient
  };
  const struct {
    std::complex<double> Gamma;  // within 0.5 of the centre: inside the picture at 2 x
    TColor Colour;
  } Points[] = {{On({-2.0 / 3, 0}, 1.0 / 3, 0.5), Admittance},  // g = 2
                {On({-1, -2}, 2, std::acos(-1.0) / 3), Admittance},  // b = 0.5
                {On(0, 1.0 / 3, 2), Vswr},
                {On({0, -1}, std::sqrt(2.0), 1.25), Q},  // Q = 1 above the axis ...
                {On({0, 1}, std::sqrt(2.0), -1.8), Q},  // ... and below
                {On({1.0 / 3, 0}, 2.0 / 3, 2.6), R},  // r = 0.5
                {On({1, -5.0 / 3}, 5.0 / 3, 2.1), X}};  // x = -0.6
  for (const double Zoom : {1.0, 2.0})
    for (const bool Shown : {false, true}) {
      SCOPED_TRACE(::testing::Message() << Zoom << (Shown ? " shown" : ""));
      TSmithChart Chart(nullptr);
      Chart.ResetView(Zoom);
      Chart.AdmittanceGrid = Shown;
      if (Shown) Chart.Circles = {{TCircleKind::Vswr, 2, Vswr}, {TCircleKind::Q, 1, Q}, {TCircleKind::R, 25, R},
                                  {TCircleKind::X, -30, X}};
      Chart.DrawChart(Width, Height, 50);
      for (const auto& P : Points) {
        const QPoint Pixel = Chart.GammaPixel({P.Gamma.real(), P.Gamma.imag()});
        EXPECT_EQ(ColourNear(Chart, Pixel.x(), Pixel.y(), P.Colour, 2), Shown) << P.Gamma;
      }
    }
}

TEST(Grid, LabelsReadInOhmsOrNormalised) {
  const struct {
    double Value;
    const char *Ohms, *Normalised;
  } Cases[] = {{0, "0", "0.0"},    {0.1, "5", "0.1"},  {0.2, "10", "0.2"},  {0.3, "15", "0.3"},   {0.4, "20", "0.4"},
               {0.5, "25", "0.5"}, {0.7, "35", "0.7"}, {1, "50", "1.0"},    {1.5, "75", "1.5"},   {2, "100", "2.0"},
               {3, "150", "3.0"},  {5, "250", "5.0"},  {-1, "-50", "-1.0"}, {24, "1.2E3", "24.0"}};
  for (const auto& C : Cases) {
    EXPECT_EQ(GridLabelText(C.Value, false, 50), C.Ohms);
    EXPECT_EQ(GridLabelText(C.Value, true, 50), C.Normalised);
  }
  EXPECT_EQ(GridLabelText(0.1, false, 75), "8");  // 7.5 ohms: a half goes up
}

// The r = 1 circle's label stands right of its left end, the centre; the x = 1 arc's above its
// end at the top of the rim.
TEST(Grid, LabelsOnTheChartTakeTheChosenForm) {
  for (const bool Normalized : {false, true}) {
    TSmithChart Chart(nullptr);
    Chart.Normalized = Normalized;
    Chart.DrawChart(Width, Height, 50);
    const int X = static_cast<int>(std::nearbyint(1.04 * Chart.CenterX - 4 * Width / 100));
    const int Y = Chart.CenterY - Chart.Radius - 3 * Width / 100;
    EXPECT_TRUE(TextInked(Chart, Chart.CenterX + Width / 100 - 5, Chart.CenterY + 2, Normalized ? "1.0" : "50"));
    EXPECT_TRUE(TextInked(Chart, X, Y, Normalized ? "1.0 j" : "50 j"));
  }
}

}  // namespace
