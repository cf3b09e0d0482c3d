#include <QGroupBox>
#include <QTextBrowser>
#include <cmath>
#include <fstream>
#include <regex>

#include "WindowFixture.h"
#include "files/TextFile.h"
#include "plotter/Plotter.h"
#include "ui/HelpWindow.h"
#include "ui/PrintDialog.h"
#include "ui/Zomarabt.h"

namespace {

class Bode : public Window {
protected:
  TPlotPanel& Plot() { return *Form->PlotPanel; }
  void Show() {
    if (!Form->Bodeplot->isChecked()) Form->Bodeplot->trigger();
    Form->Bereken();
  }
};

TEST_F(Bode, ShowsAndHidesAtTheTopLeftOfTheDiagram) {
  for (bool Shown : {true, false, true, false}) {
    Form->Bodeplot->trigger();
    EXPECT_EQ(Form->Bodeplot->isChecked(), Shown);
    EXPECT_EQ(Plot().isHidden(), !Shown);
  }
  EXPECT_EQ(Plot().geometry().topRight() + QPoint(1, 0), Form->Schema->geometry().topLeft());
}

TEST_F(Bode, SweepsOneStepAboveTheStartToTheStopAndReadsOutUnderTheMouse) {
  Show();
  ASSERT_EQ(Plot().PointCount(0), 101);
  EXPECT_NEAR(std::pow(10.0L, Plot().Points(0)[1].X), 80.45L, 1e-9L);
  EXPECT_NEAR(std::pow(10.0L, Plot().Points(0)[100].X), 125L, 1e-9L);
  const long double Before = Plot().Points(0)[1].Y;
  Commit(Form->Edit0, "50");  // the load text reaches the plot one calculation later
  EXPECT_EQ(Plot().Points(0)[1].Y, Before);
  Form->Bereken();  // a matched lossless network sits at 0 dB
  for (int i = 1; i < Plot().PointCount(0); ++i) EXPECT_NEAR(Plot().Points(0)[i].Y, 0, 1e-9);
  const TRect& R = Plot().PlotRect();
  QTest::mouseMove(&Plot(), QPoint(R.Left + 10, R.Top + 10));
  EXPECT_TRUE(std::regex_match(Plot().Title(), std::regex("X= [0-9.]+ MHz    Y= .*dB")));
  QTest::mouseMove(&Plot(), QPoint(R.Left - 5, R.Top + 10));
  EXPECT_EQ(Plot().Title(), "Frequency (MHz)");
}

TEST_F(Bode, YRangeFollowsTheLowestGain) {
  Type(Form->Edit0, "50");
  LeftClick(Form->PaintBox1, 5);
  Show();
  // A series resistor before a 50 ohm load transfers 10000 / (100 + R)^2: -0.5 dB, -3 dB, -8 dB ... -45 dB
  const double Cases[][3] = {{5.93, -1, 0.2}, {41.3, -5, 1},  {151, -10, 1},  {462, -20, 2},
                             {1678, -30, 5},  {5523, -40, 5}, {17683, -50, 10}};
  for (const auto& [Ohm, YMin, Interval] : Cases) {
    Commit(Form->Edit1, QString::number(Ohm));
    Form->Bereken();
    EXPECT_EQ(std::tuple(Plot().YMin(), Plot().YMax()), std::tuple(YMin, 0)) << Ohm;
    EXPECT_NEAR(Plot().YMarksInterval(), Interval, 1e-15) << Ohm;
  }
}

TEST_F(Bode, SweepsEndPlotWhatTheyCanAndSayWhatNot) {
  struct {
    const char* Load;
    double Start, Stop;
    int Steps, Points;
    std::string Title;
  } const Cases[] = {
      {"50", 500, 1000, 0, 1, "Frequency (Hz)"},                   // no steps
      {"50", 500, 1000.5, 0, 1, "Frequency (kHz)"},
      {"50", 1e9, 2.4e9, 0, 1, "Frequency (GHz)"},
      {"50", 80e6, 125e6, -4, 4, "Frequency (MHz)"},               // negative steps
      {"50", 100e6, 100e6, 100, 1, "Frequency (MHz)"},             // start is stop
      {"50", 100e6, 100e6 + 1e-7, 100, 101, "Frequency (MHz)"},    // a step too small to move
      {"50", 125e6, 80e6, 10, 1, "Frequency (MHz)"},               // stop before start
      {"50", -20e6, 20e6, 4, 2, "Frequency (MHz); not plotted: 2 at frequencies <= 0"},
      {"-50", 80e6, 125e6, 10, 0, "Frequency (MHz); not plotted: 10 with no power reaching the load"}};
  Show();
  for (const auto& C : Cases) {
    Commit(Form->Edit0, C.Load);
    Form->Net->ScanStart = C.Start;
    Form->Net->ScanStop = C.Stop;
    Form->Net->ScanSteps = C.Steps;
    Form->Bereken();
    EXPECT_EQ(std::tuple(Plot().PointCount(0) - 1, Plot().Title()), std::tuple(C.Points, C.Title)) << C.Stop;
    EXPECT_FALSE(Plot().Hold()) << C.Stop;
  }
  EXPECT_TRUE(Dialogs.Messages.empty());
  Form->Scan->click();  // nothing re-reads the frequency text in Scan mode: the sweep has to put it back
  LeftClick(Form->Up);
  EXPECT_EQ(Text(Form->FreqText), "110 MHz");
}

class Files : public Window {
protected:
  void WriteNetwork(const std::string& Name, int Count, const std::string& Elements) {
    std::ofstream(Name) << "#\n:Circuit name\n" << Name << "\n:Creator\nx\n:NrofElements\n" << Count
                        << "\n:Frequency (Hz)\n100000000\n:Start Frequency (Hz)\n80000000\n:Stop Frequency (Hz)\n"
                           "125000000\n:Steps\n100\n:Q\n0\n:Zn\n50\n:Rg\n0\n#\n:Element data\n:0\nNone\n50\n"
                        << Elements;
  }
  void WriteResistors(const std::string& Name, int Count) {  // of 10 ohm in series before a 50 ohm load
    std::string Elements = "0\n";
    for (int i = 1; i <= Count; ++i) Elements += ":" + std::to_string(i) + "\nRs\n10\n";
    WriteNetwork(Name, Count, Elements);
  }
  void Open(const std::string& Name) {
    Dialogs.FileAnswers.push_back(Name);
    Form->Openen->trigger();
  }
};

TEST_F(Files, OpeningTheExampleShowsItsNetwork) {
  WriteNetwork("match1.snf", 5, "-30\n:1\nCs\n1E-11\n:2\nLine\n0.4\n0.4\n50\n0.67\n5\n10000000\n:3\nNone\n0\n"
                                ":4\nNone\n0\n:5\nNone\n0\n");
  LeftClick(Form->B3);
  Open("match1.snf");
  EXPECT_EQ(Form->windowTitle(), "Network file: match1.snf");
  EXPECT_EQ(Texts(Form->Edit0, Form->Edit_1), (Strings{"50 ", "-30 "}));
  EXPECT_EQ(Row(1), (Strings{"Cs", "10 pF", "Value :", ""}));
  EXPECT_EQ(Row(2), (Strings{"Line", "400 mm", "Length :", "..."}));
  for (int p = 3; p <= 5; ++p) EXPECT_EQ(Row(p)[0], "None");
  EXPECT_EQ(Form->Net->Selected, 0);
  EXPECT_EQ(std::tuple(Dialogs.FileRequests.at(0).Filter, Dialogs.FileRequests[0].DefaultExt),
            std::tuple("Zomar files (*.snf)|*.snf|All files (*.*)|*.*", "snf"));
}

TEST_F(Files, CancelledOrFailedOpenLeavesAFreshNetwork) {
  LeftClick(Form->PaintBox2);
  Form->Scan->click();
  Form->Openen->trigger();
  ExpectFreshNetwork("0 ");
  WriteLines("bad.snf", {":NrofElements", "5"});
  Open("bad.snf");
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{"Bad snf-file, Could not find :Steps"});
  EXPECT_EQ(Form->windowTitle(), "ZOMAR");
}

TEST_F(Files, SavingRightAfterStartUpWritesTheDefaultNetwork) {
  Dialogs.FileAnswers.push_back("fresh.snf");
  Form->Bewaren->trigger();
  const Strings Lines = ReadLines("fresh.snf");
  ASSERT_GE(Lines.size(), 47u);
  EXPECT_EQ((Strings{Lines[8], Lines[10], Lines[12], Lines[14], Lines[24]}),
            (Strings{"fresh.snf", "Zomar", "5", "100000000", "50"}));
  EXPECT_EQ(Strings(Lines.begin() + 29, Lines.begin() + 33), (Strings{":0", "None", "0", "0"}));
}

TEST_F(Files, LongerNetworksKeepTheirHiddenElementsAndShorterOnesGetNone) {
  WriteResistors("two.snf", 2);
  Open("two.snf");
  EXPECT_EQ(std::tuple(Form->Net->NrOfElements, Text(Form->ZinSer).substr(0, 7)), std::tuple(5, "Re: 70 "));
  WriteResistors("eight.snf", 8);
  Open("eight.snf");
  ASSERT_EQ(Dialogs.Messages.size(), 1u);  // none for the shorter one
  EXPECT_NE(Dialogs.Messages[0].Text.find("positions 6 to 8 are not shown"), std::string::npos);
  EXPECT_EQ(Text(Form->ZinSer).substr(0, 8), "Re: 130 ");  // the input is the ninth slot
  Dialogs.FileAnswers.push_back("again.snf");
  Form->Bewaren->trigger();
  Form->Nieuw->trigger();
  EXPECT_EQ(Form->Net->NrOfElements, 5);
  Open("again.snf");
  EXPECT_EQ(std::tuple(Form->Net->NrOfElements, Form->Net->Elements[9].Value), std::tuple(8, 10.0));
}

TEST_F(Files, PrintingMakesOnePageOfTheWindowOrNothingWhenCancelled) {
  LeftClick(Form->B2);
  Form->PrintIt->trigger();
  EXPECT_EQ(Dialogs.ShownForms.size(), 1u);
  OnModal<TPrintDialog>([](TPrintDialog& Print) {
    Print.Printer.setOutputFileName("window.pdf");  // the suffix makes it a PDF
    return true;
  });
  Form->PrintIt->trigger();
  std::ifstream File("window.pdf", std::ios::binary);
  const std::string S{std::istreambuf_iterator<char>(File), {}};
  const std::regex Page("/Type\\s*/Page\\b");
  EXPECT_EQ(std::distance(std::sregex_iterator(S.begin(), S.end(), Page), std::sregex_iterator()), 1);
  EXPECT_NE(S.find("/Subtype /Image"), std::string::npos);
  EXPECT_EQ(Background(Form->E2TypeLabel), QColor(Qt::cyan));  // the highlight comes back
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(Files, CtrlHOpensTheHelpAtItsContentsAndTheAboutBoxOpensAndCloses) {
  QTest::keyClick(Form.get(), Qt::Key_H, Qt::ControlModifier);
  ASSERT_TRUE(Form->HelpWindow->isVisible());
  EXPECT_EQ(Form->HelpWindow->source().fileName().toStdString(), HelpFileName);
  EXPECT_EQ(Form->HelpWindow->source().fragment(), "contents");
  EXPECT_NE(Form->HelpWindow->toPlainText().indexOf("Matching a load step by step"), -1);
  OnModal<TAboutBox>([](TAboutBox& Box) {
    Box.OKButton->click();
    return Box.result() == QDialog::Accepted;
  });
  Form->About->trigger();
  EXPECT_EQ(Dialogs.ShownForms, (std::vector<TModalForm*>{Form->AboutBox}));
  EXPECT_EQ(Form->AboutBox->result(), QDialog::Accepted);
}

}  // namespace
