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

// The sweep starts one step above the start and ends at the first point that reaches the stop; it
// says what it could not plot, and the network keeps its working frequency.
TEST(BodeSweep, SweepsTheScanRangeAndSaysWhatItCouldNotPlot) {
  struct {
    double Load, Start, Stop;
    int Steps, Points;
    std::string Title;
  } const Cases[] = {
      {50, 500, 1000, 0, 1, "Frequency (Hz)"},
      {50, 500, 1000.5, 0, 1, "Frequency (kHz)"},
      {50, 1e9, 2.4e9, 0, 1, "Frequency (GHz)"},
      {50, 80e6, 125e6, -4, 4, "Frequency (MHz)"},
      {50, 80e6, 125e6, INT_MIN, 100000, "Frequency (MHz)"},
      {50, 100e6, 100e6, 100, 1, "Frequency (MHz)"},
      {50, 100e6, 100e6 + 1e-7, 100, 101, "Frequency (MHz)"},
      {50, 125e6, 80e6, 10, 1, "Frequency (MHz)"},
      {50, -20e6, 20e6, 4, 2, "Frequency (MHz); not plotted: 2 at frequencies <= 0"},
      {-50, 80e6, 125e6, 10, 0, "Frequency (MHz); not plotted: 10 with no power reaching the load"}};
  for (const auto& C : Cases) {
    TNetWork Net;
    const TBodeSweep Sweep = SweepBode(Scanned(Net, C.Load, C.Start, C.Stop, C.Steps));
    EXPECT_EQ(std::tuple(static_cast<int>(Sweep.Points.size()), Sweep.AxisTitle + Sweep.Note),
              std::tuple(C.Points, C.Title)) << C.Stop << " " << C.Steps;
    EXPECT_EQ(Net.GetFrequency(), 1e8);
  }
}

// A series resistor before a 50 ohm load transfers 10000 / (100 + R)^2: the range follows the
// lowest gain, down to -50 dB.
TEST(BodeSweep, YRangeFollowsTheLowestGain) {
  const double Cases[][3] = {{0, -1, 0.2},   {5.93, -1, 0.2}, {41.3, -5, 1},   {151, -10, 1},
                             {462, -20, 2},  {1678, -30, 5},  {5523, -40, 5},  {17683, -50, 10}};
  for (const auto& [Ohm, YMin, Interval] : Cases) {
    TNetWork Net;
    Scanned(Net, 50, 80e6, 125e6, 10).Elements[2].SetElementType(TElementType::Rs);
    Net.Elements[2].SetValue(Ohm);
    const TBodeSweep Sweep = SweepBode(Net);
    EXPECT_EQ(std::tuple(Sweep.YMin, Sweep.YMarksInterval), std::tuple(YMin, Interval)) << Ohm;
    EXPECT_NEAR(Sweep.Points.back().Db, 10 * std::log10(1e4 / ((100 + Ohm) * (100 + Ohm))), 1e-9) << Ohm;
  }
}

// A point the engine cannot compute is the reference's: a shunt capacitor at 0 Hz is a fault there.
TEST(BodeSweep, CountsTheReferencesFaultsAsNotComputable) {
  TNetWork Net;
  Scanned(Net, 50, -1e6, 1e6, 2).Elements[2].SetElementType(TElementType::Cp);
  Net.Elements[2].SetValue(1e-11);
  const TBodeSweep Sweep = SweepBode(Net);
  ASSERT_EQ(Sweep.Points.size(), 1u);
  EXPECT_EQ(Sweep.Points[0].Frequency, 1e6);
  EXPECT_EQ(Sweep.Note, "; not plotted: 1 not computable");
}

}  // namespace
