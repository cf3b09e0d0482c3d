#include <QImage>
#include <cmath>
#include <fstream>
#include <sstream>

#include "WindowFixture.h"
#include "files/TextFile.h"
#include "plotter/Plotter.h"

namespace {

class Export : public Window {
protected:
  void SetUp() override {
    Window::SetUp();
    Commit(Form->Edit0, "20");
    Commit(Form->Edit_1, "30");
    LeftClick(Form->PaintBox1, 2);  // Cp
    LeftClick(Form->PaintBox2, 3);  // Ls
    Form->Net->ScanSteps = 10;
  }
  void Run(QAction* Item, const std::string& Name) {
    Dialogs.FileAnswers.push_back(Name);
    Item->trigger();
  }
  static std::vector<double> Numbers(const std::string& Line) {
    std::vector<double> V;
    std::stringstream In(Line);
    for (std::string Cell; std::getline(In, Cell, Line.find(',') != std::string::npos ? ',' : ' ');)
      if (!Cell.empty()) V.push_back(std::stod(Cell));
    return V;
  }
  // Zin at F as the workbench computes it.
  std::pair<double, double> ZinAt(double F) {
    const double Working = Form->Net->GetFrequency();
    Form->Net->SetFrequency(F);
    Form->Net->Calculate();
    const TComplex Z = Form->Net->Elements[6].Z;
    Form->Net->SetFrequency(Working);
    return {Z.Re, Z.Im};
  }
};

// The pictures are the ones on screen, at their size; the SVG carries the same size.
TEST_F(Export, PicturesAreWhatTheScreenShows) {
  Run(Form->ExportChartPng, "chart.png");
  const QImage Chart("chart.png");
  const TSmithChart& C = *Form->SmithChart;
  ASSERT_EQ(Chart.size(), QSize(C.ChartWidth, C.ChartHeight));
  EXPECT_EQ(Chart.pixel(C.CenterX, C.CenterY - C.Radius / 3), Form->SmithPbox->Image().pixel(C.CenterX, C.CenterY - C.Radius / 3));
  Run(Form->ExportChartSvg, "chart.svg");
  std::ifstream In("chart.svg");
  const std::string Svg(std::istreambuf_iterator<char>(In), {});
  EXPECT_NE(Svg.find("viewBox=\"0 0 " + std::to_string(C.ChartWidth) + " " + std::to_string(C.ChartHeight) + "\""),
            std::string::npos);
  EXPECT_NE(Svg.find("<image"), std::string::npos);
  Run(Form->ExportPlotPng, "plot.png");
  EXPECT_EQ(QImage("plot.png").size(), Form->PlotPanel->size());
  EXPECT_TRUE(Dialogs.Messages.empty());
  EXPECT_EQ(Dialogs.FileRequests.at(0).Filter, "PNG pictures (*.png)|*.png|All files (*.*)|*.*");
  EXPECT_EQ(Dialogs.FileRequests.at(0).InitialName, "network.png");
}

// The tables hold what the workbench computes: the Bode plot's points, and the scan range swept
// in its steps, both ends included.
TEST_F(Export, TablesHoldTheWorkbenchsValues) {
  Run(Form->ExportPlotCsv, "bode.csv");
  const Strings Bode = ReadLines("bode.csv");
  ASSERT_EQ(Bode.size(), 11u);  // the plot starts one step above the scan's start
  EXPECT_EQ(Bode[0], "frequency_Hz,transfer_dB");
  const TBodeSweep Sweep = Form->Workbench->BodeSweep();
  EXPECT_EQ(Numbers(Bode[1]), (std::vector{Sweep.Points[0].Frequency, Sweep.Points[0].Db}));
  for (std::size_t i = 2; i < Bode.size(); ++i)  // in the plot's equal ratios
    EXPECT_NEAR(Numbers(Bode[i])[0] / Numbers(Bode[i - 1])[0], std::pow(1.25 / 0.8, 0.1), 1e-12) << i;
  Run(Form->ExportSweepCsv, "sweep.csv");
  const Strings Csv = ReadLines("sweep.csv");
  ASSERT_EQ(Csv.size(), 12u);
  const std::vector<double> First = Numbers(Csv[1]), Last = Numbers(Csv[11]);
  EXPECT_EQ(std::tuple(First[0], Last[0]), std::tuple(Form->Net->ScanStart, Form->Net->ScanStop));
  const auto [R, X] = ZinAt(Form->Net->ScanStop);
  EXPECT_NEAR(Last[1], R, 1e-9 * std::abs(R));
  EXPECT_NEAR(Last[2], X, 1e-9 * std::abs(X));
  Run(Form->ExportSweepS1p, "sweep.s1p");
  Run(Form->ExportSweepS2p, "sweep.s2p");
  const Strings S1p = ReadLines("sweep.s1p"), S2p = ReadLines("sweep.s2p");
  EXPECT_EQ(std::tuple(S1p.at(1), S2p.at(1), S1p.size(), S2p.size()),
            std::tuple("# Hz S RI R 50", "# Hz S RI R 50", 13u, 13u));
  EXPECT_EQ(Numbers(S1p[2]).size(), 3u);
  EXPECT_EQ(Numbers(S2p[2]).size(), 9u);
  Run(Form->ExportNetlist, "ladder.cir");
  const Strings Netlist = ReadLines("ladder.cir");
  EXPECT_EQ(std::tuple(Netlist.front().substr(0, 8), Netlist.back()), std::tuple("* ZOMAR,", ".end"));
  EXPECT_TRUE(Dialogs.Messages.empty());
}

// A cancelled dialog writes nothing; a file that cannot be written is named with the reason.
TEST_F(Export, CancelledOrFailedExportsWriteNothing) {
  Dialogs.FileAnswers.push_back(std::nullopt);
  Form->ExportSweepCsv->trigger();
  Run(Form->ExportChartPng, "no-such-folder/chart.png");
  Run(Form->ExportSweepCsv, "no-such-folder/sweep.csv");
  ASSERT_EQ(Dialogs.Messages.size(), 2u);
  EXPECT_EQ(Dialogs.Messages[0].Text.rfind("no-such-folder/chart.png: ", 0), 0u);
  EXPECT_EQ(Dialogs.Messages[1].Text.rfind("no-such-folder/sweep.csv: ", 0), 0u);
  EXPECT_EQ(QDir(".").entryList(QDir::Files).size(), 0);
}

}  // namespace
