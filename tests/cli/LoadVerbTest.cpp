// zomar-cli load: a Touchstone file of one port shown as the impedances the program reads from it.
#include <gtest/gtest.h>

#include <cmath>

#include "CliRunning.h"

namespace {

// Worked out by hand: Gamma 0.2 and 0.5j against 50 ohm are 75 and 30 + j40 ohm; version 1 Z
// values are relative to R.
TEST(CliLoad, OneRowPerFrequencyOfTheFile) {
  const struct {
    std::string Name, Text;
    std::vector<std::vector<double>> Rows;
  } Cases[] = {
      {"ro,1.s1p", "! a measured antenna\r\n# MHz S MA R 50\r\n145.525 0.2 0\r\n146 0.5 90\r\n",
       {{145525e3, 75, 0}, {146e6, 30, 40}}},
      {"z.s1p", "# kHz Z RI R 75\n1 1 1\n", {{1e3, 75, 75}}},
  };
  const TTempDir Dir;
  for (const auto& C : Cases) {
    Dir.Write(C.Name, C.Text);
    const TRun R = RunCli(Dir, {"load", C.Name});
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Err, "");
    const Lines Out = R.OutLines();
    ASSERT_EQ(Out.size(), C.Rows.size() + 1) << R.Out;
    EXPECT_EQ(Out[0], "frequency_Hz,R_ohm,X_ohm");
    for (std::size_t i = 0; i < C.Rows.size(); ++i) {
      const std::vector<double> Row = Numbers(Out[i + 1]), &Expected = C.Rows[i];
      ASSERT_EQ(Row.size(), 3u) << Out[i + 1];
      EXPECT_EQ(Row[0], Expected[0]);
      EXPECT_NEAR(Row[1], Expected[1], 1e-12 * Expected[1]) << Out[i + 1];
      EXPECT_NEAR(Row[2], Expected[2], 1e-12 * std::max(1.0, Expected[1])) << Out[i + 1];
    }
  }
  Dir.Write("open.s1p", "# Hz S RI R 50\n5 1 0\n");
  EXPECT_EQ(RunCli(Dir, {"load", "open.s1p"}).OutLines(), (Lines{"frequency_Hz,R_ohm,X_ohm", "5,inf,0"}));
}

TEST(CliLoad, WhatIsNoLoadIsOneLineAndExitStatus2) {
  const std::pair<std::vector<std::string>, std::string> Cases[] = {
      {{"load", "amp.s2p"}, "zomar-cli: amp.s2p: 2 ports: a load is a file of one port"},
      {{"load", "bad.s1p"},
       "zomar-cli: bad.s1p, line 3: frequency 1e+08 Hz does not rise above the one before, 2e+08 Hz"},
      {{"load", "missing.s1p"}, "zomar-cli: missing.s1p: No such file or directory"},
      {{"load"}, "zomar-cli: FILE is required"},
  };
  const TTempDir Dir;
  Dir.Write("amp.s2p", "# MHz S RI R 50\n100 0 0 1 0 1 0 0 0\n");
  Dir.Write("bad.s1p", "# MHz S RI R 50\n200 0 0\n100 0 0\n");
  for (const auto& [Arguments, Message] : Cases) {
    const TRun R = RunCli(Dir, Arguments);
    EXPECT_EQ(R.Status, 2) << Message;
    EXPECT_EQ(R.Out, "");
    EXPECT_EQ(R.ErrLines(), Lines{Message});
  }
  const TRun Help = RunCli(Dir, {"load", "--help"});
  EXPECT_EQ(Help.Status, 0);
  EXPECT_NE(Help.Out.find("FILE"), std::string::npos) << Help.Out;
}

}  // namespace

namespace {

// A network with no elements: its input is its load, so the sweep shows the measured load itself.
constexpr const char* BareNetwork =
    ":Circuit name\nbare\n:NrofElements\n2\n:Frequency (Hz)\n150000000\n:Start Frequency (Hz)\n1\n"
    ":Stop Frequency (Hz)\n2\n:Steps\n1\n:Q\n0\n:Zn\n50\n:Rg\n0\n:Element data\n:0\nNone\n20\n0\n"
    ":1\nNone\n0\n:2\nNone\n0\n";

// --load FILE, or the file the network names: the load per frequency, points outside it left out
// with one message, exit 1 when none is left; eval outside it has no answer.
TEST(CliLoad, EvalAndSweepTakeAMeasuredLoad) {
  const TTempDir Dir;
  Dir.Write("ant.s1p", "# MHz S MA R 50\n100 0 0\n200 0.5 0\n");
  Dir.Write("bare.snf", BareNetwork);
  Dir.Write("named.snf", std::string(BareNetwork) + ":Load file\nant.s1p\n");
  for (const std::vector<std::string>& Load : {std::vector<std::string>{"bare.snf", "--load", "ant.s1p"},
                                                std::vector<std::string>{"named.snf"}}) {
    std::vector<std::string> Sweep{"sweep"};
    Sweep.insert(Sweep.end(), Load.begin(), Load.end());
    Sweep.insert(Sweep.end(), {"--from", "50M", "--to", "250M", "--points", "5"});
    const TRun R = RunCli(Dir, Sweep);
    ASSERT_EQ(R.Status, 0) << R.Err;
    const Lines Out = R.OutLines();
    ASSERT_EQ(Out.size(), 4u) << R.Out;
    EXPECT_NEAR(Numbers(Out[2])[1], 250.0 / 3, 1e-9);  // 150 MHz: reflection 0.25
    EXPECT_NE(R.Err.find("2 of 5 points left out"), std::string::npos) << R.Err;
  }
  const TRun Outside = RunCli(Dir, {"eval", "bare.snf", "--load", "ant.s1p", "--freq", "300M"});
  EXPECT_EQ(Outside.Status, 1);
  EXPECT_NE(Outside.Err.find("No measured load at 300 MHz"), std::string::npos) << Outside.Err;
  EXPECT_EQ(RunCli(Dir, {"sweep", "bare.snf", "--load", "ant.s1p", "--from", "250M", "--to", "300M", "--points", "2"})
                .Status,
            1);
  EXPECT_EQ(RunCli(Dir, {"sweep", "named.snf", "--load", "20,0", "--from", "250M", "--to", "300M", "--points", "2"})
                .Status,
            0);
}

}  // namespace
