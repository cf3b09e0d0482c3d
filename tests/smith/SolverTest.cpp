#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "ChartPicture.h"
#include "FakeDialogs.h"

namespace {

using Cx = std::complex<double>;

constexpr double Zn = 50;

Cx Normalised(const TComplex& Z) { return Cx(Z.Re, Z.Im) / Zn; }

// The element to solve at position 1 of a network with the load Load, on a 500 x 400 chart.
struct Solver : ::testing::Test {
  TFakeDialogs Dialogs;
  TSmithChart Chart{nullptr};
  TNetWork Net;
  TComplex Load{20, -30};
  QPoint Click;
  Solver() { Chart.DrawChart(500, 400, Zn); }
  bool Solve(TElementType T, const TComplex& Zt, double& Value, double Present = 1e-9) {
    Build(Net, Load.Re, Load.Im, {{T, Present}});
    Net.Selected = 1;
    Net.Calculate();
    Click = PixelOf(Chart, Zt, Zn);
    return Chart.CalcElement(Net, Click.x(), Click.y(), Value);
  }
  // The normalised impedance the chart reads at the click, computed apart from the chart.
  Cx Clicked() const {
    const Cx Gamma(Click.x() - Chart.CenterX, Chart.CenterY - Click.y());
    return (1.0 + Gamma / double(Chart.Radius)) / (1.0 - Gamma / double(Chart.Radius));
  }
};

const std::string NoChange = "No element needed, the node is already on the clicked circle";

// A click at the bottom of the rim: exactly on the rim and on the x = -1 arc.
TEST_F(Solver, SeriesCapacitorReachesTheClickedReactanceButNotItsOwn) {
  Load = {50, 0};
  double Value = 0;
  ASSERT_TRUE(Solve(TElementType::Cs, {0, -50}, Value));
  EXPECT_EQ(Click, QPoint(Chart.CenterX, Chart.CenterY + Chart.Radius));
  EXPECT_NEAR(Value, 1 / (2 * std::numbers::pi * 1e8 * 50), 1e-24);  // 31.8 pF at 100 MHz
  Load = {20, -50};
  EXPECT_FALSE(Solve(TElementType::Cs, {0, -50}, Value));
  EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{NoChange});
}

// Where no value can do it, the load's substitutes for zero parts would give absurd ones (a
// capacitor of 15.9 MF for no change, of 7.96 MF across a short circuit). The element may be
// the wrong kind for the node; the other kind still solves.
TEST_F(Solver, ElementsThatCannotMoveTheNodeAreRefused) {
  const std::string Short = "Parallel elements don't change a short circuit, use a SERIES element";
  const std::string Open = "Series elements don't change an open circuit, use a PARALLEL element";
  const struct {
    TComplex Load;
    TElementType Type;
    TComplex Target;
    std::string Refusal;  // empty: solved
  } Cases[] = {{{50, 0}, TElementType::Cs, {50, 0}, NoChange},    {{50, 0}, TElementType::Lp, {50, 0}, NoChange},
               {{50, 0}, TElementType::Rs, {50, 0}, NoChange},   {{0, 0}, TElementType::Cp, {10, -20}, Short},
               {{0, 0}, TElementType::Lp, {10, 20}, Short},       {{0, 0}, TElementType::Rp, {10, 0}, Short},
               {{0, 0}, TElementType::Ls, {10, 20}, ""},          {{5e10, 0}, TElementType::Cs, {10, -20}, Open},
               {{5e10, 0}, TElementType::Rs, {10, 0}, Open},      {{5e10, 0}, TElementType::Cp, {10, -20}, ""}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(::testing::Message() << TypeName(C.Type) << " on " << C.Load.Re << " + j" << C.Load.Im);
    Load = C.Load;
    double Value = 7;
    EXPECT_EQ(Solve(C.Type, C.Target, Value), C.Refusal.empty());
    EXPECT_EQ(Dialogs.MessageTexts(), C.Refusal.empty() ? std::vector<std::string>{} : std::vector{C.Refusal});
    if (C.Refusal.empty()) EXPECT_TRUE(Value > 0 && Value < 1);
    else EXPECT_EQ(Value, 7);
    Dialogs.Messages.clear();
  }
}

// Each type moves its node along one grid line: it reaches a target on one side of 20 - j30, and
// is refused a target on the other.
TEST_F(Solver, EachTypeReachesTheClickedLineOrRefusesANegativeValue) {
  const auto Resistance = [](Cx z) { return z.real(); };
  const auto Reactance = [](Cx z) { return z.imag(); };
  const auto Conductance = [](Cx z) { return (1.0 / z).real(); };
  const auto Susceptance = [](Cx z) { return (1.0 / z).imag(); };
  const struct {
    TElementType Type;
    double (*Line)(Cx z);
    TComplex Reached, Refused;
    const char* Message;
  } Cases[] = {
      {TElementType::Cs, Reactance, {30, -60}, {30, 10}, "Negative capacitors don't exist, use a series INDUCTOR"},
      {TElementType::Cp, Susceptance, {10, -20}, {60, -90}, "Negative capacitors don't exist, use a parallel INDUCTOR"},
      {TElementType::Ls, Reactance, {30, 40}, {30, -60}, "Negative inductors don't exist, use a series CAPACITOR"},
      {TElementType::Lp, Susceptance, {60, -90}, {10, -20}, "Negative inductors don't exist, use a parallel CAPACITOR"},
      {TElementType::Rs, Resistance, {70, -20}, {10, -20}, "Negative resistors don't exist!"},
      {TElementType::Rp, Conductance, {10, -10}, {70, -20}, "Negative resistors don't exist!"}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(::testing::Message() << "element type " << static_cast<int>(C.Type));
    double Value = 0;
    ASSERT_TRUE(Solve(C.Type, C.Reached, Value));
    Net.Elements[2].SetValue(Value);
    Net.Calculate();
    EXPECT_NEAR(C.Line(Normalised(Net.Elements[2].Z)), C.Line(Clicked()), 1e-9 * (1 + std::fabs(C.Line(Clicked()))));
    const double Solved = Value;
    EXPECT_FALSE(Solve(C.Type, C.Refused, Value));
    EXPECT_EQ(Value, Solved);
    ASSERT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_EQ(Dialogs.Messages[0].Text, C.Message);
    EXPECT_EQ(Dialogs.Messages[0].Kind, TMsgKind::Warning);
    EXPECT_EQ(Dialogs.Messages[0].Buttons, std::vector<TMsgButton>{TMsgButton::OK});
    Dialogs.Messages.clear();
  }
}

// A lossless stub takes the node along its conductance circle to the clicked susceptance, with
// the shortest length that adds it: under half a wave. Matching 25 - j25 ohm (admittance
// 0.02 + j0.02 S) needs -j0.02 S: an open stub of 3/8 wave or a short one of 1/8 wave.
TEST_F(Solver, StubsReachTheClickedSusceptanceWithTheirShortestLength) {
  const double Wave = 0.67 * 3e8 / 1e8;
  const struct {
    TElementType Type;
    TComplex Load, Target;
    double Length;  // 0: any under half a wave
  } Cases[] = {
      {TElementType::OpenStub, {25, -25}, {50, 0}, 3 * Wave / 8}, {TElementType::ShortStub, {25, -25}, {50, 0}, Wave / 8},
      {TElementType::OpenStub, {20, -30}, {20, 5}, 0},            {TElementType::ShortStub, {20, -30}, {20, 5}, 0},
      {TElementType::OpenStub, {20, -30}, {60, -70}, 0},          {TElementType::ShortStub, {20, -30}, {60, -70}, 0},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(TypeName(C.Type) + " to " + std::to_string(C.Target.Re) + " " + std::to_string(C.Target.Im));
    Load = C.Load;
    Net.Elements[2].SetAttenuation(0);
    double Value = 0;
    ASSERT_TRUE(Solve(C.Type, C.Target, Value));
    EXPECT_GT(Value, 0);
    EXPECT_LT(Value, Wave / 2);
    if (C.Length != 0) {
      EXPECT_NEAR(Value, C.Length, 0.01 * Wave);
    }
    Net.Elements[2].SetLineLength(Value);
    Net.Calculate();
    const Cx Y = 1.0 / Normalised(Net.Elements[2].Z), Yp = 1.0 / Normalised(Net.Elements[1].Z);
    EXPECT_NEAR(Y.real(), Yp.real(), 1e-12);
    EXPECT_NEAR(Y.imag(), (1.0 / Clicked()).imag(), 1e-9 * (1 + std::fabs(Y.imag())));
  }
  EXPECT_TRUE(Dialogs.Messages.empty());
  double Value = 7;
  Load = {0, 0};
  EXPECT_FALSE(Solve(TElementType::ShortStub, {20, 5}, Value));
  Load = {50, 0};
  EXPECT_FALSE(Solve(TElementType::OpenStub, {50, 0}, Value));
  EXPECT_EQ(Value, 7);
  EXPECT_EQ(Dialogs.MessageTexts(), (std::vector<std::string>{
                                        "Parallel elements don't change a short circuit, use a SERIES element", NoChange}));
}

TEST_F(Solver, NothingHappensOutsideTheRimOrWithoutAnElement) {
  double Value = 7;
  EXPECT_FALSE(Solve(TElementType::None, {30, -60}, Value));
  EXPECT_FALSE(Solve(TElementType::Stub, {30, -60}, Value));
  ASSERT_TRUE(Solve(TElementType::Ls, {50, 0}, Value));  // the centre, reached from there
  Value = 7;
  EXPECT_FALSE(Chart.CalcElement(Net, Chart.CenterX, Chart.CenterY - Chart.Radius - 1, Value));
  for (const int Selected : {0, -1, 31, 1000}) {
    Net.Selected = Selected;
    EXPECT_FALSE(Chart.CalcElement(Net, Chart.CenterX, Chart.CenterY, Value)) << Selected;
  }
  EXPECT_EQ(Value, 7);
  EXPECT_TRUE(Dialogs.Messages.empty());
}

// The angle about the centre C0 of a line's rotation circle; a growing line turns it.
double TurnAbout(Cx z, double C0) { return std::arg(-((z - 1.0) / (z + 1.0) - C0)); }

// A line of 0 m has no length to scale, yet it is solved too.
TEST_F(Solver, TheLineSearchTurnsTheInputOntoTheClickedAngle) {
  const struct {
    double Z0, Attenuation, Present;
    TComplex Target;
  } Cases[] = {{50, 0, 0.3, {30, 40}}, {50, 5, 0.3, {80, -10}}, {75, 0, 0.3, {15, 10}}, {50, 0, 0, {30, 40}}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(::testing::Message() << "Z0 " << C.Z0 << ", attenuation " << C.Attenuation << ", " << C.Present
                                      << " m");
    Net.Elements[2].SetZ0(C.Z0);
    Net.Elements[2].SetAttenuation(C.Attenuation);
    double Value = 0;
    ASSERT_TRUE(Solve(TElementType::Line, C.Target, Value, C.Present));
    EXPECT_EQ(Net.Elements[2].LineLength, Value);
    const double C0 = (C.Z0 / Zn - 1) / (C.Z0 / Zn + 1);
    const double Miss = TurnAbout(Normalised(Net.Elements[2].Z), C0) - TurnAbout(Clicked(), C0);
    // Within 0.002 rad, then a last 0.2 % step of the line's whole turn of 4 pi wavelengths.
    EXPECT_LT(std::fabs(std::remainder(Miss, 2 * std::numbers::pi)),
              0.003 + 0.002 * 4 * std::numbers::pi * Net.Elements[2].ElectricalLength);
  }
  EXPECT_TRUE(Dialogs.Messages.empty());
}

// A line of its own impedance on a matched load never turns it; a line of a picometre cannot grow
// far enough in 0.2 % steps. Both keep their length and the network its values.
TEST_F(Solver, ALineThatCannotReachTheClickedPointKeepsItsLength) {
  const struct {
    TComplex Load;
    double Present;
  } Cases[] = {{{50, 0}, 0.3}, {{20, -30}, 1e-12}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(::testing::Message() << C.Present << " m");
    Load = C.Load;
    Build(Net, Load.Re, Load.Im, {{TElementType::Line, C.Present}});
    Net.Calculate();
    const auto Before = Net.Elements;
    double Value = 7;
    EXPECT_FALSE(Solve(TElementType::Line, {30, 40}, Value, C.Present));
    EXPECT_EQ(Value, 7);
    EXPECT_EQ(Dialogs.MessageTexts(),
              std::vector<std::string>{"This line can't reach the clicked point, its length stays as it was"});
    EXPECT_EQ(std::tuple(Net.Elements[2].LineLength, Net.Elements[2].Value, Net.Elements[2].ElectricalLength),
              std::tuple(Before[2].LineLength, Before[2].Value, Before[2].ElectricalLength));
    for (int Slot = 1; Slot <= 6; ++Slot)
      EXPECT_EQ(Normalised(Net.Elements[Slot].Z), Normalised(Before[Slot].Z)) << Slot;
    Dialogs.Messages.clear();
  }
}

}  // namespace
