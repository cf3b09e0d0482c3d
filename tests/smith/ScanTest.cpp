#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <complex>
#include <limits>
#include <ostream>

#include "ChartPicture.h"

namespace {

constexpr int Size = 1000;
constexpr double Major = 1e6, Minor = 200e3;

// The defaults (100 MHz, scan 80 to 125 MHz in 100 steps) with a 250 ohm load seen through a
// line of about one wavelength: the trace turns once round the chart, its dots well apart.
void ScanNetwork(TNetWork& Net) {
  LoadNetwork(Net, 250, 0);
  Place(Net, 1, TElementType::Line, 2.01);
}

int CountColour(TSmithChart& Chart, TColor Colour) {
  const QImage& Image = Chart.ChartBitmap.Image();
  int N = 0;
  for (int y = 0; y < Image.height(); ++y)
    for (int x = 0; x < Image.width(); ++x) N += FromQColor(Image.pixelColor(x, y)) == Colour;
  return N;
}

struct Scan : ::testing::Test {
  TSmithChart Chart{nullptr};
  TNetWork Net;
  TNetWork Probe;  // the same network, evaluated apart from the chart
  Scan() {
    ScanNetwork(Net);
    ScanNetwork(Probe);
    Chart.DrawChart(Size, Size, 50);
  }
  QPoint At(double F) {
    Probe.SetFrequency(F);
    Probe.Calculate();
    return PixelOf(Chart, Probe.Elements[6].Z, 50);
  }
};

TEST_F(Scan, MarksTheRoundFrequenciesOfTheDefaults) {
  Chart.DrawScan(Net, Major, Minor);
  for (int k = 401; k <= 624; ++k) {
    const QPoint P = At(k * Minor);
    EXPECT_EQ(PixelAt(Chart, P.x(), P.y()), k % 5 == 0 ? clRed : clBlue) << k * Minor;
  }
  for (double F : {80e6, 125e6}) {
    const QPoint P = At(F);
    EXPECT_TRUE(ColourNear(Chart, P.x(), P.y(), clGreen)) << F;
    EXPECT_FALSE(ColourNear(Chart, P.x(), P.y(), clBlue)) << F;
    EXPECT_FALSE(ColourNear(Chart, P.x(), P.y(), clRed)) << F;
  }
}

TEST_F(Scan, KeepsTheEndsOfTheTrace) {
  Chart.DrawScan(Net, Major, Minor);
  EXPECT_EQ(QPoint(Chart.NodeX[0], Chart.NodeY[0]), At(80e6));
  EXPECT_EQ(QPoint(Chart.NodeX[1], Chart.NodeY[1]), At(125e6));
}

TEST_F(Scan, LabelsTheMajorDotsAndTheEnds) {
  Chart.ShowLabels = true;
  Chart.DrawScan(Net, Major, Minor);
  EXPECT_TRUE(TextInked(Chart, Chart.NodeX[0] + 2, Chart.NodeY[0] + 2, "Start 80 MHz"));
  EXPECT_TRUE(TextInked(Chart, Chart.NodeX[1] + 2, Chart.NodeY[1] + 2, "Stop 125 MHz"));
  for (double F : {81e6, 100e6, 124e6}) {
    const QPoint P = At(F);
    EXPECT_TRUE(TextInked(Chart, P.x() + 2, P.y() + 2, FormatValue(3, "Hz", F))) << F;
  }
}

TEST_F(Scan, LeavesTheNetworkAndTheSWRAtTheWorkingFrequency) {
  Chart.DrawScan(Net, Major, Minor);
  EXPECT_EQ(Net.GetFrequency(), 1e8);
  Probe.SetFrequency(1e8);
  Probe.Calculate();
  EXPECT_EQ(Net.Elements[6].Z.Re, Probe.Elements[6].Z.Re);
  EXPECT_EQ(Net.Elements[6].Z.Im, Probe.Elements[6].Z.Im);
  const std::complex<double> z(Probe.Elements[6].Z.Re / 50, Probe.Elements[6].Z.Im / 50);
  const double Rho = std::abs((z - 1.0) / (z + 1.0));
  EXPECT_NEAR(Chart.GetSWR(), (1 + Rho) / (1 - Rho), 1e-9);
}

TEST_F(Scan, DrawsTheSWRCircleOfTheWorkingFrequency) {
  Chart.ShowSWR = true;
  Chart.DrawScan(Net, Major, Minor);
  const int Rho = static_cast<int>(std::nearbyint(Chart.Radius * Chart.Rho));
  EXPECT_TRUE(ColourNear(Chart, Chart.CenterX, Chart.CenterY - Rho, clLime));
  const QPoint Working = At(1e8);
  EXPECT_EQ(PixelAt(Chart, Working.x(), Working.y()), clRed);
}

// A fault in the middle of the sweep still leaves the working frequency in place.
TEST_F(Scan, AFaultKeepsTheWorkingFrequency) {
  Place(Net, 2, TElementType::Cs, 1e-11);
  Net.ScanStart = 0;
  EXPECT_THROW(Chart.DrawScan(Net, Major, Minor), EMathError);
  EXPECT_EQ(Net.GetFrequency(), 1e8);
}

struct TBoundedCase {
  const char* Name;
  int Steps;
  double Start, Stop, Major, Minor;
  double TraceEnd;  // the frequency whose pixel ends the trace
  bool RedDots, BlueDots;
};

void PrintTo(const TBoundedCase& C, std::ostream* Os) { *Os << C.Name; }

class BoundedScan : public Scan, public ::testing::WithParamInterface<TBoundedCase> {};

// Whatever the numbers, the scan ends, the working frequency comes back, and there are dots only
// for a positive, finite interval.
TEST_P(BoundedScan, EndsAndKeepsTheWorkingFrequency) {
  const TBoundedCase& C = GetParam();
  const int LegendRed = CountColour(Chart, clRed), LegendBlue = CountColour(Chart, clBlue);
  Net.ScanSteps = C.Steps;
  Net.ScanStart = C.Start;
  Net.ScanStop = C.Stop;
  Chart.DrawScan(Net, C.Major, C.Minor);
  EXPECT_EQ(Net.GetFrequency(), 1e8);
  EXPECT_EQ(QPoint(Chart.NodeX[0], Chart.NodeY[0]), At(C.Start));
  EXPECT_EQ(QPoint(Chart.NodeX[1], Chart.NodeY[1]), At(C.TraceEnd));
  EXPECT_EQ(CountColour(Chart, clRed) > LegendRed, C.RedDots);
  EXPECT_EQ(CountColour(Chart, clBlue) > LegendBlue, C.BlueDots);
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
const double JustAbove = std::nextafter(1e8, 2e8);

INSTANTIATE_TEST_SUITE_P(
    Inputs, BoundedScan,
    ::testing::Values(TBoundedCase{"NoSteps", 0, 80e6, 125e6, Major, Minor, 125e6, true, true},
                      TBoundedCase{"NegativeSteps", -100, 80e6, 125e6, Major, Minor, 125e6, true, true},
                      TBoundedCase{"MostNegativeSteps", INT_MIN, 80e6, 125e6, Major, Minor, 125e6, true, true},
                      TBoundedCase{"MostSteps", INT_MAX, 80e6, 125e6, Major, Minor, 125e6, true, true},
                      TBoundedCase{"StartIsStop", 100, 90e6, 90e6, Major, Minor, 90e6, true, true},
                      TBoundedCase{"StartAboveStop", 100, 125e6, 80e6, Major, Minor, 125.45e6, true, true},
                      TBoundedCase{"StepTooSmallToMove", 100, 1e8, JustAbove, Major, Minor, 1e8, true, true},
                      TBoundedCase{"ZeroIntervals", 100, 80e6, 125e6, 0, 0, 125e6, false, false},
                      TBoundedCase{"NegativeIntervals", 100, 80e6, 125e6, -1e6, -2e5, 125e6, false, false},
                      TBoundedCase{"NaNIntervals", 100, 80e6, 125e6, NaN, NaN, 125e6, false, false},
                      TBoundedCase{"InfiniteIntervals", 100, 80e6, 125e6, Inf, -Inf, 125e6, false, false},
                      TBoundedCase{"TinyMajorInterval", 100, 80e6, 125e6, 1e-3, 0, 125e6, true, false},
                      TBoundedCase{"TinyMinorInterval", 100, 80e6, 125e6, 0, 1e-6, 125e6, false, true}));

}  // namespace
