#include "files/SpiceNetlist.h"

#include <cmath>
#include <numbers>

#include "network/NumberText.h"
#include "network/ValueText.h"

namespace {

constexpr double SpeedOfLight = 3e8;
// The evaluation's stand-ins for parts it cannot take as 0.
constexpr double ZeroLoadPart = 1e-16;
constexpr double ZeroSeriesC = 1e-15;

class TNetlist {
public:
  TNetlist(const TNetWork& Net) : Net(Net), Omega(2 * std::numbers::pi * Net.GetFrequency()) {}

  std::vector<std::string> Lines;

  void Load() {
    const double R = Part(Net.Elements[1].Value), X = Part(Net.Elements[0].Value);
    Add("RL", "n0", "nl", R);
    Reactance("XL", "nl", "0", X, "* the load's reactance, as the element that has it at the working frequency");
  }

  void Element(int Position) {
    const TElement& E = Net.Elements[Position + 1];
    const std::string Name = TypeName(E.ElementType) + std::to_string(Position);
    const std::string Node = "n" + std::to_string(Position), Before = Current;
    switch (E.ElementType) {
      case TElementType::Cs: Add("C" + Name, Before, Node, E.Value == 0 ? ZeroSeriesC : E.Value); break;
      case TElementType::Ls: Inductor(Name, Before, Node, E.Value); break;
      case TElementType::Rs: Add("R" + Name, Before, Node, E.Value); break;
      case TElementType::Cp: Add("C" + Name, Before, "0", E.Value); return;
      case TElementType::Lp: Inductor(Name, Before, "0", E.Value); return;
      case TElementType::Rp: Add("R" + Name, Before, "0", E.Value); return;
      case TElementType::Line: Line(Name, Before, Node, E); break;
      case TElementType::OpenStub: Line(Name, Before, "s" + std::to_string(Position), E); return;
      case TElementType::ShortStub: Line(Name, Before, "0", E); return;
      default: return;  // a None or a Stub passes the node on
    }
    Current = Node;
  }

  void Input() {
    const std::string F = ShortestText(Net.GetFrequency());
    Lines.push_back("I1 0 " + Current + " DC 0 AC 1");
    Lines.push_back("* the operating point needs a path to ground from every node: 1e-15 S, nothing at AC");
    Lines.push_back(".options rshunt=1e15");
    Lines.push_back(".ac lin 1 " + F + " " + F);
    Lines.push_back(".print ac vr(" + Current + ") vi(" + Current + ")");
    Lines.push_back(".end");
  }

private:
  const TNetWork& Net;
  const double Omega;
  std::string Current = "n0";

  static double Part(double V) { return V == 0 ? ZeroLoadPart : V; }

  void Add(const std::string& Name, const std::string& A, const std::string& B, double Value) {
    Lines.push_back(Name + " " + A + " " + B + " " + ShortestText(Value));
  }

  void Reactance(const std::string& Name, const std::string& A, const std::string& B, double X,
                 const std::string& Comment) {
    Lines.push_back(Comment);
    if (X > 0)
      Add("L" + Name, A, B, X / Omega);
    else
      Add("C" + Name, A, B, -1 / (Omega * X));
  }

  // With a Q the inductor has the series resistance omega L / Q of the working frequency.
  void Inductor(const std::string& Name, const std::string& A, const std::string& B, double L) {
    if (Net.Q == 0) return Add("L" + Name, A, B, L);
    const std::string Mid = "m" + Name;
    Lines.push_back("* the loss of Q " + ShortestText(Net.Q) + " at the working frequency");
    Add("L" + Name, A, Mid, L);
    Add("R" + Name, Mid, B, Omega * L / Net.Q);
  }

  void Line(const std::string& Name, const std::string& A, const std::string& B, const TElement& E) {
    if (E.Attenuation != 0)
      Lines.push_back("* " + Name + ": its loss of " + ShortestText(E.Attenuation) + " dB/100 m is left out");
    Lines.push_back("T" + Name + " " + A + " 0 " + B + " 0 Z0=" + ShortestText(E.Z0) +
                    " TD=" + ShortestText(E.LineLength / (E.VelocityFactor * SpeedOfLight)));
  }
};

}  // namespace

// The ladder is built from the load (node n0) towards the input, as the workbench evaluates it.
std::vector<std::string> SpiceNetlistLines(const TNetWork& Net, const std::string& Title) {
  TNetlist N(Net);
  N.Lines.push_back("* " + Title + ", at " + FormatValue(6, "Hz", Net.GetFrequency()));
  N.Load();
  for (int p = 1; p <= Net.NrOfElements; ++p) N.Element(p);
  N.Input();
  return N.Lines;
}
