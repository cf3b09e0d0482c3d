#include "workbench/Workbench.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <tuple>

#include "FakeDialogs.h"
#include "files/DataIO.h"
#include "files/TextFile.h"
#include "network/NetCalc.h"
#include "../files/FileTesting.h"

namespace {

using Strings = std::vector<std::string>;
constexpr const char* ImproperF = "This is not a proper value for the frequentie";
constexpr const char* ImproperZ = "This is not a proper value for Z-norm";

class Workbench : public ::testing::Test {
protected:
  TTempDir Dir;
  TFakeDialogs Dialogs;
  TWorkbench W;
  void SetUp() override { W.Reset(); }
};

// The step is about 1 %, rounded to one digit; improper answers are refused and fall back to 1 MHz.
TEST_F(Workbench, AnEnteredFrequencySetsStepMarksAndScanRange) {
  const std::tuple<double, double, double, Strings> Cases[] = {
      {14.2e6, 14.2e6, 1e5, {}}, {7.05e6, 7.05e6, 7e4, {}},  {9.6e6, 9.6e6, 1e5, {}},        {145.525e6, 145.525e6, 1e6, {}},
      {5, 5, 0.001, {}},         {0, 1e6, 1e4, {ImproperF}}, {-5e6, 1e6, 1e4, {ImproperF}}, {1e12, 1e6, 1e4, {ImproperF}},
      {1e-20, 1e6, 1e4, {ImproperF}}};
  for (const auto& [Typed, Kept, Step, Messages] : Cases) {
    Dialogs.Messages.clear();
    W.EnterFrequency(Typed);
    EXPECT_EQ(std::tuple(W.Net.GetFrequency(), W.Prefs.UpDownInterval, Dialogs.MessageTexts()),
              std::tuple(Kept, Step, Messages)) << Typed;
  }
  W.EnterFrequency(14.2e6);
  EXPECT_EQ((std::vector{W.Prefs.MajorMark, W.Prefs.MinorMark, W.Net.ScanStart, W.Net.ScanStop}),
            (std::vector{2e5, 5e4, 11.36e6, 17.75e6}));
}

// A step the frequency text cannot show is refused; the scan range moves only while it stays above 0.
TEST_F(Workbench, StepsKeepAProperFrequencyAndAnUpwardScanRange) {
  W.EnterFrequency(1e6);
  W.Prefs.UpDownInterval = 1e6;
  EXPECT_FALSE(W.StepFrequency(false));
  EXPECT_EQ(std::tuple(W.Net.GetFrequency(), Dialogs.MessageTexts()), std::tuple(1e6, Strings{ImproperF}));
  W.EnterFrequency(2e6);
  W.Prefs.UpDownInterval = 1.7e6;
  EXPECT_TRUE(W.StepFrequency(false));
  EXPECT_EQ(std::tuple(W.Net.GetFrequency(), W.Net.ScanStart, W.Net.ScanStop), std::tuple(0.3e6, 1.6e6, 2.5e6));
  EXPECT_TRUE(W.StepFrequency(true));
  EXPECT_EQ(std::tuple(W.Net.GetFrequency(), W.Net.ScanStart, W.Net.ScanStop), std::tuple(2e6, 3.3e6, 4.2e6));
  W.EnterFrequency(999e9);
  W.Prefs.UpDownInterval = 1e9;
  EXPECT_FALSE(W.StepFrequency(true));
  EXPECT_EQ(W.Net.GetFrequency(), 999e9);
}

TEST_F(Workbench, ZnQAndScanRangeAreRefusedOrKeptWhenImproper) {
  for (const double Z : {0.0, -50.0, 1e12, 1e-20, std::nan("")}) {
    W.EnterZn(75);
    W.EnterZn(Z);
    EXPECT_EQ(std::tuple(W.Net.GetZn(), Dialogs.MessageTexts().back()), std::tuple(50.0, ImproperZ)) << Z;
  }
  W.AcceptZn(-1, 75);
  EXPECT_EQ(W.Net.GetZn(), 75);
  for (const auto& [Q, Kept] : {std::pair{500.0, 500.0}, {1, 1}, {501, 0}, {0.5, 0}, {-3, 0}}) {
    W.EnterQ(Q);
    EXPECT_EQ(W.Net.Q, Kept) << Q;
  }
  Dialogs.Messages.clear();
  for (const auto& [Start, Stop] : {std::pair{125e6, 80e6}, {0.0, 1e6}, {1e6, 1e6}}) W.EnterScanRange(Start, Stop);
  EXPECT_EQ(std::tuple(W.Net.ScanStart, W.Net.ScanStop, Dialogs.Messages.size()), std::tuple(80e6, 125e6, 3u));
  W.EnterScanRange(1e6, 2e6);
  EXPECT_EQ(std::tuple(W.Net.ScanStart, W.Net.ScanStop), std::tuple(1e6, 2e6));
}

// At 100 MHz and Zn 50 ohm a new element has a reactance or resistance of 50 ohm, shown and held
// rounded to three digits; a stub is an eighth wave on its own line.
TEST_F(Workbench, NewElementsGetTheirRoundedDefaults) {
  const std::tuple<TElementType, double, double> Cases[] = {
      {TElementType::Cs, 0.67, 31.8e-12}, {TElementType::Lp, 0.67, 79.6e-9},   {TElementType::Rs, 0.67, 50},
      {TElementType::Line, 0.67, 0.4},    {TElementType::None, 0.67, 0},       {TElementType::Stub, 0.67, 0},
      {TElementType::OpenStub, 0.67, 0.251}, {TElementType::ShortStub, 0.8, 0.3}};
  for (const auto& [Type, VelocityFactor, Value] : Cases)
    EXPECT_DOUBLE_EQ(W.DefaultValue(Type, VelocityFactor), Value) << TypeName(Type);
  EXPECT_EQ(TWorkbench::ProposedScan(100e6).Start, 90e6);
}

// The type cycle runs None .. Line, OpenStub, ShortStub both ways; a Stub leaves it for None or Line
// and never returns.
TEST_F(Workbench, TypesCycleWithTheirDefaults) {
  std::vector<TElementType> Seen;
  for (int i = 0; i < 11; ++i) {
    W.CycleType(2, true);
    Seen.push_back(W.Net.Elements[3].ElementType);
  }
  EXPECT_EQ(Seen.front(), TElementType::Cs);
  EXPECT_EQ(std::vector(Seen.begin() + 6, Seen.end()),
            (std::vector{TElementType::Line, TElementType::OpenStub, TElementType::ShortStub, TElementType::None,
                         TElementType::Cs}));
  EXPECT_DOUBLE_EQ(W.Net.Elements[3].Value, 31.8e-12);
  W.CycleType(2, false);
  W.CycleType(2, false);
  EXPECT_EQ(W.Net.Elements[3].ElementType, TElementType::ShortStub);
  EXPECT_DOUBLE_EQ(W.Net.Elements[3].LineLength, 0.251);
  EXPECT_DOUBLE_EQ(W.Net.Elements[3].Value, 0.251);
  W.CycleType(2, false);
  W.CycleType(2, false);
  EXPECT_EQ(W.Net.Elements[3].ElementType, TElementType::Line);
  EXPECT_DOUBLE_EQ(W.Net.Elements[3].LineLength, 0.4);
  for (const auto& [Forward, Next] : {std::pair{true, TElementType::None}, {false, TElementType::Line}}) {
    W.Net.Elements[3].SetElementType(TElementType::Stub);
    W.CycleType(2, Forward);
    EXPECT_EQ(W.Net.Elements[3].ElementType, Next);
  }
}

// Every setting the file lacks or gets wrong keeps its default; an unreadable file is named.
TEST_F(Workbench, ResetReadsTheSettingsFileSettingBySetting) {
  std::ofstream("zomar.ini") << ":Frequency\r\n145.525M\r\n:Zn\r\n-5\r\n:Steps\r\nabc\r\n";
  const TSettingsRead Read = W.Reset();
  EXPECT_TRUE(Read.Found);
  EXPECT_EQ(Read.Note.rfind("zomar.ini: could not use Steps, Start Frequency, Stop Frequency, Q, Major", 0), 0u);
  EXPECT_EQ(std::tuple(W.Net.GetFrequency(), W.Net.GetZn(), W.Net.ScanSteps), std::tuple(145.525e6, 50.0, 100));
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{ImproperZ});
  std::filesystem::remove("zomar.ini");
  std::filesystem::create_directory("zomar.ini");
  EXPECT_EQ(W.Reset().Note.rfind("zomar.ini: ", 0), 0u);
  EXPECT_EQ(W.Net.GetFrequency(), 100e6);
}

// A view change is kept at once without the network's state: a missing file gets the defaults
// for the rest, an existing one keeps its other lines. The next start reads it without a word.
TEST_F(Workbench, TheViewIsKeptInTheSettingsFileAtOnce) {
  W.Net.SetFrequency(7e6);
  W.View.AdmittanceGrid = true;
  W.View.Vswr.Values = {2};
  W.SaveView();
  TSettingsRead Read = W.Reset();
  EXPECT_EQ(std::tuple(Read.Found, Read.Note, W.Net.GetFrequency()), std::tuple(true, "", 100e6));
  EXPECT_TRUE(W.View.AdmittanceGrid);
  W.Net.SetFrequency(7e6);
  W.SaveSettings();
  W.View.Vswr.Values = {1.5, 3};
  W.SaveView();
  Read = W.Reset();
  EXPECT_EQ(std::tuple(Read.Note, W.Net.GetFrequency(), W.View.Vswr.Values),
            std::tuple("", 7e6, std::vector<double>{1.5, 3}));
}

// Opening and saving mark the network unchanged; the network's own file is the one saved to.
TEST_F(Workbench, ModifiedFollowsChangesSavesAndOpens) {
  EXPECT_FALSE(W.Modified());
  W.Net.Elements[2].SetElementType(TElementType::Cs);
  EXPECT_TRUE(W.Modified());
  W.Save("one.snf");
  EXPECT_EQ(std::tuple(W.Modified(), W.FileName, W.Net.Title), std::tuple(false, "one.snf", "Network file: one.snf"));
  W.Net.Elements[2].SetElementType(TElementType::None);
  EXPECT_TRUE(W.Modified());
  W.Open("one.snf", TWorkbench::NetworkLines("one.snf"));
  EXPECT_EQ(std::tuple(W.Modified(), W.Net.Elements[2].ElementType), std::tuple(false, TElementType::Cs));
}

// A file that fails midway changes nothing; values the boxes refuse are refused from a file too,
// and Stubs and hidden positions are named.
TEST_F(Workbench, OpeningChecksTheFileFirstAndReportsWhatItHolds) {
  WriteLines("short.snf", {":NrofElements", "5"});
  EXPECT_THROW(TWorkbench::NetworkLines("short.snf"), ESnfError);
  W.Net.NrOfElements = 8;
  W.Net.Elements[3].SetElementType(TElementType::Stub);
  W.Net.Elements[5].SetElementType(TElementType::Stub);
  W.Net.SetZn(0);
  WriteLines("odd.snf", SnfLines(W.Net, "odd.snf"));
  W.Reset();
  W.Open("odd.snf", TWorkbench::NetworkLines("odd.snf"));
  EXPECT_EQ(Dialogs.MessageTexts(),
            (Strings{ImproperZ,
                     "This network has 8 elements. The diagram shows positions 1 to 5; positions 6 to 8 are not "
                     "shown, but they are calculated, drawn on the chart and saved with the network.",
                     "Positions 2 and 4 hold a Stub, which has no model of its own: it is calculated as a through "
                     "connection."}));
  EXPECT_EQ(std::tuple(W.Net.GetZn(), W.Net.NrOfElements), std::tuple(50.0, 8));
}

}  // namespace
