#include "network/MeasuredLoad.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <stdexcept>

namespace {

using Cx = std::complex<double>;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

TComplex Polar(double Magnitude, double Degrees) {
  const Cx G = std::polar(Magnitude, Degrees * std::numbers::pi / 180);
  return {G.real(), G.imag()};
}

// The phase turns through 180 degrees between 300 and 400 Hz, and on through -180 after.
TMeasuredLoad Turning() {
  return TMeasuredLoad({{100, Polar(0.2, 0)},
                        {200, Polar(0.6, 90)},
                        {300, Polar(1, 170)},
                        {400, Polar(1, -170)},
                        {600, Polar(0.5, -50)}},
                       50);
}

double Distance(const TComplex& A, const TComplex& B) { return std::abs(Cx(A.Re, A.Im) - Cx(B.Re, B.Im)); }

TEST(MeasuredLoad, BetweenPointsLinearInMagnitudeAndUnwrappedPhase) {
  const struct {
    double F, Magnitude, Degrees;
  } Cases[] = {{125, 0.3, 22.5}, {150, 0.4, 45}, {250, 0.8, 130}, {350, 1, 180}, {375, 1, -175}, {500, 0.75, -110}};
  const TMeasuredLoad Load = Turning();
  for (const auto& C : Cases) {
    const std::optional<TComplex> Gamma = Load.ReflectionAt(C.F);
    ASSERT_TRUE(Gamma) << C.F;
    EXPECT_LT(Distance(*Gamma, Polar(C.Magnitude, C.Degrees)), 1e-14) << C.F;
  }
}

TEST(MeasuredLoad, AtAPointThatPointExactly) {
  const TMeasuredLoad Load = Turning();
  for (const TLoadPoint& P : Load.Points()) {
    const TComplex Gamma = Load.ReflectionAt(P.Frequency).value();
    EXPECT_EQ(Gamma.Re, P.Gamma.Re);
    EXPECT_EQ(Gamma.Im, P.Gamma.Im);
    const TComplex Z = Load.ImpedanceAt(P.Frequency).value(), Expected = ImpedanceOf(P.Gamma, 50);
    EXPECT_EQ(Z.Re, Expected.Re);
    EXPECT_EQ(Z.Im, Expected.Im);
  }
  const TMeasuredLoad One({{1e6, {0.2, 0}}}, 25);
  EXPECT_NEAR(One.ImpedanceAt(1e6).value().Re, 37.5, 1e-12);
  EXPECT_FALSE(One.ImpedanceAt(std::nextafter(1e6, 0)));
  EXPECT_FALSE(One.ImpedanceAt(std::nextafter(1e6, 2e6)));
}

TEST(MeasuredLoad, NoLoadOutsideTheMeasuredFrequencies) {
  const TMeasuredLoad Load = Turning();
  const std::vector<double> F{99.999, 100, 350, 600, 600.001, 0, -Inf, Inf, NaN};
  const std::vector<TComplex> Z = Load.ImpedancesAt(F);
  ASSERT_EQ(Z.size(), F.size());
  for (std::size_t i = 0; i < F.size(); ++i) {
    const std::optional<TComplex> One = Load.ImpedanceAt(F[i]);
    EXPECT_EQ(One.has_value(), F[i] >= 100 && F[i] <= 600) << F[i];
    if (One) {
      EXPECT_EQ(Z[i].Re, One->Re);
      EXPECT_EQ(Z[i].Im, One->Im);
    } else {
      EXPECT_TRUE(std::isnan(Z[i].Re) && std::isnan(Z[i].Im)) << F[i];
    }
  }
}

TEST(MeasuredLoad, ImpedanceOfAReflection) {
  const struct {
    TComplex Gamma;
    double R;
    TComplex Z;
  } Cases[] = {{{0, 0}, 50, {50, 0}},   {{-1, 0}, 50, {0, 0}},      {{0, 1}, 50, {0, 50}},
               {{0.2, 0}, 25, {37.5, 0}}, {{0.6, 0.8}, 50, {0, 100}}, {{-0.5, 0}, 75, {25, 0}}};
  for (const auto& C : Cases) EXPECT_LT(Distance(ImpedanceOf(C.Gamma, C.R), C.Z), 1e-12) << C.Gamma.Re;
  const TComplex Open = ImpedanceOf({1, 0}, 50);
  EXPECT_EQ(Open.Re, Inf);
  EXPECT_EQ(Open.Im, 0);
}

TEST(MeasuredLoad, RefusesWhatIsNoMeasurement) {
  const std::pair<std::vector<TLoadPoint>, double> Cases[] = {
      {{}, 50},
      {{{1, {0, 0}}}, 0},
      {{{1, {0, 0}}}, Inf},
      {{{1, {0, 0}}, {1, {0, 0}}}, 50},
      {{{2, {0, 0}}, {1, {0, 0}}}, 50},
      {{{-1, {0, 0}}}, 50},
      {{{1, {NaN, 0}}}, 50},
      {{{1, {0, 0}}, {Inf, {0, 0}}}, 50},
  };
  for (const auto& [Points, R] : Cases) EXPECT_THROW(TMeasuredLoad(Points, R), std::invalid_argument) << R;
}

}  // namespace
