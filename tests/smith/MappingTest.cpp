#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "ChartPicture.h"

namespace {

struct TGeometryCase {
  int Width, Height, Zoom;
  int CenterX, CenterY, Radius;
};

void PrintTo(const TGeometryCase& C, std::ostream* Os) {
  *Os << C.Width << "x" << C.Height << "_zoom" << C.Zoom;
}

class Geometry : public ::testing::TestWithParam<TGeometryCase> {};

TEST_P(Geometry, CentreAndRadiusFollowTheSize) {
  const TGeometryCase& C = GetParam();
  TSmithChart Chart(nullptr);
  Chart.Zoom = C.Zoom;
  Chart.DrawChart(C.Width, C.Height, 50);
  EXPECT_EQ(Chart.CenterX, C.CenterX);
  EXPECT_EQ(Chart.CenterY, C.CenterY);
  EXPECT_EQ(Chart.Radius, C.Radius);
  EXPECT_EQ(Chart.ChartWidth, C.Width);
  EXPECT_EQ(Chart.ChartHeight, C.Height);
  EXPECT_EQ(Chart.ChartBitmap.Width(), C.Width);
  EXPECT_EQ(Chart.ChartBitmap.Height(), C.Height);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Geometry,
                         ::testing::Values(TGeometryCase{500, 400, 1, 250, 200, 184},
                                           TGeometryCase{500, 400, 2, 250, 200, 368},
                                           TGeometryCase{401, 301, 1, 200, 150, 138},
                                           TGeometryCase{300, 700, 10, 150, 350, 1380},
                                           TGeometryCase{800, 600, 5, 400, 300, 1380}));

struct Mapping : ::testing::Test {
  TSmithChart Chart{nullptr};
  Mapping() { Chart.DrawChart(500, 400, 50); }
};

TEST_F(Mapping, ZnIsTheCentreAndJZnTheTopOfTheRim) {
  EXPECT_EQ(PixelOf(Chart, {50, 0}, 50), QPoint(250, 200));
  EXPECT_EQ(PixelOf(Chart, {0, 50}, 50), QPoint(250, 200 - 184));
  EXPECT_EQ(PixelOf(Chart, {0, -75}, 75), QPoint(250, 200 + 184));
  EXPECT_EQ(PixelOf(Chart, {0, 0}, 50), QPoint(250 - 184, 200));
}

// With a radius of 137, r = 3 lies 68.5 pixels right of the centre and r = 1/3 as far left.
TEST(MappingRounding, HalvesGoToEven) {
  TSmithChart Chart(nullptr);
  Chart.DrawChart(298, 298, 50);
  ASSERT_EQ(Chart.Radius, 137);
  EXPECT_EQ(PixelOf(Chart, {150, 0}, 50).x() - Chart.CenterX, 68);
  EXPECT_EQ(PixelOf(Chart, {50, 0}, 150).x() - Chart.CenterX, -68);
}

struct TPixelCase {
  const char* Name;
  int DX, DY;  // from the centre
  double Rn, Xn, Rho, Angle;
  bool Inside;
};

void PrintTo(const TPixelCase& C, std::ostream* Os) { *Os << C.Name; }

class PixelToZ : public ::testing::TestWithParam<TPixelCase> {};

TEST_P(PixelToZ, GivesTheNormalisedImpedanceAndWhetherItIsInside) {
  const TPixelCase& C = GetParam();
  TSmithChart Chart(nullptr);
  Chart.DrawChart(500, 400, 50);
  double Rn = -9, Xn = -9, Rho = -9, Angle = -9;
  EXPECT_EQ(Chart.PixelToZ(Chart.CenterX + C.DX, Chart.CenterY + C.DY, Rn, Xn, Rho, Angle), C.Inside);
  EXPECT_NEAR(Rn, C.Rn, 1e-12 * (1 + std::fabs(C.Rn)));
  EXPECT_NEAR(Xn, C.Xn, 1e-12 * (1 + std::fabs(C.Xn)));
  EXPECT_NEAR(Rho, C.Rho, 1e-12);
  EXPECT_NEAR(Angle, C.Angle, 1e-12);
}

constexpr double Outside = 185.0 / 184;

INSTANTIATE_TEST_SUITE_P(
    Points, PixelToZ,
    ::testing::Values(TPixelCase{"Centre", 0, 0, 1, 0, 0, 0, true},
                      TPixelCase{"TopOfTheRim", 0, -184, 0, 1, 1, 0, true},
                      TPixelCase{"BottomOfTheRim", 0, 184, 0, -1, 1, 0, true},
                      TPixelCase{"LeftEndOfTheAxis", -184, 0, 0, 0, 1, 0, true},
                      // 1 - u^2 - v^2 is 0 there: the guarded denominator leaves 0, not a fault
                      TPixelCase{"RightEndOfTheAxis", 184, 0, 0, 0, 1, 0, true},
                      TPixelCase{"JustAboveTheRim", 0, -185, (1 - Outside * Outside) / (1 + Outside * Outside),
                                 2 * Outside / (1 + Outside * Outside), Outside, 0, false},
                      TPixelCase{"BeyondTheRightEnd", 185, 0, (1 - Outside * Outside) / ((1 - Outside) * (1 - Outside)),
                                 0, Outside, 0, false},
                      // a plain arctangent of u/v, not a four-quadrant angle
                      TPixelCase{"HalfwayUpRight", 92, -92, 1, 2, std::sqrt(0.5), -std::atan(1.0), true}));

// Every pixel inside the rim maps to an impedance that maps back onto it.
TEST_F(Mapping, PixelsRoundTripOverTheWholeChart) {
  int Checked = 0;
  for (int Y = 0; Y < 400; ++Y)
    for (int X = 0; X < 500; ++X) {
      double Rn = 0, Xn = 0, Rho = 0, Angle = 0;
      if (!Chart.PixelToZ(X, Y, Rn, Xn, Rho, Angle) || (X == 250 + 184 && Y == 200)) continue;
      const QPoint P = PixelOf(Chart, {Rn * 50, Xn * 50}, 50);
      ASSERT_LE(std::abs(P.x() - X), 1) << X << "," << Y;
      ASSERT_LE(std::abs(P.y() - Y), 1) << X << "," << Y;
      ++Checked;
    }
  EXPECT_GT(Checked, 100000);
}

TEST(MappingBeforeDrawing, PixelToZFaultsWithoutARadius) {
  const TSmithChart Chart(nullptr);
  double Rn = 0, Xn = 0, Rho = 0, Angle = 0;
  EXPECT_THROW(Chart.PixelToZ(10, 10, Rn, Xn, Rho, Angle), EMathError);
}

struct TAdmittanceCase {
  const char* Name;
  double A, B, G, Bout;
};

void PrintTo(const TAdmittanceCase& C, std::ostream* Os) { *Os << C.Name; }

class ZToY : public ::testing::TestWithParam<TAdmittanceCase> {};

TEST_P(ZToY, TurnsAnImpedanceIntoItsAdmittance) {
  double A = GetParam().A, B = GetParam().B;
  TSmithChart::ZToY(A, B);
  EXPECT_NEAR(A, GetParam().G, 1e-15 * std::fabs(GetParam().G) + 1e-300);
  EXPECT_NEAR(B, GetParam().Bout, 1e-15 * std::fabs(GetParam().Bout) + 1e-300);
}

INSTANTIATE_TEST_SUITE_P(Values, ZToY,
                         ::testing::Values(TAdmittanceCase{"Inductive", 1, 1, 0.5, -0.5},
                                           TAdmittanceCase{"ZeroIsGuarded", 0, 0, 0, 0},
                                           TAdmittanceCase{"HugeResistanceIsClamped", 1e20, 0, 1e-14, 0},
                                           TAdmittanceCase{"HugeReactanceIsClamped", 0, 1e20, 0, -1e-14}));

}  // namespace
