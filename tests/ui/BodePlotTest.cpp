#include <QGroupBox>
#include <QAction>
#include <cmath>

#include "WindowFixture.h"
#include "plotter/Plotter.h"

namespace {

class Bode : public Window {
protected:
  TPlotPanel& Plot() { return *Form->PlotPanel; }
  void SeriesResistor(double Ohm) {
    Type(Form->Edit0, "50");
    for (int i = 0; i < 5; ++i) LeftClick(Form->PaintBox1);
    Type(Form->Edit1, QString::number(Ohm));
    Enter(Form->Edit1);
  }
  void Show() {
    if (!Form->Bodeplot->isChecked()) Form->Bodeplot->trigger();
    Form->Bereken();
  }
};

TEST_F(Bode, ShowsAndHidesAtTheTopLeftOfTheDiagram) {
  EXPECT_TRUE(Plot().isHidden());
  Form->Bodeplot->trigger();
  EXPECT_TRUE(Form->Bodeplot->isChecked());
  EXPECT_FALSE(Plot().isHidden());
  EXPECT_EQ(Plot().geometry().topRight() + QPoint(1, 0), Form->Schema->geometry().topLeft());
  Form->Bodeplot->trigger();
  EXPECT_FALSE(Form->Bodeplot->isChecked());
  EXPECT_TRUE(Plot().isHidden());
  Form->Bodeplot->trigger();
  EXPECT_FALSE(Plot().isHidden());
  Form->Bodeplot->trigger();
  EXPECT_TRUE(Plot().isHidden());
}

TEST_F(Bode, SweepsOneStepAboveTheStartToTheStop) {
  Show();
  ASSERT_EQ(Plot().PointCount(0), 101);
  EXPECT_NEAR(std::pow(10.0L, Plot().Points(0)[1].X), 80.45L, 1e-9L);
  EXPECT_NEAR(std::pow(10.0L, Plot().Points(0)[100].X), 125L, 1e-9L);
  EXPECT_EQ(Plot().Title(), "Frequency (MHz)");
  EXPECT_EQ(Form->Net->GetFrequency(), 1e8);
  EXPECT_FALSE(Plot().Hold());
}

TEST_F(Bode, MatchedLosslessNetworkSitsAtZeroDecibel) {
  Type(Form->Edit0, "50");
  Enter(Form->Edit0);
  Show();
  for (int i = 1; i < Plot().PointCount(0); ++i) EXPECT_NEAR(Plot().Points(0)[i].Y, 0, 1e-9);
  EXPECT_EQ(Plot().YMin(), -1);
  EXPECT_NEAR(Plot().YMarksInterval(), 0.2, 1e-15);
}

struct TRangeCase {
  double SeriesOhm;  // with a 50 ohm load: transfer 10000 / (100 + R)^2
  double YMin, Interval;
};

void PrintTo(const TRangeCase& C, std::ostream* Os) { *Os << C.SeriesOhm << " ohm"; }

class YRange : public Bode, public ::testing::WithParamInterface<TRangeCase> {};

TEST_P(YRange, FollowsTheLowestGain) {
  SeriesResistor(GetParam().SeriesOhm);
  Show();
  EXPECT_EQ(Plot().YMax(), 0);
  EXPECT_EQ(Plot().YMin(), GetParam().YMin);
  EXPECT_NEAR(Plot().YMarksInterval(), GetParam().Interval, 1e-15);
}

// -0.5 dB, -3 dB, -8 dB, -15 dB, -25 dB, -35 dB, -45 dB
INSTANTIATE_TEST_SUITE_P(Table, YRange,
                         ::testing::Values(TRangeCase{5.93, -1, 0.2}, TRangeCase{41.3, -5, 1}, TRangeCase{151, -10, 1},
                                           TRangeCase{462, -20, 2}, TRangeCase{1678, -30, 5},
                                           TRangeCase{5523, -40, 5}, TRangeCase{17683, -50, 10}));

TEST_F(Bode, TitleNamesTheFrequencyUnit) {
  Show();
  const std::pair<double, const char*> Cases[] = {
      {1000, "Frequency (Hz)"}, {1000.5, "Frequency (kHz)"}, {125e6, "Frequency (MHz)"}, {2.4e9, "Frequency (GHz)"}};
  for (const auto& [Stop, Title] : Cases) {
    Form->Net->ScanStart = Stop / 2;
    Form->Net->ScanStop = Stop;
    Form->Bereken();
    EXPECT_EQ(Plot().Title(), Title) << Stop;
  }
}

TEST_F(Bode, ReadOutFollowsTheMouseInsideThePlotArea) {
  Show();
  const TRect& R = Plot().PlotRect();
  QTest::mouseMove(&Plot(), QPoint(R.Left + 10, R.Top + 10));
  EXPECT_EQ(Plot().Title().substr(0, 3), "X= ");
  EXPECT_NE(Plot().Title().find("MHz    Y= "), std::string::npos);
  QTest::mouseMove(&Plot(), QPoint(R.Left - 5, R.Top + 10));
  EXPECT_EQ(Plot().Title(), "Frequency (MHz)");
}

TEST_F(Bode, LoadTextReachesThePlotOneCalculationLater) {
  Show();
  const long double Before = Plot().Points(0)[1].Y;
  Type(Form->Edit0, "50");
  Enter(Form->Edit0);
  EXPECT_EQ(Plot().Points(0)[1].Y, Before);
  Form->Bereken();
  EXPECT_NEAR(Plot().Points(0)[1].Y, 0, 1e-9);
}

struct TSweepCase {
  const char* Name;
  double Start, Stop;
  int Steps;
  int Points;        // plotted
  const char* Note;  // after the title
};

void PrintTo(const TSweepCase& C, std::ostream* Os) { *Os << C.Name; }

class Sweep : public Bode, public ::testing::WithParamInterface<TSweepCase> {};

TEST_P(Sweep, EndsPlotsWhatItCanAndSaysWhatNot) {
  const TSweepCase& C = GetParam();
  Type(Form->Edit0, "50");
  Enter(Form->Edit0);
  Form->Net->ScanStart = C.Start;
  Form->Net->ScanStop = C.Stop;
  Form->Net->ScanSteps = C.Steps;
  Show();
  EXPECT_EQ(Plot().PointCount(0) - 1, C.Points);
  EXPECT_EQ(Plot().Title(), std::string("Frequency (MHz)") + C.Note);
  EXPECT_FALSE(Plot().Hold());
  EXPECT_EQ(Form->Net->GetFrequency(), 1e8);
  EXPECT_TRUE(Dialogs.Messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Degenerate, Sweep,
    ::testing::Values(TSweepCase{"NoSteps", 80e6, 125e6, 0, 1, ""}, TSweepCase{"NegativeSteps", 80e6, 125e6, -4, 4, ""},
                      TSweepCase{"StartIsStop", 100e6, 100e6, 100, 1, ""},
                      TSweepCase{"StepTooSmallToMove", 100e6, 100e6 + 1e-7, 100, 101, ""},
                      TSweepCase{"StartBelowZero", -20e6, 20e6, 4, 2, "; not plotted: 2 at frequencies <= 0"},
                      TSweepCase{"StopBeforeStart", 125e6, 80e6, 10, 1, ""}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(Bode, NegativeLoadResistanceIsNotPlotted) {
  Type(Form->Edit0, "-50");
  Enter(Form->Edit0);
  Form->Net->ScanSteps = 10;
  Show();
  EXPECT_EQ(Plot().PointCount(0), 1);
  EXPECT_EQ(Plot().Title(), "Frequency (MHz); not plotted: 10 with no power reaching the load");
  EXPECT_FALSE(Plot().Hold());
}

}  // namespace
