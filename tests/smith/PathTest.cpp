#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <complex>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "ChartPicture.h"

namespace {

constexpr int Width = 800, Height = 600;

void DrawPath(TSmithChart& Chart, TNetWork& Net) {
  Net.Calculate();
  Chart.DrawChart(Width, Height, 50);
  Chart.DrawNetwork(Net);
}

// Load 25 - j25; a series inductor, a series resistor, a parallel capacitor, a line (selected)
// and a series capacitor.
struct Path : ::testing::Test {
  TBitmap Screen;
  TSmithChart Chart{&Screen.Canvas()};
  TNetWork Net;
  Path() {
    Screen.SetSize(Width, Height);
    Build(Net, 25, -25,
          {{TElementType::Ls, 80e-9},
           {TElementType::Rs, 25},
           {TElementType::Cp, 10e-12},
           {TElementType::Line, 0.3},
           {TElementType::Cs, 30e-12}});
    Net.Selected = 4;
  }
  const TComplex& Z(int p) const { return Net.Elements[p + 1].Z; }
  QPoint Node(int p) const { return PixelOf(Chart, Z(p), 50); }
  bool LocusNear(const TComplex& At, TColor Colour) {
    const QPoint P = PixelOf(Chart, At, 50);
    return ColourNear(Chart, P.x(), P.y(), Colour);
  }
};

// The next locus starts on a node's marker and crosses it; the load's marker, drawn last, and
// the input's stay whole. Admittance markers are white, ringed blue.
TEST_F(Path, NodeMarkersAreRedWithTheLoadLimeOnTopAndMirroredThroughTheCentre) {
  DrawPath(Chart, Net);
  for (int p = 0; p <= 5; ++p) {
    EXPECT_EQ(QPoint(Chart.NodeX[p], Chart.NodeY[p]), Node(p)) << p;
    EXPECT_TRUE(ColourNear(Chart, Node(p).x(), Node(p).y(), p == 0 ? clLime : clRed, 2)) << p;
    const int QX = 2 * Chart.CenterX - Node(p).x(), QY = 2 * Chart.CenterY - Node(p).y();
    EXPECT_EQ(PixelAt(Chart, QX, QY), clWhite) << p;
    EXPECT_TRUE(ColourNear(Chart, QX - 3, QY, clBlue)) << p;
  }
  EXPECT_EQ(PixelAt(Chart, Node(5).x(), Node(5).y()), clRed);
  EXPECT_EQ(PixelAt(Chart, Node(0).x(), Node(0).y()), clLime);
}

TEST_F(Path, TheSelectedLocusIsRedAndTheOthersBlue) {
  DrawPath(Chart, Net);
  EXPECT_TRUE(LocusNear({Z(0).Re, (Z(0).Im + Z(1).Im) / 2}, clBlue));
  EXPECT_TRUE(LocusNear({(Z(1).Re + Z(2).Re) / 2, Z(1).Im}, clBlue));
  EXPECT_TRUE(LocusNear({Z(4).Re, (Z(4).Im + Z(5).Im) / 2}, clBlue));
  TComplex HalfLine;
  Net.LineZin(Z(3), 4, 0.15, HalfLine);
  EXPECT_TRUE(LocusNear(HalfLine, clRed));
  EXPECT_FALSE(LocusNear(HalfLine, clBlue));
}

TEST_F(Path, TheSWRAndItsLimeCircleBelongToTheInput) {
  Chart.ShowSWR = true;
  DrawPath(Chart, Net);
  const std::complex<double> z(Z(5).Re / 50, Z(5).Im / 50);
  const double Rho = std::abs((z - 1.0) / (z + 1.0));
  EXPECT_NEAR(Chart.GetSWR(), (1 + Rho) / (1 - Rho), 1e-9);
  const int R = static_cast<int>(std::nearbyint(Chart.Radius * Rho));
  EXPECT_TRUE(ColourNear(Chart, Chart.CenterX - R, Chart.CenterY + 20, clLime, 3));
  EXPECT_TRUE(ColourNear(Chart, Chart.CenterX, Chart.CenterY + R, clLime));
  EXPECT_EQ(PixelAt(Chart, Node(5).x(), Node(5).y()), clRed);  // the input's marker stays on top
  for (const auto& [R, SWR] :
       {std::pair{0.0, 1.0}, {0.5, 3.0}, {0.99899999, 1.99899999 / 0.00100001}, {0.999, -1.0}, {2.0, -1.0}}) {
    Chart.Rho = R;
    EXPECT_NEAR(Chart.GetSWR(), SWR, 1e-9 * std::fabs(SWR)) << R;
  }
}

TEST_F(Path, LabelsNameTheNodesAndTheScreenGetsTheFinishedPicture) {
  Chart.ShowLabels = true;
  DrawPath(Chart, Net);
  EXPECT_TRUE(TextInked(Chart, Node(0).x() + 2, Node(0).y() + 2, "ZL"));
  for (int k = 1; k < 5; ++k)
    EXPECT_TRUE(TextInked(Chart, Node(k).x() - 16, Node(k).y() + 2, "Z" + std::to_string(k))) << k;
  EXPECT_TRUE(TextInked(Chart, Node(5).x() + 2, Node(5).y() - 16, "Z in"));
  EXPECT_EQ(Screen.Image(), Chart.ChartBitmap.Image());
}

TEST_F(Path, AZeroZnFaults) {
  DrawPath(Chart, Net);
  Net.SetZn(0);
  EXPECT_THROW(Chart.DrawNetwork(Net), EMathError);
}

// Without loss a stub keeps the node's conductance: its locus runs along that circle from the node
// before it to its own, through every susceptance between them.
TEST(PathOfStubs, RunsAlongTheConductanceCircleOfTheNode) {
  using Cx = std::complex<double>;
  for (const TElementType T : {TElementType::OpenStub, TElementType::ShortStub}) {
    SCOPED_TRACE(TypeName(T));
    TBitmap Screen;
    Screen.SetSize(Width, Height);
    TSmithChart Chart{&Screen.Canvas()};
    TNetWork Net;
    Build(Net, 25, -25, {{T, 0.1}});
    Net.Elements[2].SetAttenuation(0);
    Net.Selected = 1;
    DrawPath(Chart, Net);
    const Cx Yp = 1.0 / Cx(Net.Elements[1].Z.Re, Net.Elements[1].Z.Im);
    const Cx Ye = 1.0 / Cx(Net.Elements[2].Z.Re, Net.Elements[2].Z.Im);
    EXPECT_NEAR(Ye.real(), Yp.real(), 1e-12);
    for (const double Part : {0.2, 0.5, 0.8}) {
      const Cx Z = 1.0 / (Yp + Part * (Ye - Yp));
      const QPoint P = PixelOf(Chart, {Z.real(), Z.imag()}, 50);
      EXPECT_TRUE(ColourNear(Chart, P.x(), P.y(), clRed)) << Part;
    }
  }
}

// Networks that reach the guards and bounds of the loci: the path ends and every marker stands
// on its node.
TEST(PathOfDegenerateNetworks, EndsWithEveryMarkerOnItsNode) {
  const struct {
    const char* Name;
    double R, X, Frequency;
    std::vector<std::pair<TElementType, double>> Elements;
  } Cases[] = {
      {"AllNone", 30, 20, 1e8, {}},
      {"Stub", 30, 20, 1e8, {{TElementType::None, 0}, {TElementType::Stub, 0}}},
      {"StubsOfLengthZero", 30, 20, 1e8, {{TElementType::OpenStub, 0}, {TElementType::ShortStub, 0}}},
      {"StubsAtZeroFrequency", 30, 20, 0, {{TElementType::OpenStub, 0.3}, {TElementType::ShortStub, 0.3}}},
      {"LineOfLengthZero", 30, 20, 1e8, {{TElementType::None, 0}, {TElementType::Line, 0}}},
      {"NegativeLineLength", 30, 20, 1e8, {{TElementType::None, 0}, {TElementType::Line, -3}}},
      {"ZeroFrequency", 30, 20, 0, {{TElementType::Ls, 1e-7}, {TElementType::Line, 0.5}, {TElementType::Lp, 1e-7}}},
      {"VeryLongLine", 30, 20, 1e8, {{TElementType::None, 0}, {TElementType::Line, 2e5}}},  // 1e5 wavelengths
      {"LoadAtMinusZn", -50, 0, 1e8, {{TElementType::Rs, 10}, {TElementType::Ls, 1e-8}}},   // z = -1: far off
      {"SeriesResistorOnTheAxis", 10, 0, 1e8, {{TElementType::Rs, 90}}},
      {"ParallelResistorOfZero", 30, 20, 1e8, {{TElementType::Rp, 0}}},
      {"SeriesCapacitorOfZero", 30, 20, 1e8, {{TElementType::Cs, 0}}},
      {"ThirtyElements", 5, -60, 1e8, std::vector(30, std::pair{TElementType::Rs, 3.0})},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TSmithChart Chart(nullptr);
    TNetWork Net;
    Build(Net, C.R, C.X, C.Elements);
    Net.SetFrequency(C.Frequency);
    Net.Elements[3].SetAttenuation(0);
    DrawPath(Chart, Net);
    const int Last = std::min(Net.NrOfElements, 20);  // the input's slot, shared beyond it
    for (int k = 0; k <= Last; ++k) {
      const int p = k == Last ? Net.NrOfElements : k;
      EXPECT_EQ(QPoint(Chart.NodeX[k], Chart.NodeY[k]), PixelOf(Chart, Net.Elements[p + 1].Z, 50)) << k;
    }
  }
}

constexpr double Major = 1e6, Minor = 200e3;

struct Scan : ::testing::Test {
  TSmithChart Chart{nullptr};
  TNetWork Net;
  TNetWork Probe;  // the same network, evaluated apart from the chart
  // The defaults (100 MHz, scan 80 to 125 MHz in 100 steps) with a 250 ohm load seen through a
  // line of about one wavelength: the trace turns once round the chart, its dots well apart.
  Scan() {
    for (TNetWork* N : {&Net, &Probe}) Build(*N, 250, 0, {{TElementType::Line, 2.01}});
    Chart.DrawChart(1000, 1000, 50);
  }
  QPoint At(double F) {
    Probe.SetFrequency(F);
    Probe.Calculate();
    return PixelOf(Chart, Probe.Elements[6].Z, 50);
  }
  QPoint Node(int Slot) const { return {Chart.NodeX[Slot], Chart.NodeY[Slot]}; }
};

TEST_F(Scan, MarksTheRoundFrequenciesAndEndsAtTheWorkingFrequency) {
  Chart.DrawScan(Net, Major, Minor);
  for (int k = 401; k <= 624; ++k) {
    const QPoint P = At(k * Minor);
    EXPECT_EQ(PixelAt(Chart, P.x(), P.y()), k % 5 == 0 ? clRed : clBlue) << k * Minor;
  }
  for (const double F : {80e6, 125e6}) {
    const QPoint P = At(F);
    EXPECT_TRUE(ColourNear(Chart, P.x(), P.y(), clGreen)) << F;
    EXPECT_FALSE(ColourNear(Chart, P.x(), P.y(), clBlue) || ColourNear(Chart, P.x(), P.y(), clRed)) << F;
  }
  EXPECT_EQ(Node(0), At(80e6));
  EXPECT_EQ(Node(1), At(125e6));
  EXPECT_EQ(Net.GetFrequency(), 1e8);
  const std::complex<double> z(Net.Elements[6].Z.Re / 50, Net.Elements[6].Z.Im / 50);
  const double Rho = std::abs((z - 1.0) / (z + 1.0));
  At(1e8);
  EXPECT_EQ(z, std::complex<double>(Probe.Elements[6].Z.Re / 50, Probe.Elements[6].Z.Im / 50));
  EXPECT_NEAR(Chart.GetSWR(), (1 + Rho) / (1 - Rho), 1e-9);
}

// Each label stands at a corner of its dot or end; crowded marks lose theirs (see LabelTest).
TEST_F(Scan, LabelsTheMajorDotsAndTheEnds) {
  Chart.ShowLabels = true;
  Chart.DrawScan(Net, Major, Minor);
  const auto LabelAt = [&](const std::string& Text, QPoint P) {
    for (const TPlacedLabel& L : Chart.Labels.Labels())
      if (L.Text == Text) return L.Box.adjusted(-4, -4, 4, 4).contains(P);
    return false;
  };
  EXPECT_TRUE(LabelAt("Start 80 MHz", Node(0)));
  EXPECT_TRUE(LabelAt("Stop 125 MHz", Node(1)));
  for (const double F : {81e6, 100e6, 124e6}) EXPECT_TRUE(LabelAt(FormatValue(3, "Hz", F), At(F))) << F;
}

TEST_F(Scan, AFaultKeepsTheWorkingFrequency) {
  Build(Net, 250, 0, {{TElementType::Line, 2.01}, {TElementType::Cs, 1e-11}});
  Net.ScanStart = 0;
  EXPECT_THROW(Chart.DrawScan(Net, Major, Minor), EMathError);
  EXPECT_EQ(Net.GetFrequency(), 1e8);
}

// Whatever the numbers, the scan ends, from the start to the frequency that ends the trace, and
// the working frequency comes back.
TEST_F(Scan, EndsAndKeepsTheWorkingFrequencyWhateverTheNumbers) {
  constexpr double NaN = std::numeric_limits<double>::quiet_NaN(), Inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* Name;
    int Steps;
    double Start, Stop, Major, Minor, TraceEnd;
  } Cases[] = {{"NoSteps", 0, 80e6, 125e6, Major, Minor, 125e6},
               {"MostNegativeSteps", INT_MIN, 80e6, 125e6, Major, Minor, 125e6},
               {"MostSteps", INT_MAX, 80e6, 125e6, Major, Minor, 125e6},
               {"StartIsStop", 100, 90e6, 90e6, Major, Minor, 90e6},
               {"StartAboveStop", 100, 125e6, 80e6, Major, Minor, 125.45e6},
               {"StepTooSmallToMove", 100, 1e8, std::nextafter(1e8, 2e8), Major, Minor, 1e8},
               {"ZeroIntervals", 100, 80e6, 125e6, 0, 0, 125e6},
               {"NegativeIntervals", 100, 80e6, 125e6, -1e6, -2e5, 125e6},
               {"NaNIntervals", 100, 80e6, 125e6, NaN, NaN, 125e6},
               {"InfiniteIntervals", 100, 80e6, 125e6, Inf, -Inf, 125e6},
               {"TinyIntervals", 100, 80e6, 125e6, 1e-3, 1e-6, 125e6}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    Net.ScanSteps = C.Steps;
    Net.ScanStart = C.Start;
    Net.ScanStop = C.Stop;
    Chart.DrawScan(Net, C.Major, C.Minor);
    EXPECT_EQ(Net.GetFrequency(), 1e8);
    EXPECT_EQ(Node(0), At(C.Start));
    EXPECT_EQ(Node(1), At(C.TraceEnd));
  }
}

}  // namespace
