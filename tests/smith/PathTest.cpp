#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "ChartPicture.h"

namespace {

constexpr int Width = 800, Height = 600;

std::complex<double> Gamma(const TComplex& Z, double Zn) {
  const std::complex<double> z(Z.Re / Zn, Z.Im / Zn);
  return (z - 1.0) / (z + 1.0);
}

// Load 25 - j25; a series inductor, a series resistor, a parallel capacitor, a line (selected)
// and a series capacitor, with the path on a fresh 800 x 600 chart.
struct Path : ::testing::Test {
  TBitmap Screen;
  TSmithChart Chart{&Screen.Canvas()};
  TNetWork Net;
  Path() {
    Screen.SetSize(Width, Height);
    LoadNetwork(Net, 25, -25);
    Place(Net, 1, TElementType::Ls, 80e-9);
    Place(Net, 2, TElementType::Rs, 25);
    Place(Net, 3, TElementType::Cp, 10e-12);
    Place(Net, 4, TElementType::Line, 0.3);
    Place(Net, 5, TElementType::Cs, 30e-12);
    Net.Selected = 4;
  }
  void Draw() {
    Net.Calculate();
    Chart.DrawChart(Width, Height, Net.GetZn());
    Chart.DrawNetwork(Net);
  }
  QPoint Node(int p) const { return PixelOf(Chart, Net.Elements[p + 1].Z, Net.GetZn()); }
  bool LocusNear(const TComplex& Z, TColor Colour) {
    const QPoint P = PixelOf(Chart, Z, Net.GetZn());
    return ColourNear(Chart, P.x(), P.y(), Colour);
  }
};

// The next element's locus starts on a node's marker and crosses it; the load marker and the
// input's, drawn last, stay whole.
TEST_F(Path, NodeMarkersAreRedWithTheLoadLimeOnTop) {
  Draw();
  for (int p = 0; p <= 5; ++p) EXPECT_EQ(QPoint(Chart.NodeX[p], Chart.NodeY[p]), Node(p)) << p;
  for (int p = 1; p < 5; ++p) EXPECT_TRUE(ColourNear(Chart, Node(p).x(), Node(p).y(), clRed, 2)) << p;
  EXPECT_EQ(PixelAt(Chart, Node(5).x(), Node(5).y()), clRed);
  EXPECT_EQ(PixelAt(Chart, Node(0).x(), Node(0).y()), clLime);
  EXPECT_TRUE(ColourNear(Chart, Node(0).x() - 3, Node(0).y(), clGreen));
}

TEST_F(Path, AdmittanceMarkersAreTheNodesMirroredThroughTheCentre) {
  Draw();
  for (int p = 0; p <= 5; ++p) {
    const int QX = 2 * Chart.CenterX - Node(p).x(), QY = 2 * Chart.CenterY - Node(p).y();
    EXPECT_EQ(PixelAt(Chart, QX, QY), clWhite) << p;
    EXPECT_TRUE(ColourNear(Chart, QX - 3, QY, clBlue)) << p;
    EXPECT_TRUE(ColourNear(Chart, QX + 2, QY, clBlue)) << p;
  }
}

TEST_F(Path, TheSelectedLocusIsRedAndTheOthersBlue) {
  Draw();
  const TComplex& Z0 = Net.Elements[1].Z;
  const TComplex& Z1 = Net.Elements[2].Z;
  const TComplex& Z2 = Net.Elements[3].Z;
  const TComplex& Z4 = Net.Elements[5].Z;
  const TComplex& Z5 = Net.Elements[6].Z;
  EXPECT_TRUE(LocusNear({Z0.Re, (Z0.Im + Z1.Im) / 2}, clBlue));
  EXPECT_TRUE(LocusNear({(Z1.Re + Z2.Re) / 2, Z1.Im}, clBlue));
  TComplex HalfLine;
  Net.LineZin(Net.Elements[4].Z, 4, 0.15, HalfLine);
  EXPECT_TRUE(LocusNear(HalfLine, clRed));
  EXPECT_FALSE(LocusNear(HalfLine, clBlue));
  EXPECT_TRUE(LocusNear({Z4.Re, (Z4.Im + Z5.Im) / 2}, clBlue));
}

TEST_F(Path, RhoAndTheSWRBelongToTheInput) {
  Draw();
  const double Magnitude = std::abs(Gamma(Net.Elements[6].Z, 50));
  EXPECT_NEAR(Chart.Rho, Magnitude, 1e-12);
  EXPECT_NEAR(Chart.GetSWR(), (1 + Magnitude) / (1 - Magnitude), 1e-9);
}

TEST_F(Path, TheSWRCircleIsLimeThroughTheInput) {
  Chart.ShowSWR = true;
  Draw();
  const int Rho = static_cast<int>(std::nearbyint(Chart.Radius * Chart.Rho));
  EXPECT_TRUE(ColourNear(Chart, Chart.CenterX - Rho, Chart.CenterY + 20, clLime, 3));
  EXPECT_TRUE(ColourNear(Chart, Chart.CenterX, Chart.CenterY + Rho, clLime));
  EXPECT_EQ(PixelAt(Chart, Node(5).x(), Node(5).y()), clRed);  // the input's marker stays on top
}

TEST_F(Path, LabelsNameTheNodes) {
  Chart.ShowLabels = true;
  Draw();
  EXPECT_TRUE(TextInked(Chart, Node(0).x() + 2, Node(0).y() + 2, "ZL"));
  for (int k = 1; k < 5; ++k)
    EXPECT_TRUE(TextInked(Chart, Node(k).x() - 16, Node(k).y() + 2, "Z" + std::to_string(k))) << k;
  EXPECT_TRUE(TextInked(Chart, Node(5).x() + 2, Node(5).y() - 16, "Z in"));
}

TEST_F(Path, TheScreenGetsTheFinishedPicture) {
  Chart.ShowLabels = true;
  Chart.ShowSWR = true;
  Draw();
  EXPECT_EQ(Screen.Image(), Chart.ChartBitmap.Image());
}

TEST_F(Path, AZeroZnFaults) {
  Net.Calculate();
  Chart.DrawChart(Width, Height, 50);
  Net.SetZn(0);
  EXPECT_THROW(Chart.DrawNetwork(Net), EMathError);
}

// Degenerate networks end and put every marker where its node is.
struct TDegenerateCase {
  const char* Name;
  void (*Arrange)(TNetWork&);
};

void PrintTo(const TDegenerateCase& C, std::ostream* Os) { *Os << C.Name; }

class DegeneratePath : public ::testing::TestWithParam<TDegenerateCase> {};

TEST_P(DegeneratePath, EndsWithEveryMarkerOnItsNode) {
  TSmithChart Chart(nullptr);
  TNetWork Net;
  LoadNetwork(Net, 30, 20);
  GetParam().Arrange(Net);
  Net.Calculate();
  Chart.DrawChart(Width, Height, 50);
  Chart.DrawNetwork(Net);
  for (int p = 0; p <= 5; ++p) EXPECT_EQ(QPoint(Chart.NodeX[p], Chart.NodeY[p]), PixelOf(Chart, Net.Elements[p + 1].Z, 50));
}

INSTANTIATE_TEST_SUITE_P(
    Networks, DegeneratePath,
    ::testing::Values(TDegenerateCase{"AllNone", [](TNetWork&) {}},
                      TDegenerateCase{"LineOfLengthZero", [](TNetWork& N) { Place(N, 2, TElementType::Line, 0); }},
                      TDegenerateCase{"ZeroFrequency",
                                      [](TNetWork& N) {
                                        N.SetFrequency(0);
                                        Place(N, 1, TElementType::Ls, 1e-7);
                                        Place(N, 2, TElementType::Line, 0.5);
                                        Place(N, 3, TElementType::Lp, 1e-7);
                                      }},
                      TDegenerateCase{"NegativeLineLength", [](TNetWork& N) { Place(N, 2, TElementType::Line, -3); }},
                      // some hundred thousand wavelengths, walked in at most MaxLinePieces pieces
                      TDegenerateCase{"VeryLongLine",
                                      [](TNetWork& N) {
                                        N.Elements[3].SetAttenuation(0);
                                        Place(N, 2, TElementType::Line, 2e5);
                                      }},
                      TDegenerateCase{"LossyInductors",
                                      [](TNetWork& N) {
                                        N.Q = 50;
                                        Place(N, 1, TElementType::Ls, 1e-7);
                                        Place(N, 2, TElementType::Lp, 1e-7);
                                      }},
                      // z = -1 maps to infinity: its pixels are pulled in far off the bitmap
                      TDegenerateCase{"LoadNearMinusZn",
                                      [](TNetWork& N) {
                                        LoadNetwork(N, -50, 0);
                                        Place(N, 1, TElementType::Rs, 10);
                                        Place(N, 2, TElementType::Ls, 1e-8);
                                      }},
                      TDegenerateCase{"ParallelResistorOfZero", [](TNetWork& N) { Place(N, 1, TElementType::Rp, 0); }},
                      TDegenerateCase{"SeriesCapacitorOfZero", [](TNetWork& N) { Place(N, 1, TElementType::Cs, 0); }}));

TEST(PathWithoutElements, AllMarkersFallOnTheLoadWithTheLoadOnTop) {
  TSmithChart Chart(nullptr);
  TNetWork Net;
  LoadNetwork(Net, 30, 20);
  Net.Calculate();
  Chart.DrawChart(Width, Height, 50);
  Chart.DrawNetwork(Net);
  const QPoint Load = PixelOf(Chart, Net.Elements[1].Z, 50);
  EXPECT_EQ(PixelAt(Chart, Load.x(), Load.y()), clLime);
  EXPECT_EQ(PixelAt(Chart, Load.x() - 1, Load.y() - 1), clLime);
}

TEST(PathWithAStub, TheStubGetsAMarkerButNoLocus) {
  TSmithChart Chart(nullptr);
  TNetWork Net;
  LoadNetwork(Net, 10, -40);
  Place(Net, 2, TElementType::Stub, 0);
  Net.Elements[3].Z = {150, 0};  // what the stub's node held before
  Net.Calculate();
  Chart.DrawChart(Width, Height, 50);
  Chart.DrawNetwork(Net);
  const QPoint Load = PixelOf(Chart, Net.Elements[1].Z, 50), Stub = PixelOf(Chart, {150, 0}, 50);
  EXPECT_EQ(QPoint(Chart.NodeX[2], Chart.NodeY[2]), Stub);
  EXPECT_EQ(PixelAt(Chart, Stub.x(), Stub.y()), clRed);
  const QPoint Between = (Load + Stub) / 2;
  EXPECT_FALSE(ColourNear(Chart, Between.x(), Between.y(), clBlue, 2));
}

TEST(PathOnTheAxis, ASeriesResistorThereIsAStraightSegment) {
  TSmithChart Chart(nullptr);
  TNetWork Net;
  LoadNetwork(Net, 10, 0);
  Place(Net, 1, TElementType::Rs, 90);
  Net.Calculate();
  Chart.DrawChart(Width, Height, 50);
  Chart.DrawNetwork(Net);
  const int From = PixelOf(Chart, {10, 0}, 50).x(), To = PixelOf(Chart, {100, 0}, 50).x();
  const int InputAdmittance = 2 * Chart.CenterX - To;  // a white marker on the segment
  for (int X = From + 5; X < To - 5; ++X)
    if (std::abs(X - InputAdmittance) > 4) {
      EXPECT_TRUE(ColourNear(Chart, X, Chart.CenterY, clBlue)) << X;
    }
}

// Thirty elements share the last marker slot; the input node, written last, gets "Z in".
TEST(PathOfThirtyElements, LabelsTheInputFromTheLastSlot) {
  TSmithChart Chart(nullptr);
  Chart.ShowLabels = true;
  TNetWork Net;
  LoadNetwork(Net, 5, -60);
  Net.SetNrOfElements(30);
  for (int p = 1; p <= 30; ++p) Place(Net, p, TElementType::Rs, 3);
  Net.Calculate();
  Chart.DrawChart(Width, Height, 50);
  Chart.DrawNetwork(Net);
  const QPoint Input = PixelOf(Chart, Net.Elements[31].Z, 50);
  EXPECT_EQ(QPoint(Chart.NodeX[20], Chart.NodeY[20]), Input);
  EXPECT_EQ(QPoint(Chart.NodeX[19], Chart.NodeY[19]), PixelOf(Chart, Net.Elements[20].Z, 50));
  EXPECT_TRUE(TextInked(Chart, Input.x() + 2, Input.y() - 16, "Z in"));
}

struct TSWRCase {
  double Rho, SWR;
};

void PrintTo(const TSWRCase& C, std::ostream* Os) { *Os << "rho_" << C.Rho; }

class SWR : public ::testing::TestWithParam<TSWRCase> {};

TEST_P(SWR, FollowsRhoUpToTheLimit) {
  TSmithChart Chart(nullptr);
  Chart.Rho = GetParam().Rho;
  EXPECT_NEAR(Chart.GetSWR(), GetParam().SWR, 1e-9 * std::fabs(GetParam().SWR));
}

INSTANTIATE_TEST_SUITE_P(Values, SWR,
                         ::testing::Values(TSWRCase{0, 1}, TSWRCase{0.5, 3},
                                           TSWRCase{0.99899999, 1.99899999 / 0.00100001}, TSWRCase{0.999, -1},
                                           TSWRCase{2, -1}));

}  // namespace
