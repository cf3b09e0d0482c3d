#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <ostream>

#include "ChartPicture.h"
#include "FakeDialogs.h"

namespace {

using Cx = std::complex<double>;

constexpr int Width = 500, Height = 400;
constexpr double Zn = 50;

Cx ToCx(const TComplex& Z) { return {Z.Re, Z.Im}; }

// The normalised impedance the chart reads at a pixel, computed apart from the chart.
Cx ClickedZ(const TSmithChart& Chart, QPoint Click) {
  const Cx Gamma((Click.x() - Chart.CenterX) / double(Chart.Radius), -(Click.y() - Chart.CenterY) / double(Chart.Radius));
  return (1.0 + Gamma) / (1.0 - Gamma);
}

struct Solver : ::testing::Test {
  TFakeDialogs Dialogs;
  TSmithChart Chart{nullptr};
  TNetWork Net;
  Solver() {
    Chart.DrawChart(Width, Height, Zn);
    LoadNetwork(Net, 20, -30);
  }
  // Solves position 1 from a click on the pixel of Zt.
  bool Solve(TElementType T, const TComplex& Zt, double& Value, QPoint& Click) {
    Place(Net, 1, T, T == TElementType::Line ? 0.3 : 1e-9);
    Net.Selected = 1;
    Net.Calculate();
    Click = PixelOf(Chart, Zt, Zn);
    return Chart.CalcElement(Net, Click.x(), Click.y(), Value);
  }
};

// The example: 50 ohm, 100 MHz, a click on the x = -1 arc.
TEST_F(Solver, SeriesCapacitorReachesTheClickedReactance) {
  LoadNetwork(Net, 50, 0);
  Place(Net, 1, TElementType::Cs, 1e-12);
  Net.Selected = 1;
  Net.Calculate();
  double Value = 0;
  ASSERT_TRUE(Chart.CalcElement(Net, Chart.CenterX, Chart.CenterY + Chart.Radius, Value));
  EXPECT_NEAR(Value, 31.8e-12, 0.05e-12);
  EXPECT_NEAR(Value, 1 / (2 * std::numbers::pi * 1e8 * 50), 1e-24);
  EXPECT_TRUE(Dialogs.Messages.empty());
}

// What the solved element does: with its value in place, the input node lies on the clicked
// point's grid line.
struct TReachCase {
  const char* Name;
  TElementType Type;
  TComplex Target;  // ohms, on the side the element can reach from 20 - j30
  double (*Coordinate)(Cx Z);
};

void PrintTo(const TReachCase& C, std::ostream* Os) { *Os << C.Name; }

class Reach : public Solver, public ::testing::WithParamInterface<TReachCase> {};

TEST_P(Reach, TheSolvedValueBringsTheNodeOntoTheClickedLine) {
  const TReachCase& C = GetParam();
  double Value = 0;
  QPoint Click;
  ASSERT_TRUE(Solve(C.Type, C.Target, Value, Click));
  EXPECT_GT(Value, 0);
  Net.Elements[2].SetValue(Value);
  Net.Calculate();
  const double Reached = C.Coordinate(ToCx(Net.Elements[2].Z) / Zn);
  const double Clicked = C.Coordinate(ClickedZ(Chart, Click));
  EXPECT_NEAR(Reached, Clicked, 1e-9 * (1 + std::fabs(Clicked)));
  EXPECT_TRUE(Dialogs.Messages.empty());
}

double Resistance(Cx z) { return z.real(); }
double Reactance(Cx z) { return z.imag(); }
double Conductance(Cx z) { return (1.0 / z).real(); }
double Susceptance(Cx z) { return (1.0 / z).imag(); }

INSTANTIATE_TEST_SUITE_P(Types, Reach,
                         ::testing::Values(TReachCase{"Cs", TElementType::Cs, {30, -60}, Reactance},
                                           TReachCase{"Ls", TElementType::Ls, {30, 40}, Reactance},
                                           TReachCase{"Cp", TElementType::Cp, {10, -20}, Susceptance},
                                           TReachCase{"Lp", TElementType::Lp, {60, -90}, Susceptance},
                                           TReachCase{"Rs", TElementType::Rs, {70, -20}, Resistance},
                                           TReachCase{"Rp", TElementType::Rp, {10, -10}, Conductance}));

struct TRefusedCase {
  const char* Name;
  TElementType Type;
  TComplex Target;  // ohms, on the side the element cannot reach from 20 - j30
  const char* Message;
};

void PrintTo(const TRefusedCase& C, std::ostream* Os) { *Os << C.Name; }

class Refused : public Solver, public ::testing::WithParamInterface<TRefusedCase> {};

TEST_P(Refused, WarnsOnceAndKeepsTheValue) {
  double Value = 123;
  QPoint Click;
  EXPECT_FALSE(Solve(GetParam().Type, GetParam().Target, Value, Click));
  EXPECT_EQ(Value, 123);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, GetParam().Message);
  EXPECT_EQ(Dialogs.Messages[0].Kind, TMsgKind::Warning);
  EXPECT_EQ(Dialogs.Messages[0].Buttons, std::vector<TMsgButton>{TMsgButton::OK});
}

INSTANTIATE_TEST_SUITE_P(
    Types, Refused,
    ::testing::Values(
        TRefusedCase{"Cs", TElementType::Cs, {30, 10}, "Negative capacitors don't exist, use a series INDUCTOR"},
        TRefusedCase{"Cp", TElementType::Cp, {60, -90}, "Negative capacitors don't exist, use a parallel INDUCTOR"},
        TRefusedCase{"Ls", TElementType::Ls, {30, -60}, "Negative inductors don't exist, use a series CAPACITOR"},
        TRefusedCase{"Lp", TElementType::Lp, {10, -20}, "Negative inductors don't exist, use a parallel CAPACITOR"},
        TRefusedCase{"Rs", TElementType::Rs, {10, -20}, "Negative resistors don't exist!"},
        TRefusedCase{"Rp", TElementType::Rp, {70, -20}, "Negative resistors don't exist!"}));

// The bottom of the rim reads x = -1 exactly: a load of reactance -50 is already there.
TEST_F(Solver, AClickOnTheNodesOwnReactanceIsRefusedToo) {
  LoadNetwork(Net, 20, -50);
  Place(Net, 1, TElementType::Cs, 1e-12);
  Net.Selected = 1;
  Net.Calculate();
  double Value = 7;
  EXPECT_FALSE(Chart.CalcElement(Net, Chart.CenterX, Chart.CenterY + Chart.Radius, Value));
  EXPECT_EQ(Value, 7);
  EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{"Negative capacitors don't exist, use a series INDUCTOR"});
}

TEST_F(Solver, NothingHappensOutsideTheRimOrWithoutAnElement) {
  double Value = 7;
  QPoint Click;
  Place(Net, 1, TElementType::Cs, 1e-12);
  Net.Selected = 1;
  Net.Calculate();
  EXPECT_FALSE(Chart.CalcElement(Net, Chart.CenterX, Chart.CenterY - Chart.Radius - 1, Value));
  EXPECT_FALSE(Solve(TElementType::None, {30, -60}, Value, Click));
  EXPECT_FALSE(Solve(TElementType::Stub, {30, -60}, Value, Click));
  for (int Selected : {0, -1, 31, 1000}) {
    Net.Selected = Selected;
    EXPECT_FALSE(Chart.CalcElement(Net, Chart.CenterX, Chart.CenterY, Value)) << Selected;
  }
  EXPECT_EQ(Value, 7);
  EXPECT_TRUE(Dialogs.Messages.empty());
}

// The angle of a normalised impedance about the centre of a line's rotation circle, from the
// left of that centre.
double TurnAbout(Cx z, double C0) {
  const Cx Gamma = (z - 1.0) / (z + 1.0);
  return std::arg(-(Gamma - C0));
}

double AngleBetween(double A, double B) { return std::fabs(std::remainder(A - B, 2 * std::numbers::pi)); }

struct TLineCase {
  const char* Name;
  double Z0, Attenuation;
  TComplex Target;
};

void PrintTo(const TLineCase& C, std::ostream* Os) { *Os << C.Name; }

class LineSearch : public Solver, public ::testing::WithParamInterface<TLineCase> {};

TEST_P(LineSearch, TurnsTheInputOntoTheClickedAngle) {
  const TLineCase& C = GetParam();
  Net.Elements[2].SetZ0(C.Z0);
  Net.Elements[2].SetAttenuation(C.Attenuation);
  double Value = 0;
  QPoint Click;
  ASSERT_TRUE(Solve(TElementType::Line, C.Target, Value, Click));
  EXPECT_EQ(Value, Net.Elements[2].LineLength);
  EXPECT_EQ(Net.Elements[2].Value, Value);
  const double C0 = (C.Z0 / Zn - 1) / (C.Z0 / Zn + 1);
  const double Reached = TurnAbout(ToCx(Net.Elements[2].Z) / Zn, C0);
  // The search stops within 0.002 rad, then makes its last 0.2 % step, which turns the node by
  // 0.2 % of the line's whole turn of 4 pi wavelengths.
  const double LastStep = 0.002 * 4 * std::numbers::pi * Net.Elements[2].ElectricalLength;
  EXPECT_LT(AngleBetween(Reached, TurnAbout(ClickedZ(Chart, Click), C0)), 0.002 + LastStep + 1e-3);
  EXPECT_TRUE(Dialogs.Messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Lines, LineSearch,
                         ::testing::Values(TLineCase{"Lossless", 50, 0, {30, 40}},
                                           TLineCase{"Lossy", 50, 5, {80, -10}},
                                           TLineCase{"OtherZ0", 75, 0, {15, 10}},
                                           TLineCase{"ShortTurn", 50, 0, {20, -20}}));

TEST_F(Solver, ALineOfLengthZeroCannotGrow) {
  Place(Net, 1, TElementType::Line, 0);
  Net.Selected = 1;
  Net.Calculate();
  double Value = 7;
  const QPoint Click = PixelOf(Chart, {30, 40}, Zn);
  EXPECT_TRUE(Chart.CalcElement(Net, Click.x(), Click.y(), Value));
  EXPECT_EQ(Value, 0);
  EXPECT_EQ(Net.Elements[2].LineLength, 0);
}

// A lossless 50 ohm line turns the reflection clockwise by 2 beta l about the centre: the
// length that lands on the clicked angle follows from the angles alone.
TEST_F(Solver, ALineAlreadyThereMakesOneStep) {
  const QPoint Click = PixelOf(Chart, {30, 40}, Zn);
  const Cx Load = ToCx({20, -30}) / Zn, Clicked = ClickedZ(Chart, Click);
  const double Turn = std::remainder(std::arg((Load - 1.0) / (Load + 1.0)) - std::arg((Clicked - 1.0) / (Clicked + 1.0)),
                                     2 * std::numbers::pi);
  const double Beta = 2 * std::numbers::pi * 1e8 / (0.67 * 3e8);
  const double Length = (Turn > 0 ? Turn : Turn + 2 * std::numbers::pi) / (2 * Beta);
  Net.Elements[2].SetAttenuation(0);
  Place(Net, 1, TElementType::Line, Length);
  Net.Selected = 1;
  Net.Calculate();
  double Value = 0;
  ASSERT_TRUE(Chart.CalcElement(Net, Click.x(), Click.y(), Value));
  const double Ratio = Value / Length;
  EXPECT_TRUE(std::fabs(Ratio - 0.998) < 1e-12 || std::fabs(Ratio - 1.002) < 1e-12 || Ratio == 1) << Ratio;
}

}  // namespace
