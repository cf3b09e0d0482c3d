#include <QAction>
#include <QRadioButton>
#include <QTimer>

#include "WindowFixture.h"

namespace {

class Frequency : public Window {
protected:
  void Answer(const std::string& Text) { Dialogs.InputAnswers.push_back(Text); }
  void EnterFrequency(const std::string& Text) {
    Answer(Text);
    LeftClick(Form->FreqButton);
  }
};

TEST_F(Frequency, AnswerDerivesStepMarksAndScanRange) {
  EnterFrequency("14.2M");
  ASSERT_EQ(Dialogs.Inputs.size(), 1u);
  EXPECT_EQ(Dialogs.Inputs[0].Caption, "Frequency ");
  EXPECT_EQ(Dialogs.Inputs[0].Prompt, "Enter new value");
  EXPECT_EQ(Dialogs.Inputs[0].Default, "100 MHz");
  EXPECT_EQ(Form->Net->GetFrequency(), 14.2e6);
  EXPECT_EQ(Text(Form->FreqText), "14.2 MHz");
  EXPECT_EQ(Form->UpDownInterval, 1e5);
  EXPECT_EQ(Form->MajorMark, 2e5);
  EXPECT_EQ(Form->MinorMark, 5e4);
  EXPECT_EQ(Form->Net->ScanStart, 11.36e6);
  EXPECT_EQ(Form->Net->ScanStop, 17.75e6);
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(Frequency, StepsRoundToOneDigit) {
  const std::pair<const char*, double> Cases[] = {{"7.05M", 7e4}, {"9.6M", 1e5}, {"100M", 1e6}, {"5", 0.001}};
  for (const auto& [Answer, Step] : Cases) {
    EnterFrequency(Answer);
    EXPECT_EQ(Form->UpDownInterval, Step) << Answer;
  }
}

TEST_F(Frequency, ImproperAnswersFallBackToOneMegahertz) {
  for (const char* Bad : {"0", "-5M", "1e308", "2000G", "1e-20"}) {
    Dialogs.Messages.clear();
    EnterFrequency(Bad);
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{"This is not a proper value for the frequentie"}) << Bad;
    EXPECT_EQ(Form->Net->GetFrequency(), 1e6) << Bad;
    EXPECT_EQ(Form->UpDownInterval, 1e4) << Bad;
    EXPECT_EQ(Text(Form->FreqText), "1 MHz");
  }
  Dialogs.Messages.clear();
  EnterFrequency("abc");
  EXPECT_EQ(Dialogs.MessageTexts(), (std::vector<std::string>{"abc is not a valid number",
                                                              "This is not a proper value for the frequentie"}));
}

TEST_F(Frequency, ZnOfZeroFallsBackToFifty) {
  Answer("75");
  LeftClick(Form->ZnButton);
  EXPECT_EQ(Form->Net->GetZn(), 75);
  EXPECT_EQ(Text(Form->ZnEdit), "75 ");
  EXPECT_EQ(Dialogs.Inputs[0].Caption, "Z norm in ohm");
  Answer("0");
  LeftClick(Form->ZnButton);
  EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{"This is not a proper value for Z-norm"});
  EXPECT_EQ(Form->Net->GetZn(), 50);
  EXPECT_EQ(Text(Form->ZnEdit), "50 ");
}

TEST_F(Frequency, QOutsideOneToFiveHundredMakesInductorsLossless) {
  const std::pair<const char*, double> Cases[] = {{"500", 500}, {"1", 1}, {"501", 0}, {"0.5", 0}, {"-3", 0}};
  for (const auto& [Answer, Q] : Cases) {
    Dialogs.InputAnswers.push_back(Answer);
    Form->QFactor->trigger();
    EXPECT_EQ(Form->Net->Q, Q) << Answer;
  }
  EXPECT_EQ(Dialogs.Inputs[0].Caption, "Q Factor for inductors");
  EXPECT_EQ(Dialogs.Inputs[0].Prompt,
            "Capaciors are considered lossless\nInductors can have a Q-factor between 1 and 500.\n"
            "Other values will result in lossless inductors\nEnter a Q-value for ALL inductors");
  EXPECT_EQ(Dialogs.Inputs[0].Default, "0");
  EXPECT_EQ(Dialogs.Inputs[1].Default, "500");
}

TEST_F(Frequency, UpAndDwnStepAndStayAboveZero) {
  LeftClick(Form->Up);
  EXPECT_EQ(Text(Form->FreqText), "110 MHz");
  EnterFrequency("100M");
  LeftClick(Form->Up);
  EXPECT_EQ(Text(Form->FreqText), "101 MHz");
  EXPECT_EQ(Form->Net->ScanStart, 81e6);
  EXPECT_EQ(Form->Net->ScanStop, 126e6);
  LeftClick(Form->Dwn);
  EXPECT_EQ(Form->Net->GetFrequency(), 100e6);
  EnterFrequency("1M");
  Form->UpDownInterval = 1e6;
  LeftClick(Form->Dwn);
  EXPECT_EQ(Form->Net->GetFrequency(), 1e6);
  EXPECT_EQ(Form->Net->ScanStart, 0.8e6);  // -0.2 MHz went back up by a step
  EXPECT_EQ(Form->Net->ScanStop, 0.25e6);
}

TEST_F(Frequency, HeldButtonRepeatsAfterTheFirstDelayAndStepsOnceMoreOnRelease) {
  EnterFrequency("100M");
  QTest::mousePress(Form->Up, Qt::LeftButton);
  EXPECT_EQ(Form->UDPhase, 1);
  EXPECT_TRUE(Form->UDTimer->isActive());
  EXPECT_EQ(Form->UDTimer->interval(), 800);
  Form->UDTimerTimer();
  EXPECT_EQ(Form->UDPhase, 2);
  EXPECT_EQ(Form->UDTimer->interval(), 300);
  EXPECT_EQ(Form->Net->GetFrequency(), 100e6);
  Form->UDTimerTimer();
  Form->UDTimerTimer();
  EXPECT_EQ(Form->Net->GetFrequency(), 102e6);
  QTest::mouseRelease(Form->Up, Qt::LeftButton);
  EXPECT_FALSE(Form->UDTimer->isActive());
  EXPECT_EQ(Text(Form->FreqText), "103 MHz");
  Form->UDTimerTimer();  // stopped: nobody holds a button
  EXPECT_EQ(Form->Net->GetFrequency(), 103e6);
}

TEST_F(Frequency, ScanModeShowsTheMarkerSteps) {
  Form->Scan->click();
  EXPECT_TRUE(Form->MarkerLabel->isVisible());
  EXPECT_EQ(Text(Form->MarkerLabel), "Marker steps :1 MHz");
  Form->CalcE->click();
  EXPECT_FALSE(Form->MarkerLabel->isVisible());
}

}  // namespace
