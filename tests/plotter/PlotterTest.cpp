#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/Errors.h"
#include "plotter/MarkText.h"
#include "plotter/PlotBounds.h"
#include "plotter/PlotTicks.h"
#include "plotter/Plotter.h"

namespace {

constexpr long double Inf = std::numeric_limits<long double>::infinity();

void ExpectValues(const std::vector<long double>& Actual, const std::vector<long double>& Expected) {
  ASSERT_EQ(Actual.size(), Expected.size());
  for (std::size_t I = 0; I < Expected.size(); ++I)
    EXPECT_NEAR(Actual[I], Expected[I], std::fabs(Expected[I]) * 1e-15L) << I;
}

TEST(MarkText, FixedBelowAThousandScientificAbove) {
  const struct {
    long double Value;
    const char *X, *Y;
  } Cases[] = {{2, "2", "2"}, {2.5L, "2.5", "2.5"}, {0.125L, "0.13", "0.13"}, {1.005L, "1.01", "1.01"},
               {-40, "-40", "-40"}, {0.004L, "0", "0"}, {-2.7e-20L, "0", "0"}, {0.1L + 0.2L, "0.3", "0.3"},
               {999.996L, "1000", "1000"}, {2000, "2e3", "2e03"}, {2500, "2.5e3", "2.5e03"}, {1e6L, "1e6", "1e06"},
               {999999, "1e6", "1e06"}, {1234567, "1.23e6", "1.23e06"}, {1.5e123L, "1.5e123", "1.5e123"}};
  for (const auto& C : Cases) {
    EXPECT_EQ(XMarkText(C.Value), C.X);
    EXPECT_EQ(YMarkText(C.Value), C.Y);
  }
}

// On a log axis no mark is 0: one that two decimals would not show exactly reads scientific.
TEST(MarkText, LogMarksBelowAHundredthReadScientific) {
  const std::pair<long double, const char*> Cases[] = {{0.001L, "1e-3"}, {0.002L, "2e-3"}, {0.105L, "1.05e-1"},
                                                       {0.01L, "0.01"}, {0.05L, "0.05"},    {0.15L, "0.15"},
                                                       {2, "2"},        {2e5L, "2e5"},      {1e3L, "1e3"}};
  for (const auto& [Value, Text] : Cases) EXPECT_EQ(XLogMarkText(Value), Text) << static_cast<double>(Value);
}

// Over 150 kHz .. 950 kHz, 1e6 ends the decade's steps and is labelled although it lies beyond;
// shorter spans step more finely, longer ones label every decade.
TEST(PlotTicks, LogAxisStepsByTheSpanAndLabelsEverySecondStep) {
  const long double Min = std::log10(150000.0L), Max = std::log10(950000.0L);
  ExpectValues(LogGridTicks(Min, Max), {2e5L, 3e5L, 4e5L, 5e5L, 6e5L, 7e5L, 8e5L, 9e5L});
  ExpectValues(LogMarkTicks(Min, Max), {2e5L, 4e5L, 6e5L, 8e5L, 1e6L});
  ExpectValues(LogGridTicks(std::log10(1.9e3L), std::log10(5.4e3L)), {2e3L, 2.5e3L, 3e3L, 3.5e3L, 4e3L, 4.5e3L, 5e3L});
  ExpectValues(LogGridTicks(0, std::log10(1.18L)), {1, 1.05L, 1.1L, 1.15L});
  ExpectValues(LogMarkTicks(0, 2.5L), {1, 2, 4, 6, 8, 10, 10, 20, 40, 60, 80, 100, 100, 200, 400});
}

// V moved by Ulps units in its last place.
long double Nudged(long double V, int Ulps) {
  for (; Ulps > 0; --Ulps) V = std::nextafter(V, Inf);
  for (; Ulps < 0; ++Ulps) V = std::nextafter(V, -Inf);
  return V;
}

// The last bits of a logarithm differ between processors (log10 of 1e6 is 6 on some and 6 plus
// one unit in the last place on others): a round value on a bound keeps its line and label at the
// lower bound and has no line at the upper one, however the bounds' last bits fall.
TEST(PlotTicks, RoundValuesOnTheBoundsDoNotDependOnTheLastBits) {
  const struct {
    long double Min, Max;
    std::vector<long double> Grid, Marks;
  } Cases[] = {{20e6L,
                31.25e6L,
                {2e7L, 2.1e7L, 2.2e7L, 2.3e7L, 2.4e7L, 2.5e7L, 2.6e7L, 2.7e7L, 2.8e7L, 2.9e7L, 3e7L, 3.1e7L},
                {2e7L, 2.2e7L, 2.4e7L, 2.6e7L, 2.8e7L, 3e7L, 3.2e7L}},
               {1e6L, 1e7L, {1e6L, 1e6L, 2e6L, 3e6L, 4e6L, 5e6L, 6e6L, 7e6L, 8e6L, 9e6L},
                {1e6L, 2e6L, 4e6L, 6e6L, 8e6L, 1e7L}},
               {1.5e5L, 2e5L, {1.5e5L, 1.55e5L, 1.6e5L, 1.65e5L, 1.7e5L, 1.75e5L, 1.8e5L, 1.85e5L, 1.9e5L, 1.95e5L},
                {1.5e5L, 1.6e5L, 1.7e5L, 1.8e5L, 1.9e5L, 2e5L}}};
  for (const auto& C : Cases)
    for (int MinUlps = -3; MinUlps <= 3; ++MinUlps)
      for (int MaxUlps = -3; MaxUlps <= 3; ++MaxUlps) {
        SCOPED_TRACE(::testing::Message() << C.Min << " " << MinUlps << ", " << C.Max << " " << MaxUlps);
        const long double Min = Nudged(std::log10(C.Min), MinUlps), Max = Nudged(std::log10(C.Max), MaxUlps);
        ExpectValues(LogGridTicks(Min, Max), C.Grid);
        ExpectValues(LogMarkTicks(Min, Max), C.Marks);
      }
}

TEST(PlotTicks, LinearAxisStartsAtTheFirstMultipleAndEveryLoopEnds) {
  EXPECT_EQ(FirstMark(-47, 10), -40);
  EXPECT_EQ(FirstMark(-50.0009L, 10), -50);  // within a ten-thousandth of an interval
  ExpectValues(LinearTicks(-50, 10, 0), {-50, -40, -30, -20, -10, 0});
  EXPECT_EQ(WidenInterval(0, 0, 1000, 1), 1);  // a panel without width has nothing to space out
  // An interval lost against the bounds; a decade value that underflows.
  EXPECT_LE(LinearTicks(1e30L, 1, 1e30L + 1e26L).size(), 4096u);
  EXPECT_LE(LinearTicks(0, 1e-300L, 1e300L).size(), 4096u);
  const long double Tiny = std::log10(std::numeric_limits<long double>::denorm_min());
  EXPECT_LT(LogGridTicks(Tiny, Tiny + 0.1L).size() + LogMarkTicks(Tiny, Tiny + 0.1L).size(), 400u);
}

TEST(PlotBounds, LinearBoundsPushTheOtherOneAUnitAwayWhenTheyWouldInvert) {
  TPlotAxes A;
  AssignYMin(A, 20);
  EXPECT_EQ(std::pair(A.YMin, A.YMax), std::pair(20.0L, 21.0L));
  AssignYMin(A, 0);
  AssignYMax(A, -60);
  EXPECT_EQ(std::pair(A.YMin, A.YMax), std::pair(-61.0L, -60.0L));
  AssignXMin(A, 20);
  EXPECT_EQ(A.XMax, 21);
  AssignXMax(A, 20);  // equal is inverted too
  EXPECT_EQ(A.XMin, 19);
}

TEST(PlotBounds, LogBoundsAreStoredAsLogarithmsAndLeaveTheOtherOneAlone) {
  TPlotAxes A;
  AssignXLog(A, true);
  AssignXLog(A, true);  // the same state again converts nothing
  ExpectValues({A.XMin, A.XMax}, {-16, 1});
  AssignXMax(A, 1e6L);
  AssignXMin(A, 1e8L);
  ExpectValues({A.XMin, A.XMax}, {8, 6});
  AssignXMin(A, 0);
  ExpectValues({A.XMin}, {-16});
  AssignXLog(A, false);
  EXPECT_NEAR(A.XMax, 1e6L, 1e-9L);
}

// No bound is ever NaN or infinite, nor a span beyond the range: such a value raises and the axis
// stays as it was.
TEST(PlotBounds, ValuesThatCannotBeStoredRaiseAndKeepTheBounds) {
  TPlotAxes A;
  AssignXLog(A, true);
  A.XMax = 5000;  // fine as a logarithm, beyond the range as a value
  A.YMax = std::numeric_limits<long double>::max();
  const auto Bounds = [&A] { return std::tuple(A.XLog, A.XMin, A.XMax, A.YMin, A.YMax); };
  const auto Before = Bounds();
  EXPECT_THROW(AssignXMin(A, -1), EMathError);
  EXPECT_THROW(AssignXMax(A, Inf), EMathError);
  EXPECT_THROW(AssignYMin(A, std::nanl("")), EMathError);
  EXPECT_THROW(AssignYMin(A, -A.YMax), EMathError);
  EXPECT_THROW(AssignXLog(A, false), EMathError);
  EXPECT_EQ(Bounds(), Before);
  TPlotAxes Linear;
  AssignXMin(Linear, 0);
  EXPECT_THROW(AssignXLog(Linear, true), EMathError);  // 0 has no logarithm
  EXPECT_FALSE(Linear.XLog);
}

TEST(PlotAxes, EqualBoundsArePushedApartAndFarValuesLandFarOutside) {
  TPlotAxes A;
  A.XMin = A.XMax = 6;
  A.YMin = A.YMax = 1e30L;  // a nudge below this bound's precision
  CalcScale(A);
  EXPECT_EQ(A.XMax, 6 + 2e-16L);
  EXPECT_GT(A.YMax, A.YMin);
  EXPECT_TRUE(std::isfinite(A.XScale) && std::isfinite(A.YScale));
  TPlotAxes B;
  CalcScale(B);
  EXPECT_LT(YToPixel(B, 1e300L), -1000000);
  EXPECT_GT(XToPixel(B, 1e300L), 1000000);
  EXPECT_LT(RoundPixel(std::nanl("")), -1000000);
  EXPECT_EQ(RoundPixel(2.5L), 2);  // halves to even
}

// The pixels at the plot area's edges read as inside on a log axis however its bounds' last bits
// fall, the pixels beyond them as outside.
TEST(PlotAxes, TheEdgesOfALogAxisDoNotDependOnTheLastBits) {
  for (const auto& [Min, Max] : {std::pair{20e6L, 31.25e6L}, {100.0L, 8000.0L}})
    for (int MinUlps = -3; MinUlps <= 3; ++MinUlps)
      for (int MaxUlps = -3; MaxUlps <= 3; ++MaxUlps) {
        SCOPED_TRACE(::testing::Message() << Min << " " << MinUlps << ", " << Max << " " << MaxUlps);
        TPlotAxes A;  // the plot area runs from x = 15 to 285 and from y = 15 to 185
        A.XLog = true;
        A.XMin = Nudged(std::log10(Min), MinUlps);
        A.XMax = Nudged(std::log10(Max), MaxUlps);
        CalcScale(A);
        long double XV = 0, YV = 0;
        for (const auto& [X, Y, Inside] :
             {std::tuple{15, 185, true}, {285, 15, true}, {14, 100, false}, {286, 100, false}})
          EXPECT_EQ(PixelToValue(A, X, Y, XV, YV), Inside) << X << "," << Y;
      }
}

int CountIn(const QImage& Picture, TColor Colour, const TRect& Inside = {0, 0, 1 << 20, 1 << 20}) {
  int N = 0;
  for (int Y = Inside.Top; Y < std::min(Inside.Bottom, Picture.height()); ++Y)
    for (int X = Inside.Left; X < std::min(Inside.Right, Picture.width()); ++X)
      N += FromQColor(Picture.pixelColor(X, Y)) == Colour;
  return N;
}

// The panel as the Bode plot sets it up, with 8-point fonts, over 150 kHz .. 950 kHz: the plot
// area runs from x = 15 to 443 and from y = 28 (0 dB) to 242 (-50 dB).
struct PlotPanel : ::testing::Test {
  QWidget Window;
  TPlotPanel& P = *new TPlotPanel(&Window);  // owned by the window

  PlotPanel() {
    P.setGeometry(0, 0, 480, 270);
    P.SetXLog(true);
    P.SetXMarks(true);
    P.SetYMarks(true);
    P.SetXMarksFont({.Name = "ArialNarrow", .Size = 8});
    P.SetYMarksFont({.Name = "ArialNarrow", .Size = 8});
    P.Font().SetSize(8);
    P.SetTitle("Amplitude (dB) vs Frequency");
    P.SetYMarksInterval(10);
    P.SetYMax(0);
    P.SetYMin(-50);
    P.SetXMax(950000);
    P.SetXMin(150000);
  }
  TColor At(int X, int Y) { return FromQColor(P.PlotBMP().Image().pixelColor(X, Y)); }
  int Count(TColor Colour) { return CountIn(P.PlotBMP().Image(), Colour, P.PlotRect()); }
  // Whether the X mark Text stands centred on X below the plot area, on the panel colour.
  bool ShowsXMark(int X, const std::string& Text) {
    TBitmap Mark;
    Mark.Canvas().Font = P.XMarksFont().Value();
    Mark.SetSize(Mark.Canvas().TextWidth(Text), Mark.Canvas().TextHeight(Text));
    Mark.Canvas().Brush.SetColor(P.Color());
    Mark.Canvas().TextOut(0, 0, Text);
    return P.PlotBMP().Image().copy(X - Mark.Width() / 2, 242 + 3, Mark.Width(), Mark.Height()) == Mark.Image();
  }
};

TEST_F(PlotPanel, BodeMarginsMakeRoomForTitleAndMarks) {
  EXPECT_EQ(std::tuple(P.TopMargin(), P.BottomMargin(), P.RightMargin()), std::tuple(28, 28, 37));
  EXPECT_EQ(std::pair(P.PlotRect().Right, P.PlotRect().Bottom), std::pair(443, 242));
}

TEST_F(PlotPanel, ThePlotAreasCornersHaveTheBoundsAndOnePixelBeyondIsOutside) {
  long double XV = 0, YV = 0;
  EXPECT_TRUE(P.PixelToValue(15, 242, XV, YV));
  EXPECT_EQ(std::pair(XV, YV), std::pair(std::pow(10.0L, P.XMin()), -50.0L));
  EXPECT_TRUE(P.PixelToValue(443, 28, XV, YV));
  EXPECT_NEAR(XV, 950000, 1e-9L);
  EXPECT_NEAR(YV, 0, 1e-15L);
  for (const auto& [X, Y] : {std::pair{14, 242}, {15, 243}, {444, 28}, {443, 27}})
    EXPECT_FALSE(P.PixelToValue(X, Y, XV, YV)) << X << "," << Y;
}

// On a row between the lines of -50 and -40 dB.
TEST_F(PlotPanel, TheLogGridStandsAtEveryHundredThousandAndIsLabelledAtEverySecond) {
  for (const int X : {82, 176, 294, 430}) EXPECT_EQ(At(X, 220), clBlack) << X;  // 2e5, 3e5, 5e5, 9e5
  for (const int X : {15, 133, 442}) EXPECT_EQ(At(X, 220), clWhite) << X;       // 150 k, 250 k, the right edge
  EXPECT_TRUE(ShowsXMark(82, "2e5"));
  EXPECT_TRUE(ShowsXMark(455, "1e6"));  // just right of the plot area
  EXPECT_FALSE(ShowsXMark(176, "3e5"));
}

// Over any range and panel width, with or without the scale at the left, no two X mark texts
// overlap and a range of a decade or more keeps two of them; a wide range keeps its decades.
TEST_F(PlotPanel, XMarkTextsNeverOverlap) {
  const std::pair<long double, long double> Ranges[] = {
      {100, 100.5L}, {80, 125}, {10, 100}, {12.5L, 125}, {1e-3L, 1e3L}, {150000, 950000}, {20e6L, 31.25e6L}, {1, 1e12L}};
  for (const bool Scale : {false, true})
    for (const int Width : {160, 240, 480, 1356})
      for (const auto& [Min, Max] : Ranges) {
        SCOPED_TRACE(::testing::Message() << Min << " .. " << Max << " on " << Width << (Scale ? " with scale" : ""));
        P.SetLeftScale(Scale ? std::optional<TPlotScale>({1, 3, 0.5L, clGreen}) : std::nullopt);
        P.resize(Width, 270);
        P.SetXMin(Min);
        P.SetXMax(Max);
        const std::vector<TMarkBox>& Boxes = P.XMarkBoxes();
        EXPECT_GE(Boxes.size(), Max / Min >= 10 ? 2u : 1u);
        for (std::size_t i = 1; i < Boxes.size(); ++i)
          EXPECT_LE(Boxes[i - 1].Right, Boxes[i].Left) << Boxes[i - 1].Text << " " << Boxes[i].Text;
      }
  P.resize(480, 270);
  P.SetXMax(1e3L);
  P.SetXMin(1e-3L);
  std::vector<std::string> Texts;
  for (const TMarkBox& B : P.XMarkBoxes()) Texts.push_back(B.Text);
  EXPECT_EQ(Texts, (std::vector<std::string>{"1e-3", "0.01", "0.1", "1", "10", "100", "1e3"}));
}

TEST_F(PlotPanel, ARoundLowerBoundHasItsLineAndLabel) {
  P.SetXMax(31.25e6L);
  P.SetXMin(20e6L);
  EXPECT_EQ(At(15, 220), clBlack);
  EXPECT_TRUE(ShowsXMark(15, "2e7"));
}

// Lines at least 8 pixels apart on a 300 x 200 panel; an interval that is no positive number is 1.
TEST_F(PlotPanel, LinearGridIntervalsWidenAndInvalidOnesMeanOne) {
  TPlotPanel Plain(&Window);
  Plain.SetXMin(0);
  Plain.SetXMax(1000);
  EXPECT_NEAR(Plain.XMarksInterval(), 26.666666666666666667L, 1e-17L);
  for (const long double V : {0.0L, -1.0L, std::nanl(""), Inf}) {
    Plain.SetYMarksInterval(V);
    EXPECT_EQ(Plain.YMarksInterval(), 1) << V;
  }
  Plain.SetYMarksInterval(1e-300L);
  EXPECT_NEAR(Plain.YMarksInterval(), 10 * 8 / 200.0L, 1e-18L);
}

TEST_F(PlotPanel, PointsGoToTheLayerOfTheirLowBitsAndNeedALogarithmUnderXLog) {
  for (const auto& [Given, Stored] : {std::pair{8, 0}, {-1, 7}, {13, 5}}) {
    P.AddPoint(clRed, Given, 200000, Given);
    EXPECT_EQ(P.Points(Stored).back().Y, Given) << Given;
  }
  EXPECT_THROW(P.AddPoint(clRed, 1, 0, -10), EMathError);
  EXPECT_THROW(P.AddPoint(clRed, 1, -5, -10), EMathError);
  EXPECT_THROW(P.AddPoint(clRed, 1, 1e6L, std::nanl("")), EMathError);
  for (int L = 0; L < PlotLayers; ++L) EXPECT_EQ(P.PointCount(L), L == 0 || L == 5 || L == 7 ? 2 : 1) << L;
}

// Each layer draws from its own last point; a segment leaves out its end pixel.
TEST_F(PlotPanel, AFirstLinePointOnlyMovesThePenAndTheNextDraws) {
  P.AddPoint(clRed, 0, 200000, -20);
  EXPECT_EQ(Count(clRed), 0);
  P.AddPoint(clBlue, 1, 200000, -40);
  P.AddPoint(clRed, 0, 500000, -20);
  P.AddPoint(clBlue, 1, 500000, -40);
  EXPECT_EQ(At(82, 114), clRed);
  EXPECT_EQ(At(294, 114), clBlack);
  EXPECT_EQ(Count(clRed), 294 - 82);
  EXPECT_EQ(At(200, 199), clBlue);
  P.PlotPen().SetWidth(3);  // redraws at once
  EXPECT_EQ(Count(clRed), 3 * (294 - 82));
}

// The marker line stands under the points: a trace that crosses it keeps its colour there.
TEST_F(PlotPanel, TheMarkerLineStandsUnderThePoints) {
  P.SetXMarker(250000);
  for (const int Y : {40, 100, 220}) EXPECT_EQ(At(133, Y), TPlotPanel::MarkerColor) << Y;
  P.AddPoint(clRed, 0, 200000, -20);
  P.AddPoint(clRed, 0, 500000, -20);
  EXPECT_EQ(std::pair(At(133, 114), At(133, 100)), std::pair(clRed, TPlotPanel::MarkerColor));
  P.SetXMarker(std::nullopt);
  EXPECT_EQ(Count(TPlotPanel::MarkerColor), 0);
}

// The scale at the left takes room from the plot area; a layer on it plots against it, the others
// against the dB axis. The legend takes a row under the X marks.
TEST_F(PlotPanel, ALayerOnTheLeftScalePlotsAgainstItAndTheLegendHasItsOwnRow) {
  P.SetLeftScale(TPlotScale{1, 3, 0.5L, clGreen});
  P.SetLayerOnLeftScale(2, true);
  EXPECT_EQ(std::pair(P.LeftMargin(), P.PlotRect().Left), std::pair(37, 37));
  for (const long double F : {200000.0L, 500000.0L}) {
    P.AddPoint(clGreen, 2, F, 2);  // half way up: 242 - 107
    P.AddPoint(clRed, 0, F, -10);  // 242 - 171.2
  }
  EXPECT_EQ(std::pair(At(200, 135), At(200, 71)), std::pair(clGreen, clRed));
  EXPECT_EQ(At(39, 135), clGreen);  // the tick of 2
  P.SetLegend({{"Transfer dB", clRed}, {"VSWR", clGreen}});
  EXPECT_EQ(std::pair(P.BottomMargin(), P.PlotRect().Bottom), std::pair(40, 230));
  const TRect Row{0, 245, 480, 270};
  EXPECT_GT(CountIn(P.PlotBMP().Image(), clRed, Row), 20);
  EXPECT_GT(CountIn(P.PlotBMP().Image(), clGreen, Row), 20);
}

TEST_F(PlotPanel, BarsRiseFromTheLevelOfZeroAndDotsArePenWideSquares) {
  P.SetPlotMode(pmBar);
  P.AddPoint(clRed, 0, 250000, -20);
  EXPECT_EQ(At(133, 28), clRed);
  EXPECT_EQ(At(133, 113), clRed);
  EXPECT_EQ(Count(clRed), 114 - 28);
  P.SetPlotMode(pmDot);  // the stored point is drawn again as a dot
  P.PlotPen().SetWidth(2);
  EXPECT_EQ(Count(clRed), 4);
  EXPECT_EQ(At(133, 114), clRed);
}

TEST_F(PlotPanel, ThePlotAreaClipsTheData) {
  P.AddPoint(clRed, 0, 100000, 30);  // left of XMin, above YMax
  P.AddPoint(clRed, 0, 500000, -45);
  EXPECT_GT(Count(clRed), 100);
  EXPECT_EQ(CountIn(P.PlotBMP().Image(), clRed), Count(clRed));
}

// A held panel draws nothing, whatever changes; its release draws the whole picture once.
TEST_F(PlotPanel, HoldKeepsPointsOffScreenUntilReleased) {
  Window.show();
  const QImage Before = P.Screen();
  P.SetHold(true);
  P.AddPoint(clRed, 0, 200000, -20);
  P.AddPoint(clRed, 0, 500000, -20);
  P.SetTitle("Frequency (kHz)");
  P.SetYMin(-40);
  P.repaint();
  EXPECT_EQ(std::tuple(Count(clRed), P.Screen() == Before), std::tuple(0, true));
  P.SetHold(false);
  EXPECT_GT(Count(clRed), 200);
  EXPECT_EQ(CountIn(P.Screen(), clRed), Count(clRed));
  EXPECT_EQ(P.Title(), "Frequency (kHz)");
}

TEST_F(PlotPanel, ANewYMinReplaysTheStoredPointsOnTheNewScale) {
  P.AddPoint(clRed, 0, 200000, -20);
  P.AddPoint(clRed, 0, 500000, -20);
  P.SetYMin(-30);  // 214 pixels for 30 dB
  EXPECT_EQ(At(200, 171), clRed);
  EXPECT_NE(At(200, 114), clRed);
}

TEST_F(PlotPanel, APanelTooSmallForAPlotAreaShowsOnlyItsColour) {
  P.resize(60, 50);
  P.Redraw();
  P.AddPoint(clRed, 0, 200000, -20);
  EXPECT_EQ(CountIn(P.PlotBMP().Image(), clBtnFace), P.InnerRect().Width() * P.InnerRect().Height());
  long double XV = 0, YV = 0;
  EXPECT_FALSE(P.PixelToValue(30, 25, XV, YV));
  EXPECT_EQ(YV, -50);  // the lower bounds
}

struct TCountingPanel : TPlotPanel {
  using TPlotPanel::TPlotPanel;
  int Paints = 0;
  void paintEvent(QPaintEvent* Event) override {
    ++Paints;
    TPlotPanel::paintEvent(Event);
  }
};

TEST(PlotPanelPaint, RedrawsWithoutAskingForAnotherPaint) {
  QWidget Window;
  auto* P = new TCountingPanel(&Window);
  Window.show();
  for (int I = 0; I < 5; ++I) QCoreApplication::processEvents();
  const int Shown = P->Paints;
  EXPECT_GE(Shown, 1);
  for (int I = 0; I < 5; ++I) QCoreApplication::processEvents();
  EXPECT_EQ(P->Paints, Shown);
  EXPECT_EQ(FromQColor(P->Screen().pixelColor(100, 110)), clWhite);
}

}  // namespace
