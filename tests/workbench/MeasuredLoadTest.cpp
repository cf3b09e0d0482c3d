#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "FakeDialogs.h"
#include "files/DataIO.h"
#include "files/TextFile.h"
#include "network/NetCalc.h"
#include "workbench/Workbench.h"
#include "../files/FileTesting.h"

namespace {

// 50 ohm at 100 MHz, 150 ohm (reflection 0.5) at 200 MHz: halfway the reflection is 0.25, 83.3 ohm.
void WriteAntenna(const std::string& Name) {
  std::ofstream(Name) << "! two points\n# MHz S MA R 50\n100 0 0\n200 0.5 0\n";
}

class MeasuredLoad : public ::testing::Test {
protected:
  TTempDir Dir;
  TFakeDialogs Dialogs;
  TWorkbench W;
  void SetUp() override {
    W.Reset();
    std::filesystem::create_directory("loads");
    WriteAntenna("loads/ant.s1p");
    W.Net.Elements[1].SetValue(20);
  }
  double LoadR() {
    W.Net.Calculate();
    return W.Net.Elements[1].Z.Re;
  }
};

// The load comes from the file at every frequency inside it, and there is none outside.
TEST_F(MeasuredLoad, TakesTheLoadPerFrequencyAndHasNoneOutside) {
  W.ImportLoad("loads/ant.s1p");
  for (const auto& [F, R] : {std::pair{100e6, 50.0}, {150e6, 250.0 / 3}, {200e6, 150.0}}) {
    W.Net.SetFrequency(F);
    EXPECT_NEAR(LoadR(), R, 1e-9 * R) << F;
  }
  W.Net.SetFrequency(250e6);
  EXPECT_THROW(W.Net.Calculate(), ENoLoadError);
  W.Net.ScanStart = 50e6;
  W.Net.ScanStop = 250e6;
  W.Net.ScanSteps = 20;
  const TBodeSweep Sweep = W.BodeSweep();
  // In equal ratios of 5^(1/20): 54 .. 95 MHz and 216 .. 250 MHz lie outside.
  EXPECT_EQ(Sweep.Note, "; not plotted: 11 outside the measured load's frequencies");
  EXPECT_EQ(Sweep.Points.size(), 9u);
  W.ClearMeasuredLoad();
  W.Net.SetFrequency(150e6);
  EXPECT_EQ(LoadR(), 20);
}

// The network file names the load relative to its own folder; opening it takes the load again, and
// a load file that is gone leaves the fixed load and says so. Importing is a change, and undoable.
TEST_F(MeasuredLoad, TravelsWithTheNetworkFileAndIsUndoable) {
  W.ImportLoad("loads/ant.s1p");
  EXPECT_TRUE(W.Modified() && W.CanUndo() == false);
  W.Record();
  EXPECT_TRUE(W.CanUndo());
  W.Save("net.snf");
  const std::vector<std::string> Lines = ReadLines("net.snf");
  EXPECT_EQ(std::vector(Lines.end() - 2, Lines.end()), (std::vector<std::string>{":Load file", "loads/ant.s1p"}));
  std::filesystem::create_directory("other");
  std::filesystem::copy("net.snf", "other/net.snf");
  std::filesystem::copy("loads", "other/loads");
  W.Reset();
  W.Open("other/net.snf", TWorkbench::NetworkLines("other/net.snf"));
  EXPECT_EQ(std::tuple(W.LoadFile, W.Modified(), W.Net.MeasuredLoad != nullptr),
            std::tuple("other/loads/ant.s1p", false, true));
  std::filesystem::remove_all("other/loads");
  W.Open("other/net.snf", TWorkbench::NetworkLines("other/net.snf"));
  EXPECT_EQ(std::tuple(W.LoadFile, W.Net.MeasuredLoad == nullptr), std::tuple("", true));
  EXPECT_EQ(Dialogs.Messages.back().Text.rfind("other/loads/ant.s1p: ", 0), 0u);
  W.ImportLoad("loads/ant.s1p");
  W.Record();
  EXPECT_TRUE(W.Undo());
  EXPECT_EQ(std::tuple(W.LoadFile, W.Net.MeasuredLoad == nullptr), std::tuple("", true));
  EXPECT_THROW(W.ImportLoad("loads/none.s1p"), EFileError);
}

}  // namespace
