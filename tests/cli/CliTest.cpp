// zomar-cli run as a script runs it: arguments in, exit status, standard output and standard
// error out.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>

#include "CliRunning.h"
#include "files/DataIO.h"
#include "files/TextFile.h"
#include "network/NetCalc.h"
#include "workbench/Sweep.h"

namespace {

using enum TElementType;
using Cx = std::complex<double>;

// Seven elements with a lossy line, inductors with Q, and parts in series and in parallel.
void SevenElements(TNetWork& Net) {
  Net.SetNrOfElements(7);
  Net.Q = 60;
  Net.Elements[1].SetValue(12);
  Net.Elements[0].SetValue(-35);
  const std::pair<TElementType, double> Steps[] = {{Ls, 8.2e-8}, {Cp, 2.2e-11}, {Line, 0.37}, {Rs, 3.3},
                                                   {Lp, 1.5e-7}, {Cs, 4.7e-11}, {Rp, 2200}};
  int Slot = 2;
  for (const auto& [Type, Value] : Steps) {
    Net.Elements[Slot].SetElementType(Type);
    Net.Elements[Slot++].SetValue(Value);
  }
}

void QuarterWave(TNetWork& Net) {
  Net.SetNrOfElements(2);
  Net.Elements[1].SetValue(50);
  TElement& L = Net.Elements[2];
  L.SetElementType(Line);
  L.SetZ0(100);
  L.SetVelocityFactor(1);
  L.SetAttenuation(0);
  L.SetLineLength(1);  // a quarter wave at 75 MHz
}

void Save(const TTempDir& Dir, const std::string& Name, TNetWork& Net) { WriteLines(Dir / Name, SnfLines(Net, Name)); }

const TElement& Input(const TNetWork& Net) { return Net.Elements[Net.NrOfElements + 1]; }

TEST(CliEval, EveryNodeAsTheNetworkComputesIt) {
  struct {
    std::vector<std::string> Options;
    double Frequency, R, X, Q;
  } const Cases[] = {{{}, 1e8, 12, -35, 60},
                     {{"--freq", "123.4M"}, 123.4e6, 12, -35, 60},
                     {{"--freq", "7,1MHz", "--load", "1.2k,300", "--q", "0", "--zn", "75"}, 7.1e6, 1200, 300, 0},
                     {{"--load", "25, -10", "--q", "250"}, 1e8, 25, -10, 250}};
  const TTempDir Dir;
  TNetWork Net;
  SevenElements(Net);
  Save(Dir, "seven.snf", Net);
  for (const auto& C : Cases) {
    std::vector<std::string> Arguments{"eval", "seven.snf"};
    Arguments.insert(Arguments.end(), C.Options.begin(), C.Options.end());
    const TRun R = RunCli(Dir, Arguments);
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Err, "");
    const Lines Out = R.OutLines();
    ASSERT_EQ(Out.size(), 9u);
    EXPECT_EQ(Out[0], "node,type,R_ohm,X_ohm,V_re,V_im,I_re,I_im");
    Net.SetFrequency(C.Frequency);
    Net.Elements[1].SetValue(C.R);
    Net.Elements[0].SetValue(C.X);
    Net.Q = C.Q;
    Net.Calculate();
    for (int Node = 0; Node <= 7; ++Node) {
      const TElement& E = Net.Elements[Node + 1];
      const std::vector<std::string> F = Fields(Out[Node + 1], ',');
      EXPECT_EQ(F.at(0), std::to_string(Node));
      EXPECT_EQ(F.at(1), Node == 0 ? "Load" : TypeName(E.ElementType));
      EXPECT_EQ(Numbers(Out[Node + 1], ',', 2), (std::vector{E.Z.Re, E.Z.Im, E.V.Re, E.V.Im, E.I.Re, E.I.Im}))
          << Node;
    }
  }
}

TEST(CliSweep, CsvRowsAgreeWithTheNetwork) {
  const TTempDir Dir;
  TNetWork Net;
  SevenElements(Net);
  Save(Dir, "seven.snf", Net);
  const TRun R =
      RunCli(Dir, {"sweep", "seven.snf", "--from", "10M", "--to", "1G", "--points", "25", "--log", "--timing"});
  ASSERT_EQ(R.Status, 0) << R.Err;
  const Lines Err = R.ErrLines();
  ASSERT_EQ(Err.size(), 1u);
  ASSERT_EQ(Err[0].substr(0, 14), "sweep_seconds=");
  EXPECT_GE(Numbers(Err[0].substr(14)).at(0), 0);
  const Lines Out = R.OutLines();
  ASSERT_EQ(Out.size(), 26u);
  EXPECT_EQ(Out[0], "frequency_Hz,Zin_re_ohm,Zin_im_ohm,Gamma_re,Gamma_im,VSWR,return_loss_dB,transfer_dB");
  const std::vector<double> F = SweepFrequencies(1e7, 1e9, 25, TSweepScale::Log);
  for (std::size_t i = 0; i < F.size(); ++i) {
    const std::vector<double> Row = Numbers(Out[i + 1]);
    ASSERT_EQ(Row.size(), 8u);
    Net.SetFrequency(F[i]);
    Net.Calculate();
    const Cx Zin(Input(Net).Z.Re, Input(Net).Z.Im), Gamma = (Zin - 50.0) / (Zin + 50.0);
    EXPECT_EQ(Row[0], F[i]);
    EXPECT_LT(std::abs(Cx(Row[1], Row[2]) - Zin), 1e-9 * std::abs(Zin));
    EXPECT_LT(std::abs(Cx(Row[3], Row[4]) - Gamma), 1e-9);
    EXPECT_NEAR(Row[5], (1 + std::abs(Gamma)) / (1 - std::abs(Gamma)), 1e-9 * Row[5]);
    EXPECT_NEAR(Row[6], -20 * std::log10(std::abs(Gamma)), 1e-9);
    EXPECT_NEAR(Row[7], 10 * std::log10(PowerTransfer(Net)), 1e-9);
  }
}

// A lossless 100 ohm quarter wave before 50 ohm: Zin = 100^2 / 50 = 200 ohm, Gamma 0.6, VSWR 4,
// 64 % of the power reaches the load; as a two-port S11 = S22 = 0.6 and S21 = S12 = -0.8j.
TEST(CliSweep, QuarterWaveAsCalculatedByHand) {
  const TTempDir Dir;
  TNetWork Net;
  QuarterWave(Net);
  Save(Dir, "quarter.snf", Net);
  const std::vector<std::string> At75MHz{"sweep", "quarter.snf", "--from", "75M", "--to", "75M", "--points", "1"};
  auto Row = [&](const std::string& Format) {
    std::vector<std::string> A = At75MHz;
    A.insert(A.end(), {"--format", Format});
    const TRun R = RunCli(Dir, A);
    EXPECT_EQ(R.Status, 0) << R.Err;
    return Numbers(R.OutLines().back(), Format == "csv" ? ',' : ' ');
  };
  const std::vector<double> Expected[] = {{75e6, 200, 0, 0.6, 0, 4, -20 * std::log10(0.6), 10 * std::log10(0.64)},
                                          {75e6, 0.6, 0},
                                          {75e6, 0.6, 0, 0, -0.8, 0, -0.8, 0.6, 0}};
  const char* Formats[] = {"csv", "s1p", "s2p"};
  for (int i = 0; i < 3; ++i) {
    const std::vector<double> Actual = Row(Formats[i]);
    ASSERT_EQ(Actual.size(), Expected[i].size()) << Formats[i];
    for (std::size_t k = 0; k < Actual.size(); ++k)
      EXPECT_NEAR(Actual[k], Expected[i][k], 1e-9 * std::max(1.0, std::fabs(Expected[i][k]))) << Formats[i] << k;
  }
  // A load that gives power back reflects more than it receives: no VSWR, a negative return loss.
  std::vector<std::string> Active = At75MHz;
  Active.insert(Active.end(), {"--load", "-5,3"});
  const std::vector<std::string> Reflecting = Fields(RunCli(Dir, Active).OutLines().at(1), ',');
  EXPECT_EQ(Reflecting.at(5), "inf");
  EXPECT_LT(std::stod(Reflecting.at(6)), 0);
}

TEST(CliSweep, TwoPortTerminatedInTheLoadGivesTheInputReflection) {
  const TTempDir Dir;
  TNetWork Net;
  SevenElements(Net);
  Save(Dir, "seven.snf", Net);
  std::vector<std::string> A{"sweep", "seven.snf", "--from", "50M", "--to", "500M", "--points", "46", "--zn", "75"};
  const TRun S1p = RunCli(Dir, [&] { auto B = A; B.insert(B.end(), {"--format", "s1p"}); return B; }());
  const TRun S2p = RunCli(Dir, [&] { auto B = A; B.insert(B.end(), {"--format", "s2p"}); return B; }());
  ASSERT_EQ(S1p.Status + S2p.Status, 0) << S1p.Err << S2p.Err;
  const Lines One = S1p.OutLines(), Two = S2p.OutLines();
  ASSERT_EQ(One.size(), 48u);
  ASSERT_EQ(Two.size(), 48u);
  EXPECT_EQ(One[1], "# Hz S RI R 75");
  EXPECT_EQ(Two[1], "# Hz S RI R 75");
  EXPECT_EQ(One[0].substr(0, 2), "! ");
  const Cx ZLoad(12, -35), GammaLoad = (ZLoad - 75.0) / (ZLoad + 75.0);
  for (std::size_t i = 2; i < One.size(); ++i) {
    const std::vector<double> G = Numbers(One[i], ' '), S = Numbers(Two[i], ' ');
    ASSERT_EQ(G.size(), 3u);
    ASSERT_EQ(S.size(), 9u);
    EXPECT_EQ(G[0], S[0]);
    const Cx S11(S[1], S[2]), S21(S[3], S[4]), S12(S[5], S[6]), S22(S[7], S[8]);
    EXPECT_LT(std::abs(S11 + S12 * S21 * GammaLoad / (1.0 - S22 * GammaLoad) - Cx(G[1], G[2])), 1e-9) << One[i];
  }
}

// Over several blocks of points, as the rows are written while the sweep goes on.
TEST(CliSweep, OutputFileIsTheTableWholeWithLinesEndedByCrLf) {
  const TTempDir Dir;
  TNetWork Net;
  QuarterWave(Net);
  Save(Dir, "quarter.snf", Net);
  const std::vector<std::string> Sweep{"sweep", "quarter.snf", "--from", "1M", "--to", "1G", "--points", "150000"};
  const TRun Printed = RunCli(Dir, Sweep);
  auto ToFile = Sweep;
  ToFile.insert(ToFile.end(), {"--output", "table.csv"});
  const TRun Written = RunCli(Dir, ToFile);
  ASSERT_EQ(Written.Status, 0) << Written.Err;
  EXPECT_EQ(Written.Out + Written.Err, "");
  EXPECT_GT(Dir.Bytes("table.csv").size(), MaxTextFileSize);
  EXPECT_EQ(Dir.Bytes("table.csv"), CrLf(Printed.OutLines()));
  EXPECT_EQ(Dir.Entries(), (std::set<std::string>{"quarter.snf", "stderr", "stdout", "table.csv"}));
}

// Every failure is one line on standard error naming what failed, nothing on standard output, and
// exit status 2 for what cannot be read or used, 1 where the network has no answer.
TEST(CliFailures, OneLineNamingTheArgumentOrFile) {
  struct {
    std::vector<std::string> Arguments;
    int Status;
    std::string Named;
  } const Cases[] = {
      {{"eval", "missing.snf"}, 2, "missing.snf: No such file or directory"},
      {{"eval", "."}, 2, ".: Is a directory"},
      {{"eval", "nozn.snf"}, 2, "nozn.snf: Bad snf-file, Could not find :Zn"},
      {{"eval", "garbage.snf"}, 2, "garbage.snf: "},
      {{"eval", "zero.snf"}, 2, "zero.snf: Zn 0 is no proper value"},
      {{"eval", "good.snf", "--freq", "1x"}, 2, "--freq: 1x is not a valid number"},
      {{"eval", "good.snf", "--freq", ""}, 2, "--freq '': no value"},
      {{"eval", "good.snf", "--freq", "-5M"}, 2, "--freq '-5M'"},
      {{"eval", "good.snf", "--load", "x.s1p"}, 2, "x.s1p: No such file"},
      {{"eval", "good.snf", "--load", "25"}, 2, "25: No such file"},
      {{"eval", "good.snf", "--load", "1,2,3"}, 2, "--load '1,2,3'"},
      {{"eval", "good.snf", "--load", "25,"}, 2, "--load '25,'"},
      {{"eval", "good.snf", "--zn", "0"}, 2, "--zn '0'"},
      {{"eval", "good.snf", "--zn", "fifty"}, 2, "--zn: fifty is not a valid number"},
      {{"eval", "good.snf", "--q", "1000"}, 2, "--q '1000'"},
      {{"eval", "good.snf", "--bogus"}, 2, "--bogus"},
      {{"eval"}, 2, "NETWORK"},
      {{}, 2, "subcommand"},
      {{"sweep", "good.snf", "--from", "2M", "--to", "1M", "--points", "3"}, 2, "--from '2M'"},
      {{"sweep", "good.snf", "--from", "0", "--to", "1M", "--points", "3"}, 2, "--from '0'"},
      {{"sweep", "good.snf", "--from", "1M", "--to", "2M", "--points", "0"}, 2, "--points '0'"},
      {{"sweep", "good.snf", "--from", "1M", "--to", "2M", "--points", "2.5"}, 2, "--points '2.5'"},
      {{"sweep", "good.snf", "--from", "1M", "--to", "2M", "--points", "10000001"}, 2, "--points '10000001'"},
      {{"sweep", "good.snf", "--from", "1M", "--to", "2M"}, 2, "--points"},
      {{"sweep", "good.snf", "--from", "1M", "--to", "2M", "--points", "3", "--format", "s3p"}, 2, "--format"},
      {{"sweep", "good.snf", "--from", "1M", "--to", "2M", "--points", "3", "--output", "."}, 2, ".: "},
      {{"sweep", "good.snf", "--from", "1M", "--to", "2M", "--points", "3", "--output", "no/t.csv"}, 2, "no/t.csv"},
      {{"sweep", "open.snf", "--from", "1M", "--to", "2M", "--points", "3"}, 1,
       "open.snf: 3 of 3 points left out, the first at 1e+06 Hz: Floating point division by zero"},
      {{"sweep", "open.snf", "--from", "1M", "--to", "2M", "--points", "3", "--format", "s2p"}, 1,
       "open.snf: 3 of 3 points left out"},
      {{"sweep", "open.snf", "--from", "1M", "--to", "2M", "--points", "3", "--output", "old.csv"}, 1,
       "open.snf: 3 of 3 points left out"},
      {{"eval", "open.snf"}, 1, "open.snf at 1e+08 Hz: Floating point division by zero"},
  };
  const TTempDir Dir;
  TNetWork Net;
  QuarterWave(Net);
  Save(Dir, "good.snf", Net);
  const Lines Good = SnfLines(Net, "good");
  WriteLines(Dir / "nozn.snf", Replaced(Good, FindKeyLine(Good, ":Zn"), ":Zm"));
  WriteLines(Dir / "zero.snf", Replaced(Good, FindKeyLine(Good, ":Zn") + 1, "0"));
  Dir.Write("garbage.snf", std::string("\x7f" "ELF\0\0\0", 7));
  Net.Elements[2].SetElementType(Cp);
  Net.Elements[2].SetValue(0);
  Save(Dir, "open.snf", Net);
  Dir.Write("old.csv", "old");
  for (const auto& C : Cases) {
    const TRun R = RunCli(Dir, C.Arguments);
    const std::string Args = ::testing::PrintToString(C.Arguments);
    EXPECT_EQ(R.Status, C.Status) << Args;
    EXPECT_EQ(R.Out, "") << Args;
    const Lines Err = R.ErrLines();
    ASSERT_EQ(Err.size(), 1u) << Args << R.Err;
    EXPECT_EQ(Err[0].rfind("zomar-cli: ", 0), 0u) << Err[0];
    EXPECT_NE(Err[0].find(C.Named), std::string::npos) << Err[0];
  }
  EXPECT_FALSE(std::filesystem::exists(Dir / "no"));
  EXPECT_EQ(Dir.Bytes("old.csv"), "old");
  EXPECT_FALSE(std::filesystem::exists(Dir / "old.csv.zomar-save"));
}

TEST(CliFailures, AFullDiskIsNoSuccess) {
  const TTempDir Dir;
  TNetWork Net;
  QuarterWave(Net);
  Save(Dir, "good.snf", Net);
  const TRun R = RunCli(Dir, {"sweep", "good.snf", "--from", "1M", "--to", "2M", "--points", "3"}, "/dev/full");
  EXPECT_EQ(R.Status, 2);
  EXPECT_EQ(R.ErrLines(), Lines{"zomar-cli: standard output: No space left on device"});
}

TEST(CliHelp, UsageAndVersionOnStandardOutput) {
  const TTempDir Dir;
  for (const auto& [Arguments, Shown] :
       {std::pair<std::vector<std::string>, std::string>{{"--help"}, "sweep"},
        {{"sweep", "--help"}, "--points"},
        {{"eval", "--help"}, "--freq"},
        {{"--version"}, "zomar-cli "}}) {
    const TRun R = RunCli(Dir, Arguments);
    EXPECT_EQ(R.Status, 0);
    EXPECT_EQ(R.Err, "");
    EXPECT_NE(R.Out.find(Shown), std::string::npos) << R.Out;
  }
}

TEST(CliProgram, LinksNoQtLibrary) {
  std::FILE* Pipe = popen(("ldd " + std::string(ZOMAR_CLI)).c_str(), "r");
  ASSERT_NE(Pipe, nullptr);
  std::string Libraries;
  char Buffer[4096];
  for (std::size_t Count; (Count = std::fread(Buffer, 1, sizeof Buffer, Pipe)) > 0;) Libraries.append(Buffer, Count);
  EXPECT_EQ(pclose(Pipe), 0);
  EXPECT_NE(Libraries.find("libc.so"), std::string::npos) << Libraries;
  EXPECT_EQ(Libraries.find("Qt"), std::string::npos) << Libraries;
}

}  // namespace
