#include <QTimer>

#include "WindowFixture.h"

namespace {

const double W = 2 * 3.141592653589793 * 1e8;

class Chart : public Window {
protected:
  // The pixel of a normalised impedance on the chart as it is drawn now.
  QPoint At(double R, double X) {
    int PX = 0, PY = 0;
    Form->SmithChart->ZToPixel({R * 50, X * 50}, PX, PY, 50);
    return {PX, PY};
  }
  QPoint Centre(int Right = 0, int Down = 0) {  // offsets in chart radii
    const TSmithChart& C = *Form->SmithChart;
    return {C.CenterX + Right * C.Radius, C.CenterY + Down * C.Radius};
  }
  void ClickChart(QPoint P) { QTest::mouseClick(Form->SmithPbox, Qt::LeftButton, {}, P); }
  void MatchedFirst(int Clicks) {  // a 50 ohm load and element 1 made with that many clicks
    Commit(Form->Edit0, "50");
    LeftClick(Form->PaintBox1, Clicks);
  }
  void Answer(const std::string& Text, QWidget* Button) {
    Dialogs.InputAnswers.push_back(Text);
    LeftClick(Button);
  }
  Strings Asked(int I) const {  // the input box's caption, prompt and default
    return {Dialogs.Inputs[I].Caption, Dialogs.Inputs[I].Prompt, Dialogs.Inputs[I].Default};
  }
};

TEST_F(Chart, ReadOutAtTheCentreAndTheRimAndClearedOutside) {
  const std::pair<QPoint, Strings> Cases[] = {{Centre(), {"50  ohm + 0 j ohm", "0.00  angle: 90 degrees"}},
                                              {Centre(0, -1), {"0  ohm + 50 j ohm", "1.00  angle: 90 degrees"}},
                                              {Centre(0, 1), {"0  ohm -50 j ohm", "1.00  angle: -90 degrees"}},
                                              {Centre(1) + QPoint(3, 0), {"", ""}}};
  for (const auto& [P, Expected] : Cases) {
    QTest::mouseMove(Form->SmithPbox, P);
    EXPECT_EQ(Texts(Form->MuisPosEdit, Form->RhoEdit), Expected);
  }
}

TEST_F(Chart, ClickWithTheLoadSelectedSetsTheLoadButNotOutsideTheRim) {
  Form->ZinSer->setText("untouched");
  ClickChart(Centre(1, 1));
  EXPECT_EQ(Texts(Form->Edit0, Form->ZinSer), (Strings{"0", "untouched"}));
  ClickChart(Centre());
  EXPECT_EQ(Texts(Form->Edit0, Form->Edit_1, Form->SWRedit), (Strings{"50 ", "0 ", "1"}));
  EXPECT_TRUE(Form->Net->Elements[1].Value == 50 && Dialogs.Messages.empty());
  Answer("1k", Form->ZnButton);  // the open circuit at the rim stays an open circuit the texts can show
  ClickChart(Centre(1));
  EXPECT_EQ(std::tuple(Text(Form->Edit0), Form->Net->Elements[1].Value, Dialogs.Messages.size()),
            std::tuple("999 G", 999e9, 0u));
}

TEST_F(Chart, ClickSolvesTheSelectedElementOrRefusesANegativeValue) {
  // the point that takes a 50 ohm load to the value, base unit; its mirror (-X, 1 / R) needs a negative one
  const std::tuple<int, double, double, double, const char*> Cases[] = {
      {1, 1, -1, 1 / (W * 50), "Negative capacitors don't exist, use a series INDUCTOR"},
      {2, 1, -1, 0.01 / W, "Negative capacitors don't exist, use a parallel INDUCTOR"},
      {3, 1, 1, 50 / W, "Negative inductors don't exist, use a series CAPACITOR"},
      {4, 1, 1, 1 / (W * 0.01), "Negative inductors don't exist, use a parallel CAPACITOR"},
      {5, 2, 0, 50, "Negative resistors don't exist!"},
      {6, 0.5, 0, 50, "Negative resistors don't exist!"}};
  for (const auto& [Clicks, R, X, Expected, Refusal] : Cases) {
    Discard(Form->Nieuw);
    Dialogs.Messages.clear();
    MatchedFirst(Clicks);
    SCOPED_TRACE(TypeName(Element(1).ElementType));
    ClickChart(At(R, X));
    const double Solved = Element(1).Value;
    EXPECT_NEAR(Solved, Expected, Expected * 0.03);
    EXPECT_EQ(Text(Form->Edit1), FormatValue(3, Clicks >= 5 ? "" : UnitName(Element(1).ElementType), Solved));
    ClickChart(At(1 / R, -X));
    EXPECT_EQ(Dialogs.MessageTexts(), Strings{Refusal});
    EXPECT_EQ(std::tuple(Dialogs.Messages.at(0).Kind, Element(1).Value), std::tuple(TMsgKind::Warning, Solved));
  }
}

TEST_F(Chart, ClickOnALineSetsItsLength) {
  Commit(Form->Edit0, "100");
  LeftClick(Form->PaintBox1, 7);
  Element(1).SetAttenuation(0);
  ClickChart(At(0.5, 0));  // half a turn on the 50 ohm line's circle: a quarter wave
  const double QuarterWave = 0.67 * 3e8 / 1e8 / 4;
  EXPECT_NEAR(Element(1).LineLength, QuarterWave, QuarterWave * 0.01);
  EXPECT_EQ(Text(Form->Edit1), FormatValue(3, "m", Element(1).LineLength));
  EXPECT_NEAR(Form->Net->Elements[2].Z.Re, 25, 1);
}

// In Scan mode the results still follow every change at the working frequency, and the marker
// steps follow a new frequency.
TEST_F(Chart, ScanModeShowsTheMarkerStepsAndAClickSetsTheValueAndTheResults) {
  MatchedFirst(1);
  Form->Scan->click();
  EXPECT_TRUE(Form->MarkerLabel->isVisible() && Text(Form->MarkerLabel) == "Marker steps :1 MHz");
  ClickChart(At(1, -1));
  EXPECT_NEAR(Element(1).Value, 1 / (W * 50), 0.03 / (W * 50));
  EXPECT_EQ(Text(Form->ZinSer), "Re: 50     Im: -50.2 ohm (Cs=31.7 pF)");
  Commit(Form->Edit1, "10p");
  EXPECT_EQ(Text(Form->ZinSer), "Re: 50     Im: -159 ohm (Cs=10 pF)");
  Answer("14.2M", Form->FreqButton);
  EXPECT_EQ(Text(Form->MarkerLabel), "Marker steps :200 kHz");
  Form->CalcE->click();
  EXPECT_FALSE(Form->MarkerLabel->isVisible());
}

TEST_F(Chart, ZoomTicksExactlyOneItemAndSwitchesForLabelsAndTheSWRCircleToggle) {
  const auto Ticks = [this] {
    return std::vector{Form->x1->isChecked(), Form->x2->isChecked(), Form->x5->isChecked(), Form->x10->isChecked()};
  };
  Form->x5->trigger();
  Form->x5->trigger();  // choosing it again keeps it ticked
  EXPECT_EQ(Ticks(), (std::vector{false, false, true, false}));
  Form->x2->trigger();
  EXPECT_EQ(Ticks(), (std::vector{false, true, false, false}));
  EXPECT_EQ(Form->SmithChart->Zoom, 2);
  Form->SmithPbox->repaint();  // the box shows the zoomed chart
  TSmithChart& C = *Form->SmithChart;
  EXPECT_EQ(Form->SmithPbox->Image().copy(0, 0, C.ChartWidth, C.ChartHeight), C.ChartBitmap.Image());
  for (bool On : {true, false}) {
    Form->SmithchartLabels->trigger();
    LeftClick(Form->DrawSWR);
    EXPECT_EQ(std::tuple(Form->SmithChart->ShowLabels, Form->SmithChart->ShowSWR), std::tuple(On, On));
    EXPECT_EQ(Text(Form->DrawSWR), On ? "Clear SWR" : "Draw SWR");
  }
  LeftClick(Form->DrawSWR);
  Discard(Form->Nieuw);  // the reset keeps the SWR switch
  EXPECT_EQ(std::tuple(Form->SmithChart->ShowSWR, Text(Form->DrawSWR)), std::tuple(true, "Clear SWR"));
}

TEST_F(Chart, FrequencyAnswerSetsStepMarksAndScanRange) {
  Answer("14.2M", Form->FreqButton);
  EXPECT_EQ(Asked(0), (Strings{"Frequency ", "Enter new value", "100 MHz"}));
  EXPECT_EQ((std::vector{Form->UpDownInterval, Form->MajorMark, Form->MinorMark, Form->Net->ScanStart,
                         Form->Net->ScanStop}),
            (std::vector{1e5, 2e5, 5e4, 11.36e6, 17.75e6}));
  const Strings Improper{"This is not a proper value for the frequentie"};
  // the text shows every digit typed; improper answers fall back to 1 MHz
  const std::tuple<const char*, const char*, double, Strings> Cases[] = {
      {"145.525M", "145.525 MHz", 1e6, {}},
      {"2000G", "1 MHz", 1e4, Improper},
      {"abc", "1 MHz", 1e4, {"abc is not a valid number", Improper[0]}}};
  for (const auto& [Typed, Shown, Step, Messages] : Cases) {
    Dialogs.Messages.clear();
    Answer(Typed, Form->FreqButton);
    EXPECT_EQ(std::tuple(Text(Form->FreqText), Form->UpDownInterval, Dialogs.MessageTexts()),
              std::tuple(Shown, Step, Messages)) << Typed;
  }
}

TEST_F(Chart, ZnOfZeroFallsBackToFiftyAndQOutsideOneToFiveHundredToLossless) {
  Answer("75", Form->ZnButton);
  Answer("0", Form->ZnButton);
  EXPECT_EQ(Asked(1), (Strings{"Z norm in ohm", "Enter new value", "75 "}));
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{"This is not a proper value for Z-norm"});
  EXPECT_EQ(std::tuple(Form->Net->GetZn(), Text(Form->ZnEdit)), std::tuple(50.0, "50 "));
  for (const char* Improper : {"-50", "1e12", "1e-20"}) {
    Answer("75.125", Form->ZnButton);
    Answer(Improper, Form->ZnButton);
    EXPECT_EQ(std::tuple(Form->Net->GetZn(), Text(Form->ZnEdit), Dialogs.MessageTexts().back()),
              std::tuple(50.0, "50 ", "This is not a proper value for Z-norm")) << Improper;
  }
  Answer("75.125", Form->ZnButton);
  EXPECT_EQ(std::tuple(Form->Net->GetZn(), Text(Form->ZnEdit)), std::tuple(75.125, "75.125 "));
  for (const auto& [Q, Kept] : {std::pair{"500", 500}, {"1", 1}, {"501", 0}, {"0.5", 0}, {"-3", 0}}) {
    Dialogs.InputAnswers.push_back(Q);
    Form->QFactor->trigger();
    EXPECT_EQ(Form->Net->Q, Kept) << Q;
  }
  EXPECT_EQ(Asked(10), (Strings{"Q Factor for inductors",
                               "Capaciors are considered lossless\nInductors can have a Q-factor between 1 and 500.\n"
                               "Other values will result in lossless inductors\nEnter a Q-value for ALL inductors",
                               "500"}));
}

// A step the frequency text cannot show is refused; the scan range moves with the frequency only
// while it stays above 0.
TEST_F(Chart, UpAndDwnStepAndStayAboveZeroAndRepeatWhenHeld) {
  LeftClick(Form->Up);
  EXPECT_EQ(Text(Form->FreqText), "110 MHz");
  Answer("100M", Form->FreqButton);
  LeftClick(Form->Up);
  EXPECT_EQ(Text(Form->FreqText), "101 MHz");
  EXPECT_EQ(std::pair(Form->Net->ScanStart, Form->Net->ScanStop), std::pair(81e6, 126e6));
  LeftClick(Form->Dwn);
  Answer("1M", Form->FreqButton);
  Form->UpDownInterval = 1e6;
  Dialogs.Messages.clear();
  LeftClick(Form->Dwn);
  EXPECT_EQ(std::tuple(Form->Net->GetFrequency(), Text(Form->FreqText)), std::tuple(1e6, "1 MHz"));
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{"This is not a proper value for the frequentie"});
  Answer("2M", Form->FreqButton);
  Form->UpDownInterval = 1.7e6;
  LeftClick(Form->Dwn);
  EXPECT_EQ(Form->Net->GetFrequency(), 0.3e6);
  EXPECT_EQ(std::pair(Form->Net->ScanStart, Form->Net->ScanStop), std::pair(1.6e6, 2.5e6));
  Answer("999G", Form->FreqButton);
  Form->UpDownInterval = 1e9;
  LeftClick(Form->Up);
  EXPECT_EQ(std::tuple(Form->Net->GetFrequency(), Dialogs.MessageTexts().size()), std::tuple(999e9, 2u));
  Answer("100M", Form->FreqButton);  // a held button repeats after a first delay, and steps once more on release
  QTest::mousePress(Form->Up, Qt::LeftButton);
  EXPECT_EQ(std::tuple(Form->UDTimer->isActive(), Form->UDTimer->interval()), std::tuple(true, 800));
  Form->UDTimerTimer();  // the phase change does not step
  EXPECT_EQ(std::tuple(Form->UDTimer->interval(), Form->Net->GetFrequency()), std::tuple(300, 100e6));
  Form->UDTimerTimer();
  Form->UDTimerTimer();
  EXPECT_EQ(Form->Net->GetFrequency(), 102e6);
  QTest::mouseRelease(Form->Up, Qt::LeftButton);
  EXPECT_EQ(std::tuple(Form->UDTimer->isActive(), Text(Form->FreqText)), std::tuple(false, "103 MHz"));
}

}  // namespace
