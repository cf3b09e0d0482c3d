#include "files/SpiceNetlist.h"

#include <gtest/gtest.h>

#include <complex>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

#include "FileTesting.h"
#include "files/TextFile.h"
#include "network/NetCalc.h"

namespace {

using Cx = std::complex<double>;

// The input node's voltage that ngspice prints for the netlist: the input impedance.
std::optional<Cx> SpiceZin(const std::vector<std::string>& Netlist) {
  WriteLines("ladder.cir", Netlist);
  const std::unique_ptr<FILE, int (*)(FILE*)> Pipe(popen("ngspice -b ladder.cir 2>/dev/null", "r"), pclose);
  if (!Pipe) return std::nullopt;
  char Line[512];
  while (fgets(Line, sizeof Line, Pipe.get())) {
    std::istringstream In(Line);
    int Index = -1;
    double F = 0, Re = 0, Im = 0;
    if (In >> Index >> F >> Re >> Im && Index == 0) return Cx(Re, Im);
  }
  return std::nullopt;
}

// Random lossless ladders of every lumped type, lines and stubs, with a complex load: ngspice's input
// impedance is the workbench's to the digits it prints.
TEST(SpiceNetlist, NgspiceGivesTheWorkbenchsInputImpedance) {
  if (std::system("ngspice --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "ngspice is not installed";
  TTempDir Dir;
  std::mt19937 Random(5);
  const TElementType Types[] = {TElementType::Cs, TElementType::Cp, TElementType::Ls, TElementType::Lp,
                                TElementType::Rs, TElementType::Rp, TElementType::Line, TElementType::None,
                                TElementType::OpenStub, TElementType::ShortStub};
  for (int Trial = 0; Trial < 12; ++Trial) {
    TNetWork Net;
    Net.SetNrOfElements(5);
    Net.SetFrequency(std::uniform_real_distribution(1e6, 1e9)(Random));
    Net.Q = Trial % 3 == 0 ? 80 : 0;
    Net.Elements[1].SetValue(std::uniform_real_distribution(5.0, 300.0)(Random));
    Net.Elements[0].SetValue(std::uniform_real_distribution(-200.0, 200.0)(Random));
    const double X = std::uniform_real_distribution(20.0, 200.0)(Random), W = Net.Omega();
    for (int p = 1; p <= 5; ++p) {
      TElement& E = Net.Elements[p + 1];
      E.SetElementType(Types[Random() % std::size(Types)]);
      E.SetAttenuation(0);
      E.SetVelocityFactor(0.66);
      switch (E.ElementType) {
        case TElementType::Cs: case TElementType::Cp: E.SetValue(1 / (W * X)); break;
        case TElementType::Ls: case TElementType::Lp: E.SetValue(X / W); break;
        case TElementType::Line:
        case TElementType::OpenStub:
        case TElementType::ShortStub: E.SetLineLength(0.66 * 3e8 / Net.GetFrequency() * 0.37); break;
        default: E.SetValue(X); break;
      }
    }
    Net.Calculate();
    const TComplex& Z = Net.Elements[6].Z;
    const std::optional<Cx> Spice = SpiceZin(SpiceNetlistLines(Net, "trial " + std::to_string(Trial)));
    ASSERT_TRUE(Spice) << Trial;
    EXPECT_LT(std::abs(*Spice - Cx(Z.Re, Z.Im)), 1e-5 * std::abs(Cx(Z.Re, Z.Im)) + 1e-9) << Trial;
  }
}

// A line's loss is left out with a comment; the load's reactance and the inductors' Q become
// elements of the working frequency.
TEST(SpiceNetlist, SaysWhatItLeavesOutOrFixesAtTheWorkingFrequency) {
  TNetWork Net;
  Net.SetNrOfElements(2);
  Net.Q = 50;
  Net.Elements[0].SetValue(-30);
  Net.Elements[2].SetElementType(TElementType::Line);
  Net.Elements[2].SetLineLength(0.5);
  Net.Elements[3].SetElementType(TElementType::Ls);
  Net.Elements[3].SetValue(1e-7);
  const std::vector<std::string> Lines = SpiceNetlistLines(Net, "lossy");
  const auto Has = [&](const std::string& Text) {
    return std::any_of(Lines.begin(), Lines.end(), [&](const std::string& L) { return L.find(Text) != std::string::npos; });
  };
  EXPECT_TRUE(Has("its loss of 5 dB/100 m is left out"));
  EXPECT_TRUE(Has("the loss of Q 50 at the working frequency"));
  EXPECT_TRUE(Has("CXL nl 0 "));
  EXPECT_EQ(Lines.front(), "* lossy, at 100 MHz");
  EXPECT_EQ(Lines.back(), ".end");
}

}  // namespace
