#include <QGroupBox>
#include <QMenu>
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

// Beside the diagram at the top of the chart area, and below the chart's title where that corner
// would cover it.
TEST_F(Bode, ShowsAndHidesAtTheTopRightOfTheChartClearOfItsTitle) {
  for (bool Shown : {true, false, true, false}) {
    Form->Bodeplot->trigger();
    EXPECT_EQ(Form->Bodeplot->isChecked(), Shown);
    EXPECT_EQ(Plot().isHidden(), !Shown);
  }
  const auto& Labels = Form->SmithChart->Labels.Labels();
  const auto Title = std::find_if(Labels.begin(), Labels.end(), [](const auto& L) { return L.Text == "Smith Chart"; });
  ASSERT_NE(Title, Labels.end());
  EXPECT_FALSE(Plot().geometry().intersects(Title->Box));
  EXPECT_EQ(Plot().geometry().right() + 1, Form->Schema->x());
  EXPECT_EQ(Plot().y(), Title->Box.bottom() + 3);  // the offscreen screen is narrow enough
}

TEST_F(Bode, SweepsFromOneStepAboveTheStartToTheStopAndReadsOutUnderTheMouse) {
  Show();
  ASSERT_EQ(Plot().PointCount(0), 101);  // in equal ratios
  EXPECT_NEAR(std::pow(10.0L, Plot().Points(0)[1].X), 80 * std::pow(125 / 80.0L, 0.01L), 1e-9L);
  EXPECT_NEAR(std::pow(10.0L, Plot().Points(0)[100].X), 125L, 1e-9L);
  Commit(Form->Edit0, "50");  // the load text reaches the plot in the same calculation
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
  const double Cases[][3] = {{5.93, -1, 0.2}, {1678, -30, 5}};
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
      {"50", 1e9, 2.4e9, 0, 1, "Frequency (GHz)"},
      {"50", -20e6, 20e6, 4, 4, "Frequency (MHz)"},  // the decade under 20 MHz
      {"50", -20e6, -10e6, 4, 0, "Frequency (Hz); not plotted: 4 at frequencies <= 0"},
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
    Discard(Form->Openen);
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

// A cancelled open dialog changes nothing; a file that fails midway leaves nothing of itself.
TEST_F(Files, CancelledOpenKeepsTheNetworkAndAFailedOneLeavesAFreshNetwork) {
  LeftClick(Form->PaintBox2);
  Dialogs.MessageAnswers = {TMsgButton::No};
  Form->Openen->trigger();
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{"Save changes to Untitled?"});
  EXPECT_EQ(Row(2)[0], "Cs");
  Dialogs.Messages.clear();
  WriteResistors("short.snf", 40);  // promises 30 element blocks and holds 40 of 10 ohm, less the tail
  std::vector<std::string> Lines = ReadLines("short.snf");
  Lines.resize(Lines.size() - 3 * 35);
  WriteLines("short.snf", Lines);
  Open("short.snf");
  EXPECT_EQ(Dialogs.MessageTexts(), (Strings{"Save changes to Untitled?", "Bad snf-file, Could not find :6"}));
  ExpectFreshNetwork();
  EXPECT_EQ(std::tuple(Form->Net->NrOfElements, Form->windowTitle()), std::tuple(5, "ZOMAR"));
  EXPECT_FALSE(Form->Workbench->Modified());
}

// New, Open and Exit ask before they throw a changed network away; Yes saves it first, Cancel
// changes nothing. Save writes to the network's own file without asking; the caption names it.
TEST_F(Files, ChangedNetworksAreSavedOrKeptBeforeTheyAreThrownAway) {
  LeftClick(Form->PaintBox1);
  Dialogs.MessageAnswers = {TMsgButton::Cancel};
  Form->Nieuw->trigger();
  EXPECT_EQ(Dialogs.Messages.at(0).Buttons, (std::vector{TMsgButton::Yes, TMsgButton::No, TMsgButton::Cancel}));
  EXPECT_EQ(Row(1)[0], "Cs");
  Dialogs.MessageAnswers = {TMsgButton::Yes};
  Dialogs.FileAnswers = {"kept.snf"};
  Form->Nieuw->trigger();
  EXPECT_EQ(std::tuple(Row(1)[0], ReadLines("kept.snf").at(34)), std::tuple("None", "Cs"));
  Open("kept.snf");
  EXPECT_EQ(Form->windowTitle(), "Network file: kept.snf");
  Commit(Form->Edit1, "12.34p");
  Form->Bewaren->trigger();  // no dialog: the network has its file
  EXPECT_EQ(std::tuple(Dialogs.FileRequests.size(), ReadLines("kept.snf").at(35)), std::tuple(2u, "1.234E-11"));
  EXPECT_FALSE(Form->Workbench->Modified());
  Dialogs.FileAnswers = {"other.snf"};
  Form->BewarenAls->trigger();
  EXPECT_EQ(Form->windowTitle(), "Network file: other.snf");
  Dialogs.Messages.clear();
  Dialogs.MessageAnswers = {TMsgButton::No};
  Form->Afsluiten->trigger();
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{"Do you really want to quit"});
}

// A file's frequency and Zn are shown with every digit they have, and values the boxes would
// refuse are refused when the file is read; a Stub passes the impedance on and is named once.
TEST_F(Files, OpenedValuesKeepTheirDigitsAndImproperOnesAreRefused) {
  WriteNetwork("exact.snf", 5, "-30\n:1\nStub\n0.4\n:2\nLs\n1.234567E-8\n:3\nNone\n0\n:4\nNone\n0\n:5\nNone\n0\n");
  std::vector<std::string> Lines = ReadLines("exact.snf");
  Lines[8] = "145525000";
  WriteLines("exact.snf", Lines);
  Open("exact.snf");
  EXPECT_EQ(Form->Net->GetFrequency(), 145.525e6);
  EXPECT_EQ(Texts(Form->FreqText, Form->Edit1, Form->Edit2), (Strings{"145.525 MHz", "400 m", "12.34567 nH"}));
  EXPECT_EQ(Dialogs.MessageTexts(),
            Strings{"Position 1 holds a Stub, which has no model of its own: it is calculated as a through connection."});
  EXPECT_EQ(Form->Net->Elements[2].Z.Re, 50);
  const std::tuple<int, const char*, const char*, double> Refused[] = {
      {8, "0", "This is not a proper value for the frequentie", 100e6},
      {18, "-50", "This is not a proper value for Z-norm", 145.525e6}};
  for (const auto& [Line, Value, Message, Frequency] : Refused) {
    Dialogs.Messages.clear();
    Lines = ReadLines("exact.snf");
    Lines[Line] = Value;
    WriteLines("bad.snf", Lines);
    Open("bad.snf");
    EXPECT_EQ(Dialogs.MessageTexts().at(0), Message);
    EXPECT_EQ(std::tuple(Form->Net->GetFrequency(), Form->Net->GetZn()), std::tuple(Frequency, 50.0));
  }
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
  Form->BewarenAls->trigger();
  Discard(Form->Nieuw);
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

namespace {

// The last eight files opened or saved, newest first, each once; kept for the next start, and
// each opens with the question a changed network asks.
TEST_F(Files, RecentFilesListTheLastEightAndOpenThem) {
  const auto Shown = [this] {
    emit Form->RecentMenu->aboutToShow();
    Strings Items;
    for (QAction* Item : Form->RecentMenu->actions()) Items.push_back(Item->text().toStdString());
    return Items;
  };
  EXPECT_EQ(Shown(), Strings{"(none)"});
  for (int i = 1; i <= 9; ++i) {
    Dialogs.FileAnswers.push_back("n" + std::to_string(i) + ".snf");
    Form->BewarenAls->trigger();
  }
  Open("n5.snf");
  const Strings Items = Shown();
  ASSERT_EQ(Items.size(), 8u);
  EXPECT_EQ(std::tuple(Items[0], Items[1], Items[7]), std::tuple("&1 n5.snf", "&2 n9.snf", "&8 n2.snf"));
  LeftClick(Form->PaintBox1);
  Dialogs.MessageAnswers = {TMsgButton::No};
  Form->RecentMenu->actions()[1]->trigger();
  EXPECT_EQ(std::tuple(Form->windowTitle(), Dialogs.MessageTexts().back()),
            std::tuple("Network file: n9.snf", "Save changes to n5.snf?"));
  TForm1 Later;
  EXPECT_EQ(Later.Workbench->RecentFiles.front(), "n9.snf");
}

}  // namespace
