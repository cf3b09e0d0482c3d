// zomar-cli match: the matching sections a designer works out by hand, as rows of CSV.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

#include "SynthesisRows.h"
#include "files/DataIO.h"
#include "files/TextFile.h"
#include "network/NetCalc.h"
#include "synthesis/StandardValues.h"

namespace {

bool Near(const TElementText& E, const TElementText& Hand, double Tolerance) {
  return E.Type == Hand.Type && std::abs(E.Value - Hand.Value) <= Tolerance * Hand.Value &&
         std::abs(E.Z0 - Hand.Z0) <= Tolerance * Hand.Z0 && E.VelocityFactor == Hand.VelocityFactor;
}

bool SameLadder(const TSolutionRow& R, const std::vector<TElementText>& Hand, double Tolerance) {
  return std::ranges::equal(R.Elements, Hand, [&](const auto& E, const auto& H) { return Near(E, H, Tolerance); });
}

// 200 - j100 ohm on 100 ohm at 500 MHz has two L sections, a parallel part next to the load; the
// single stubs of 60 - j80 ohm on 50 ohm at 2 GHz lie 0.110 and 0.260 wavelengths from the load, the
// short stubs 0.095 and 0.405 wavelengths long, the open ones a quarter wave longer or shorter; 100
// ohm is matched to 50 by a quarter wave of 70.7 ohm; the pi of loaded Q 5 from 500 ohm to 50 passes
// a virtual 500 / 26 ohm.
TEST(CliMatch, TheSectionsWorkedOutByHand) {
  const double Lambda = 0.15;  // at 2 GHz
  const auto Stub = [&](double d, const char* Type, double l) {
    return std::vector<TElementText>{{"Line", d * Lambda, 50, 1}, {Type, l * Lambda, 50, 1}};
  };
  struct {
    std::vector<std::string> Arguments;
    std::vector<std::vector<TElementText>> Hand;
    double Tolerance;
    std::size_t Rows;
  } const Cases[] = {
      {{"--load", "200,-100", "--freq", "500M", "--zn", "100", "--topology", "L"},
       {{{"Cp", 9.2277383e-13}, {"Ls", 3.8984840e-08}}, {{"Lp", 4.6138692e-08}, {"Cs", 2.5989893e-12}}},
       1e-7,
       2},
      {{"--load", "60,-80", "--freq", "2G", "--topology", "stub"},
       {Stub(0.110, "ShortStub", 0.095), Stub(0.260, "ShortStub", 0.405), Stub(0.110, "OpenStub", 0.345),
        Stub(0.260, "OpenStub", 0.155)},
       0.01,
       4},
      {{"--load", "100,0", "--freq", "100M", "--topology", "quarterwave"}, {{{"Line", 0.75, 70.710678, 1}}}, 1e-7, 1},
      {{"--load", "100,0", "--freq", "100M", "--topology", "quarterwave", "--vf", "0.66"},
       {{{"Line", 0.495, 70.710678, 0.66}}},
       1e-7,
       1},
      {{"--load", "500,0", "--freq", "100M", "--topology", "pi", "--qloaded", "5"},
       {{{"Cp", 1.5915494e-11}, {"Ls", 1.9174838e-07}, {"Cp", 4.0263370e-11}}},
       1e-6,
       4},
  };
  const TTempDir Dir;
  for (const auto& C : Cases) {
    SCOPED_TRACE(::testing::PrintToString(C.Arguments));
    std::vector<std::string> Arguments{"match"};
    Arguments.insert(Arguments.end(), C.Arguments.begin(), C.Arguments.end());
    const TRun R = RunCli(Dir, Arguments);
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Err, "");
    const std::vector<TSolutionRow> Rows = SolutionRows(R.OutLines());
    EXPECT_EQ(Rows.size(), C.Rows) << R.Out;
    const std::string Topology = *(std::ranges::find(C.Arguments, "--topology") + 1);
    for (std::size_t i = 0; i < Rows.size(); ++i) {
      EXPECT_EQ(Rows[i].Solution, static_cast<int>(i + 1));
      EXPECT_EQ(Rows[i].Topology, Topology);
      EXPECT_NEAR(Rows[i].Vswr, 1, 1e-7) << R.Out;
    }
    for (const auto& Hand : C.Hand)
      EXPECT_TRUE(std::ranges::any_of(Rows, [&](const TSolutionRow& Row) {
        return SameLadder(Row, Hand, C.Tolerance);
      })) << R.Out;
  }
}

// Every topology in the order of the contract; a topology the loaded Q refuses says why and the
// others still answer.
TEST(CliMatch, AllTopologiesAndWhyOneHasNone) {
  const TTempDir Dir;
  const TRun R = RunCli(Dir, {"match", "--load", "200,-100", "--freq", "500M", "--zn", "100", "--qloaded", "1"});
  ASSERT_EQ(R.Status, 0) << R.Err;
  const std::vector<TSolutionRow> Rows = SolutionRows(R.OutLines());
  std::vector<std::string> Topologies;
  for (const TSolutionRow& Row : Rows)
    if (Topologies.empty() || Topologies.back() != Row.Topology) Topologies.push_back(Row.Topology);
  EXPECT_EQ(Topologies, (std::vector<std::string>{"L", "tee", "stub", "quarterwave"}));
  const Lines Err = R.ErrLines();
  ASSERT_EQ(Err.size(), 1u) << R.Err;
  EXPECT_EQ(Err[0].rfind("zomar-cli: pi: a loaded Q of 1 is below the smallest possible for this load and Zn", 0), 0u)
      << Err[0];
}

// Standard values: every capacitor and inductor of E24, the VSWR with those values.
TEST(CliMatch, StandardValuesOfTheSeries) {
  const TTempDir Dir;
  const TRun R =
      RunCli(Dir, {"match", "--load", "200,-100", "--freq", "500M", "--zn", "100", "--series", "E24", "--q", "80"});
  ASSERT_EQ(R.Status, 0) << R.Err;
  for (const TSolutionRow& Row : SolutionRows(R.OutLines())) {
    for (const TElementText& E : Row.Elements)
      if (E.Z0 == 0) {
        EXPECT_EQ(NeighbouringValues(E.Value, TESeries::E24).size(), 1u) << E.Type << " " << E.Value;
      }
    EXPECT_GE(Row.Vswr, 1);
    EXPECT_LT(Row.Vswr, 2);
  }
}

// The picked solution as a network file at the frequency, with Zn, Q and the load, evaluated there
// to the VSWR of its row.
TEST(CliMatch, OutputWritesThePickedSolution) {
  const TTempDir Dir;
  const std::vector<std::string> Arguments{"match", "--load", "30,40", "--freq", "145.525M",
                                           "--q",   "100",    "--vf",  "0.8"};
  const std::size_t Solutions = SolutionRows(RunCli(Dir, Arguments).OutLines()).size();
  ASSERT_GT(Solutions, 2u);
  for (const std::size_t Pick : {std::size_t(1), Solutions}) {  // an L section, the quarter-wave line
    std::vector<std::string> Picked = Arguments;
    Picked.insert(Picked.end(), {"--pick", std::to_string(Pick), "--output", "picked.snf"});
    const TRun R = RunCli(Dir, Picked);
    ASSERT_EQ(R.Status, 0) << R.Err;
    const TSolutionRow Row = SolutionRows(R.OutLines()).at(Pick - 1);
    TNetWork Net;
    ReadSnfLines(ReadLines(Dir / "picked.snf"), Net);
    EXPECT_EQ(Net.GetFrequency(), 145.525e6);
    EXPECT_EQ(Net.GetZn(), 50);
    EXPECT_EQ(Net.Q, 100);
    EXPECT_EQ(Net.Elements[1].Value, 30);
    EXPECT_EQ(Net.Elements[0].Value, 40);
    ASSERT_EQ(Net.NrOfElements, std::max<int>(2, static_cast<int>(Row.Elements.size())));
    for (std::size_t k = 0; k < Row.Elements.size(); ++k) {
      const TElement& E = Net.Elements[k + 2];
      EXPECT_EQ(TypeName(E.ElementType), Row.Elements[k].Type);
      EXPECT_NEAR(E.Value, Row.Elements[k].Value, 1e-14 * Row.Elements[k].Value);
      if (HasLineData(E.ElementType)) {
        EXPECT_EQ(E.VelocityFactor, 0.8);
      }
    }
    Net.Calculate();
    const TComplex& Z = Net.Elements[Net.NrOfElements + 1].Z;
    const double Rho = std::abs((std::complex(Z.Re, Z.Im) - 50.) / (std::complex(Z.Re, Z.Im) + 50.));
    EXPECT_NEAR((1 + Rho) / (1 - Rho), Row.Vswr, 1e-9);
  }
}

// A measured load gives its impedance at the frequency; a file whose name reads as R,X is a file.
TEST(CliMatch, MeasuredLoadAtTheFrequency) {
  const TTempDir Dir;
  Dir.Write("ro,1.s1p", "# MHz Z RI R 50\n400 4 -2\n600 4 -2\n");
  const TRun Fixed = RunCli(Dir, {"match", "--load", "200,-100", "--freq", "500M", "--zn", "100"});
  const TRun Measured = RunCli(Dir, {"match", "--load", "ro,1.s1p", "--freq", "500M", "--zn", "100"});
  ASSERT_EQ(Measured.Status, 0) << Measured.Err;
  const std::vector<TSolutionRow> A = SolutionRows(Fixed.OutLines()), B = SolutionRows(Measured.OutLines());
  ASSERT_EQ(A.size(), B.size());
  for (std::size_t i = 0; i < A.size(); ++i) {
    std::vector<TElementText> Hand = A[i].Elements;
    EXPECT_TRUE(SameLadder(B[i], Hand, 1e-9)) << Measured.Out;
  }
  const TRun Outside = RunCli(Dir, {"match", "--load", "ro,1.s1p", "--freq", "700M"});
  EXPECT_EQ(Outside.Status, 1);
  EXPECT_EQ(Outside.Out, "");
  EXPECT_EQ(Outside.ErrLines(), Lines{"zomar-cli: ro,1.s1p: 7e+08 Hz lies outside its frequencies, 4e+08 to 6e+08 Hz"});
}

// No solution at all: exit status 1 and why; bad usage: exit status 2. One line, nothing else.
TEST(CliMatch, FailuresAreOneLine) {
  struct {
    std::vector<std::string> Arguments;
    int Status;
    std::string Message;
  } const Cases[] = {
      {{"--load", "50,0", "--freq", "1M"}, 1, "no match: the load already equals Zn"},
      {{"--load", "-5,3", "--freq", "1M"}, 1, "no match: only a load with a resistance above 0 ohm can be matched"},
      {{"--load", "500,0", "--freq", "100M", "--topology", "pi", "--qloaded", "2"},
       1,
       "pi: a loaded Q of 2 is below the smallest possible for this load and Zn (3)"},
      {{"--freq", "1M"}, 2, "--load is required"},
      {{"--load", "30,40"}, 2, "--freq is required"},
      {{"--load", "30,40", "--freq", "1x"}, 2, "--freq: 1x is not a valid number"},
      {{"--load", "30", "--freq", "1M"}, 2, "30: No such file or directory"},
      {{"--load", "30,x", "--freq", "1M"}, 2, "--load '30,x': R and X must both be values in ohm"},
      {{"--load", "30,40", "--freq", "1M", "--zn", "0"}, 2, "--zn '0'"},
      {{"--load", "30,40", "--freq", "1M", "--q", "0.5"}, 2, "--q '0.5'"},
      {{"--load", "30,40", "--freq", "1M", "--topology", "T"}, 2, "--topology"},
      {{"--load", "30,40", "--freq", "1M", "--series", "E7"}, 2, "--series"},
      {{"--load", "30,40", "--freq", "1M", "--qloaded", "0"}, 2, "--qloaded '0': a loaded Q must be above 0"},
      {{"--load", "30,40", "--freq", "1M", "--vf", "1.5"},
       2,
       "--vf '1.5': a velocity factor must be above 0 and at most 1"},
      {{"--load", "30,40", "--freq", "1M", "--att", "3"},
       2,
       "--att '3': the lines and stubs are matched lossless; give 0 or leave it out"},
      {{"--load", "30,40", "--freq", "1M", "--pick", "0"}, 2, "--pick '0': must be a whole number from 1 on"},
      {{"--load", "30,40", "--freq", "1M", "--topology", "L", "--pick", "9", "--output", "m.snf"},
       2,
       "--pick '9': there are only 4 solutions"},
      {{"--load", "30,40", "--freq", "1M", "--output", "no/m.snf"}, 2, "no/m.snf"},
  };
  const TTempDir Dir;
  for (const auto& C : Cases) {
    std::vector<std::string> Arguments{"match"};
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
  EXPECT_EQ(Dir.Entries(), (std::set<std::string>{"stderr", "stdout"}));
}

}  // namespace
