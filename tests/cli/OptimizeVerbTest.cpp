// zomar-cli optimize: a ladder tuned over a band, its values before and after as CSV, the worst VSWR
// before and after on standard error.
#include <gtest/gtest.h>

#include <algorithm>

#include "SynthesisRows.h"
#include "files/DataIO.h"
#include "files/TextFile.h"
#include "network/NetCalc.h"
#include "synthesis/StandardValues.h"

namespace {

using enum TElementType;

// The L section of 200 - j100 ohm on 100 ohm at 500 MHz, its values put off by a fifth, and a line
// before it that it does not need.
void Detuned(TNetWork& Net) {
  Net.SetNrOfElements(3);
  Net.SetFrequency(5e8);
  Net.SetZn(100);
  Net.Elements[1].SetValue(200);
  Net.Elements[0].SetValue(-100);
  TElement& Line = Net.Elements[2];
  Line.SetElementType(TElementType::Line);
  Line.SetZ0(100);
  Line.SetVelocityFactor(1);
  Line.SetAttenuation(0);
  Line.SetLineLength(0.02);
  Net.Elements[3].SetElementType(Cp);
  Net.Elements[3].SetValue(1.2 * 9.2277383e-13);
  Net.Elements[4].SetElementType(Ls);
  Net.Elements[4].SetValue(0.8 * 3.8984840e-08);
}

struct TWorst {
  double Before = 0, After = 0;
};

// The last line of standard error.
TWorst WorstLine(const TRun& R) {
  const Lines Err = R.ErrLines();
  EXPECT_FALSE(Err.empty());
  if (Err.empty()) return {};
  const std::vector<std::string> F = Fields(Err.back(), ' ');
  EXPECT_EQ(F.size(), 3u) << Err.back();
  if (F.size() != 3 || F[0] != "worst_VSWR" || F[1].rfind("before=", 0) != 0 || F[2].rfind("after=", 0) != 0) {
    ADD_FAILURE() << Err.back();
    return {};
  }
  return {Number(F[1].substr(7)), Number(F[2].substr(6))};
}

// The largest VSWR of the network file over the band, as zomar-cli sweep gives it.
double SweptWorst(const TTempDir& Dir, const std::string& File, const std::vector<std::string>& Band) {
  std::vector<std::string> Arguments{"sweep", File};
  Arguments.insert(Arguments.end(), Band.begin(), Band.end());
  const TRun R = RunCli(Dir, Arguments);
  double Worst = 0;
  const Lines Out = R.OutLines();
  for (std::size_t i = 1; i < Out.size(); ++i) Worst = std::max(Worst, Numbers(Out[i])[5]);
  return Worst;
}

TEST(CliOptimize, TunesTheLadderAndWritesIt) {
  const TTempDir Dir;
  TNetWork Net;
  Detuned(Net);
  WriteLines(Dir / "detuned.snf", SnfLines(Net, "detuned"));
  const std::vector<std::string> Band{"--from", "495M", "--to", "505M", "--points", "11"};
  std::vector<std::string> Arguments{"optimize", "detuned.snf", "--from",   "495M",
                                     "--to",     "505M",        "--output", "tuned.snf"};
  const TRun R = RunCli(Dir, Arguments);
  ASSERT_EQ(R.Status, 0) << R.Err;
  const Lines Out = R.OutLines();
  ASSERT_EQ(Out.size(), 4u) << R.Out;
  EXPECT_EQ(Out[0], "position,type,value_before,value_after");
  const char* Types[] = {"Line", "Cp", "Ls"};
  TNetWork Read, Tuned;
  ReadSnfLines(ReadLines(Dir / "detuned.snf"), Read);
  ReadSnfLines(ReadLines(Dir / "tuned.snf"), Tuned);
  for (int k = 0; k < 3; ++k) {
    const std::vector<std::string> F = Fields(Out[k + 1], ',');
    ASSERT_EQ(F.size(), 4u) << Out[k + 1];
    EXPECT_EQ(F[0], std::to_string(k + 1));
    EXPECT_EQ(F[1], Types[k]);
    EXPECT_EQ(Number(F[2]), Read.Elements[k + 2].Value);
    EXPECT_NEAR(Tuned.Elements[k + 2].Value, Number(F[3]), 1e-14 * Number(F[3]));
  }
  const TWorst W = WorstLine(R);
  EXPECT_EQ(R.ErrLines().size(), 1u) << R.Err;
  EXPECT_NEAR(W.Before, SweptWorst(Dir, "detuned.snf", Band), 1e-9);
  EXPECT_NEAR(W.After, SweptWorst(Dir, "tuned.snf", Band), 1e-9);
  EXPECT_LT(W.After, 1.05);
  EXPECT_GT(W.Before, 1.5);
}

TEST(CliOptimize, StandardValuesOfTheSeries) {
  const TTempDir Dir;
  TNetWork Net;
  Detuned(Net);
  WriteLines(Dir / "detuned.snf", SnfLines(Net, "detuned"));
  const TRun R = RunCli(Dir, {"optimize", "detuned.snf", "--from", "495M", "--to", "505M", "--series", "E12"});
  ASSERT_EQ(R.Status, 0) << R.Err;
  const Lines Out = R.OutLines();
  ASSERT_EQ(Out.size(), 4u) << R.Out;
  EXPECT_EQ(NeighbouringValues(Numbers(Out[2], ',', 2)[1], TESeries::E12).size(), 1u) << Out[2];
  EXPECT_EQ(NeighbouringValues(Numbers(Out[3], ',', 2)[1], TESeries::E12).size(), 1u) << Out[3];
  const TWorst W = WorstLine(R);
  EXPECT_LT(W.After, W.Before);
}

// A measured load from 490 to 500 MHz: the band's points above it are left out and said so; a band
// outside it has no answer.
TEST(CliOptimize, MeasuredLoadOverItsFrequencies) {
  const TTempDir Dir;
  TNetWork Net;
  Detuned(Net);
  WriteLines(Dir / "detuned.snf", SnfLines(Net, "detuned"));
  Dir.Write("antenna.s1p", "# MHz Z RI R 50\n490 4 -2.1\n500 4 -2\n");
  const TRun R = RunCli(
      Dir, {"optimize", "detuned.snf", "--from", "495M", "--to", "505M", "--points", "11", "--load", "antenna.s1p"});
  ASSERT_EQ(R.Status, 0) << R.Err;
  const Lines Err = R.ErrLines();
  ASSERT_EQ(Err.size(), 2u) << R.Err;
  EXPECT_EQ(Err[0], "zomar-cli: antenna.s1p: 5 of 11 points left out, outside its frequencies, 4.9e+08 to 5e+08 Hz");
  const TWorst W = WorstLine(R);
  EXPECT_LT(W.After, W.Before);
  const TRun Outside =
      RunCli(Dir, {"optimize", "detuned.snf", "--from", "600M", "--to", "700M", "--load", "antenna.s1p"});
  EXPECT_EQ(Outside.Status, 1);
  EXPECT_EQ(Outside.Out, "");
  EXPECT_EQ(Outside.ErrLines(),
            Lines{"zomar-cli: antenna.s1p: 101 of 101 points left out, outside its frequencies, 4.9e+08 to 5e+08 Hz"});
}

TEST(CliOptimize, FailuresAreOneLine) {
  struct {
    std::vector<std::string> Arguments;
    int Status;
    std::string Message;
  } const Cases[] = {
      {{"empty.snf", "--from", "1M", "--to", "2M"}, 1, "empty.snf: no element has a value to tune"},
      {{"missing.snf", "--from", "1M", "--to", "2M"}, 2, "missing.snf: No such file or directory"},
      {{"detuned.snf", "--to", "2M"}, 2, "--from is required"},
      {{"detuned.snf", "--from", "2M", "--to", "1M"}, 2, "--from '2M' lies above --to '1M'"},
      {{"detuned.snf", "--from", "1M", "--to", "2M", "--points", "0"}, 2, "--points '0'"},
      {{"detuned.snf", "--from", "1M", "--to", "2M", "--points", "10001"},
       2,
       "--points '10001': the optimiser takes at most 10000"},
      {{"detuned.snf", "--from", "1M", "--to", "2M", "--series", "E5"}, 2, "--series"},
      {{"detuned.snf", "--from", "1M", "--to", "2M", "--load", "x.s1p"}, 2, "x.s1p: No such file or directory"},
      {{"detuned.snf", "--from", "1M", "--to", "2M", "--load", "1,2,3"}, 2, "--load '1,2,3'"},
      {{"detuned.snf", "--from", "1M", "--to", "2M", "--output", "no/t.snf"}, 2, "no/t.snf"},
  };
  const TTempDir Dir;
  TNetWork Net;
  WriteLines(Dir / "empty.snf", SnfLines(Net, "empty"));
  Detuned(Net);
  WriteLines(Dir / "detuned.snf", SnfLines(Net, "detuned"));
  for (const auto& C : Cases) {
    std::vector<std::string> Arguments{"optimize"};
    Arguments.insert(Arguments.end(), C.Arguments.begin(), C.Arguments.end());
    const TRun R = RunCli(Dir, Arguments);
    const std::string Args = ::testing::PrintToString(Arguments);
    EXPECT_EQ(R.Status, C.Status) << Args;
    EXPECT_EQ(R.Out, "") << Args;
    const Lines Err = R.ErrLines();
    ASSERT_EQ(Err.size(), 1u) << Args << R.Err;
    EXPECT_EQ(Err[0].rfind("zomar-cli: ", 0), 0u) << Err[0];
    EXPECT_NE(Err[0].find(C.Message), std::string::npos) << Err[0];
  }
}

}  // namespace
