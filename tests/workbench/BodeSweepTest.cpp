#include "workbench/BodeSweep.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <tuple>

#include "network/NetCalc.h"

namespace {

TNetWork& Scanned(TNetWork& Net, double Load, double Start, double Stop, int Steps) {
  Net.SetNrOfElements(5);
  Net.Elements[1].SetValue(Load);
  Net.Elements[0].SetValue(0);
  Net.ScanStart = Start;
  Net.ScanStop = Stop;
  Net.ScanSteps = Steps;
  return Net;
}

// A series resistor of Ohm before the 50 ohm load.
TNetWork& WithSeriesResistor(TNetWork& Net, double Ohm) {
  Net.Elements[2].SetElementType(TElementType::Rs);
  Net.Elements[2].SetValue(Ohm);
  return Net;
}

TViewSettings Linear() {
  TViewSettings View;
  View.BodeLinearSpacing = true;
  return View;
}

TViewSettings WithReflection() {
  TViewSettings View;
  View.BodeReturnLoss = true;
  return View;
}

// Log spacing sweeps the axis the plot shows, from one step above its low end to its high end;
// linear spacing starts one step above the start and ends at the first point that reaches the
// stop. Both say what they could not plot, and the network keeps its working frequency.
TEST(BodeSweep, SweepsTheScanRangeAndSaysWhatItCouldNotPlot) {
  struct {
    double Load, Start, Stop;
    int Steps, LogPoints, LinearPoints;
    std::string LogTitle, LinearTitle;
  } const Cases[] = {
      {50, 500, 1000, 0, 1, 1, "Frequency (Hz)", "Frequency (Hz)"},
      {50, 500, 1000.5, 0, 1, 1, "Frequency (kHz)", "Frequency (kHz)"},
      {50, 1e9, 2.4e9, 0, 1, 1, "Frequency (GHz)", "Frequency (GHz)"},
      {50, 80e6, 125e6, -4, 4, 4, "Frequency (MHz)", "Frequency (MHz)"},
      {50, 80e6, 125e6, INT_MIN, 100000, 100000, "Frequency (MHz)", "Frequency (MHz)"},
      {50, 100e6, 100e6, 100, 1, 1, "Frequency (MHz)", "Frequency (MHz)"},
      {50, 100e6, 100e6 + 1e-7, 100, 100, 101, "Frequency (MHz)", "Frequency (MHz)"},
      {50, 125e6, 80e6, 10, 10, 1, "Frequency (MHz)", "Frequency (MHz)"},
      {50, -20e6, 20e6, 4, 4, 2, "Frequency (MHz)", "Frequency (MHz); not plotted: 2 at frequencies <= 0"},
      {50, -20e6, -10e6, 4, 0, 0, "Frequency (Hz); not plotted: 4 at frequencies <= 0",
       "Frequency (Hz); not plotted: 4 at frequencies <= 0"},
      {-50, 80e6, 125e6, 10, 0, 0, "Frequency (MHz); not plotted: 10 with no power reaching the load",
       "Frequency (MHz); not plotted: 10 with no power reaching the load"}};
  for (const auto& C : Cases)
    for (const bool Spaced : {false, true}) {
      TNetWork Net;
      TViewSettings View;
      View.BodeLinearSpacing = Spaced;
      const TBodeSweep Sweep = SweepBode(Scanned(Net, C.Load, C.Start, C.Stop, C.Steps), View);
      EXPECT_EQ(std::tuple(static_cast<int>(Sweep.Points.size()), Sweep.AxisTitle + Sweep.Note),
                Spaced ? std::tuple(C.LinearPoints, C.LinearTitle) : std::tuple(C.LogPoints, C.LogTitle))
          << C.Start << " " << C.Stop << " " << C.Steps << (Spaced ? " linear" : " log");
      EXPECT_EQ(Net.GetFrequency(), 1e8);
    }
}

// Equal ratios from one step above the axis's low end, ending exactly at its high end; a scan
// from 0 Hz has the decade under its top as its axis. Linear spacing keeps equal steps.
TEST(BodeSweep, LogSpacingHasEqualRatiosOverTheAxisAndLinearSpacingEqualSteps) {
  for (const auto& [Start, Stop, Low] : {std::tuple{1e3, 1e9, 1e3}, {80e6, 125e6, 80e6}, {0.0, 2e9, 2e8}}) {
    TNetWork Net;
    const TBodeSweep Sweep = SweepBode(Scanned(Net, 50, Start, Stop, 100), {});
    EXPECT_EQ(std::tuple(Sweep.AxisLow, Sweep.AxisHigh, Sweep.Points.size()), std::tuple(Low, Stop, 100u));
    EXPECT_EQ(Sweep.Points.back().Frequency, Stop);
    const double Ratio = std::pow(Stop / Low, 0.01);
    EXPECT_NEAR(Sweep.Points[0].Frequency, Low * Ratio, Low * Ratio * 1e-13) << Stop;
    for (std::size_t i = 1; i < Sweep.Points.size(); ++i)
      EXPECT_NEAR(Sweep.Points[i].Frequency / Sweep.Points[i - 1].Frequency, Ratio, 1e-13) << Stop << " " << i;
  }
  TNetWork Net;
  const TBodeSweep Sweep = SweepBode(Scanned(Net, 50, 80e6, 125e6, 100), Linear());
  ASSERT_EQ(Sweep.Points.size(), 100u);
  EXPECT_EQ(Sweep.Points[0].Frequency, 80.45e6);
  for (std::size_t i = 1; i < Sweep.Points.size(); ++i)
    EXPECT_NEAR(Sweep.Points[i].Frequency - Sweep.Points[i - 1].Frequency, 0.45e6, 1e-6) << i;
}

// A series resistor before a 50 ohm load transfers 10000 / (100 + R)^2: above -50 dB the range
// takes the rows for shallow gains; below, it ends at the first multiple of its interval under the lowest
// point, with at most eight intervals.
TEST(BodeSweep, YRangeFollowsTheLowestGainAtAnyDepth) {
  const double Cases[][3] = {{0, -1, 0.2},      {5.93, -1, 0.2},   {41.3, -5, 1},     {151, -10, 1},
                             {462, -20, 2},     {1678, -30, 5},    {5523, -40, 5},    {17683, -50, 10},
                             {56134, -60, 10},  {446584, -80, 10}, {1778179, -100, 20}, {3.16e9, -160, 20},
                             {1e13, -250, 50},  {1e150, -3000, 500}};
  for (const auto& [Ohm, YMin, Interval] : Cases) {
    TNetWork Net;
    const TBodeSweep Sweep = SweepBode(WithSeriesResistor(Scanned(Net, 50, 80e6, 125e6, 10), Ohm), {});
    EXPECT_EQ(std::tuple(Sweep.YMin, Sweep.YMarksInterval), std::tuple(YMin, Interval)) << Ohm;
    const double Db = 10 * std::log10(1e4 / ((100 + Ohm) * (100 + Ohm)));
    EXPECT_NEAR(Sweep.Points.back().Db, Db, 1e-9 * std::fabs(Db)) << Ohm;
    EXPECT_GT(Sweep.Points.back().Db, Sweep.YMin) << Ohm;
    if (YMin < -50) {
      EXPECT_LE(-Sweep.YMin / Sweep.YMarksInterval, 8) << Ohm;
    }
  }
}

// Against Zn = 50 a series R before 50 ohm reflects R / (100 + R) with a VSWR of (50 + R) / 50.
// The reflection takes part in the Y range when it is shown, down to -40 dB (a perfect match,
// -inf, then lies on the -50 dB floor); below the range it lies on its floor. The VSWR scale
// runs from 1 to the first top above the largest VSWR, up to 10; a larger VSWR lies on the top.
TEST(BodeSweep, ReflectionAndVswrOfTheInputOnTheirScales) {
  const struct {
    double Ohm;
    TViewSettings View;
    double YMin, VswrTop, VswrInterval;
  } Cases[] = {{25, {}, -5, 2, 0.2},       {25, WithReflection(), -20, 2, 0.2}, {0, {}, -1, 1.5, 0.1},
               {0, WithReflection(), -50, 1.5, 0.1}, {1000, WithReflection(), -30, 10, 1}};
  for (const auto& C : Cases) {
    TNetWork Net;
    const TBodeSweep Sweep = SweepBode(WithSeriesResistor(Scanned(Net, 50, 80e6, 125e6, 10), C.Ohm), C.View);
    EXPECT_EQ(std::tuple(Sweep.YMin, Sweep.VswrTop, Sweep.VswrMarksInterval),
              std::tuple(C.YMin, C.VswrTop, C.VswrInterval)) << C.Ohm;
    const TBodePoint& P = Sweep.Points.back();
    const double Rho = C.Ohm / (100 + C.Ohm);
    EXPECT_NEAR(P.ReflectionDb, C.Ohm == 0 ? Sweep.YMin : std::max(20 * std::log10(Rho), Sweep.YMin), 1e-9) << C.Ohm;
    EXPECT_NEAR(P.Vswr, std::min((50 + C.Ohm) / 50, Sweep.VswrTop), 1e-9) << C.Ohm;
  }
}

// The working frequency is marked where the axis shows it, ends included.
TEST(BodeSweep, MarksTheWorkingFrequencyOnTheAxis) {
  const std::tuple<double, double, bool> Cases[] = {
      {80e6, 125e6, true}, {100e6, 125e6, true}, {50e6, 100e6, true}, {0, 200e6, true}, {110e6, 125e6, false},
      {0, 2e9, false}, {-1e6, -1e3, false}};
  for (const auto& [Start, Stop, Shown] : Cases) {
    TNetWork Net;
    const TBodeSweep Sweep = SweepBode(Scanned(Net, 50, Start, Stop, 10), {});
    EXPECT_EQ(Sweep.Working.has_value(), Shown) << Start << " " << Stop;
    if (Shown) {
      EXPECT_EQ(*Sweep.Working, 100e6);
    }
  }
}

// A point the engine cannot compute is the reference's: a shunt capacitor at 0 Hz is a fault there.
TEST(BodeSweep, CountsTheReferencesFaultsAsNotComputable) {
  TNetWork Net;
  Scanned(Net, 50, -1e6, 1e6, 2).Elements[2].SetElementType(TElementType::Cp);
  Net.Elements[2].SetValue(1e-11);
  const TBodeSweep Sweep = SweepBode(Net, Linear());
  ASSERT_EQ(Sweep.Points.size(), 1u);
  EXPECT_EQ(Sweep.Points[0].Frequency, 1e6);
  EXPECT_EQ(Sweep.Note, "; not plotted: 1 not computable");
}

}  // namespace
