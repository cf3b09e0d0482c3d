#include "synthesis/PiTee.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "network/NumberText.h"
#include "synthesis/Evaluate.h"
#include "synthesis/LSection.h"
#include "synthesis/Lumped.h"

namespace {

constexpr double Vanishing = 1e-9;  // of a normalised immittance
constexpr int ShownDigits = 4;

// The lossless reactances and susceptances of the three parts, from the load, and the signed Q
// of the node after the first: Im / Re of its admittance (pi) or impedance (tee).
struct TDesign {
  double First, Middle, Last, NodeQ;
};

// The smallest loaded Q is that of a single L half between the two resistances.
double SmallestLoadedQ(double R1, double R2) { return std::sqrt(std::max(R1, R2) / std::min(R1, R2) - 1); }

// Rounded up, so that the value shown is itself accepted.
double RoundedUp(double Value) {
  if (Value <= 0) return 0;
  const double Scale = std::pow(10., ShownDigits - 1 - std::floor(std::log10(Value)));
  return std::ceil(Value * Scale) / Scale;
}

std::string CheckedLoadedQ(TTopology T, double LoadedQ, double Smallest) {
  const std::string Name = TopologyName(T) + ": ";
  if (!(LoadedQ > 0) || !std::isfinite(LoadedQ)) return Name + "the loaded Q must be above 0";
  if (LoadedQ >= Smallest) return {};
  return Name + "a loaded Q of " + FormatGeneral(LoadedQ, 6) +
         " is below the smallest possible for this load and Zn (" + FormatGeneral(RoundedUp(Smallest), ShownDigits) +
         ")";
}

double HalfQ(double Ratio) { return std::sqrt(std::max(0., Ratio - 1)); }

constexpr std::array<std::array<double, 2>, 4> Signs{{{1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};

// The load's parallel resistance and the input's Zn both see the virtual resistance through a
// series arm; the parallel part next to the load also takes up the load's susceptance.
std::vector<TDesign> PiDesigns(const Cx& Load, double Zn, double LoadedQ) {
  const Cx Y = 1. / Load;
  const double Rp = 1 / Y.real(), Rv = std::max(Rp, Zn) / (LoadedQ * LoadedQ + 1);
  const double Q1 = HalfQ(Rp / Rv), Q2 = HalfQ(Zn / Rv);
  std::vector<TDesign> Designs;
  for (const auto& [s1, s2] : Signs)
    Designs.push_back({s1 * Q1 / Rp - Y.imag(), Rv * (s1 * Q1 + s2 * Q2), s2 * Q2 / Zn, s1 * Q1});
  return Designs;
}

// The dual of the pi: series halves up to a virtual resistance above both ends.
std::vector<TDesign> TeeDesigns(const Cx& Load, double Zn, double LoadedQ) {
  const double R = Load.real(), Rv = std::min(R, Zn) * (LoadedQ * LoadedQ + 1);
  const double Q1 = HalfQ(Rv / R), Q2 = HalfQ(Rv / Zn);
  std::vector<TDesign> Designs;
  for (const auto& [s1, s2] : Signs)
    Designs.push_back({s1 * Q1 * R - Load.imag(), (s1 * Q1 + s2 * Q2) / Rv, s2 * Q2 * Zn, s1 * Q1});
  return Designs;
}

double Normalised(double Immittance, bool Series, double Zn) { return Series ? Immittance / Zn : Immittance * Zn; }
bool Vanishes(double Immittance, bool Series, double Zn) {
  return std::abs(Normalised(Immittance, Series, Zn)) < Vanishing;
}

// The part next to the load gives the node after it the load half's Q, as in the design; with a
// lossy inductor that takes another value. Where the inductor's own Q is too low for it, the
// designed value.
TPart FirstPart(const TDesign& D, bool SeriesFirst, const TMatchPoint& At) {
  const TPart Designed = PartWith(D.First, SeriesFirst, Omega(At.Frequency));
  const double InverseQ = At.Q > 0 ? 1 / At.Q : 0;
  const Cx A = SeriesFirst ? ToCx(At.Load) : 1. / ToCx(At.Load), Dir = Direction(Designed.Type, InverseQ);
  const double t = (D.NodeQ * A.real() - A.imag()) / (Dir.imag() - D.NodeQ * Dir.real());
  if (!(t > 0) || !std::isfinite(t)) return Designed;
  return {Designed.Type, ValueAlong(Designed.Type, t, Omega(At.Frequency), InverseQ)};
}

// Of the L sections that finish the match from the first part's node, the one nearest the design.
std::optional<TLadder> NearestSection(const TDesign& D, bool SeriesFirst, TPartType MiddleType,
                                      const TMatchPoint& Rest) {
  const double w = Omega(Rest.Frequency);
  const auto Off = [&](const TPart& P, double Designed, bool Series) {
    return std::abs(Normalised(Immittance(P, w), Series, Rest.Zn) - Normalised(Designed, Series, Rest.Zn));
  };
  std::optional<TLadder> Nearest;
  double Distance = std::numeric_limits<double>::infinity();
  const auto Lasts = SeriesFirst ? std::array{TPartType::Cs, TPartType::Ls} : std::array{TPartType::Cp, TPartType::Lp};
  for (const TPartType Last : Lasts)
    for (const TLadder& L : LSections(ToCx(Rest.Load), MiddleType, Last, Rest)) {
      if (L.front().Type != MiddleType) continue;
      const double d =
          Off(L[0], D.Middle, !SeriesFirst) +
          (L.size() > 1 ? Off(L[1], D.Last, SeriesFirst) : std::abs(Normalised(D.Last, SeriesFirst, Rest.Zn)));
      if (d < Distance) {
        Distance = d;
        Nearest = L;
      }
    }
  return Nearest;
}

// The first part, then the other two solved as an L section from its node, so that the inductors'
// loss still gives an exact match; the lossless design where no section does.
std::optional<TLadder> Realised(const TDesign& D, bool SeriesFirst, const TMatchPoint& At) {
  const double w = Omega(At.Frequency);
  if (Vanishes(D.Middle, !SeriesFirst, At.Zn)) return std::nullopt;  // no longer two halves
  TLadder Ladder;
  if (!Vanishes(D.First, SeriesFirst, At.Zn)) Ladder.push_back(FirstPart(D, SeriesFirst, At));
  TMatchPoint Rest = At;
  Rest.Load = InputImpedance(Ladder, At);
  const TPart Middle = PartWith(D.Middle, !SeriesFirst, w);
  std::optional<TLadder> Tail = NearestSection(D, SeriesFirst, Middle.Type, Rest);
  if (!Tail) {
    Tail = TLadder{Middle};
    if (!Vanishes(D.Last, SeriesFirst, At.Zn)) Tail->push_back(PartWith(D.Last, SeriesFirst, w));
  }
  Ladder.insert(Ladder.end(), Tail->begin(), Tail->end());
  return Ladder;
}

TLadders Sections(TTopology T, const std::vector<TDesign>& Designs, const TMatchPoint& At) {
  TLadders S;
  for (const TDesign& D : Designs)
    if (const auto L = Realised(D, T == TTopology::Tee, At)) AddUnique(S.Ladders, *L);
  return S;
}

}  // namespace

TLadders PiSolutions(const TMatchPoint& At, double LoadedQ) {
  const Cx Load = ToCx(At.Load);
  const std::string Refusal = CheckedLoadedQ(TTopology::Pi, LoadedQ, SmallestLoadedQ(1 / (1. / Load).real(), At.Zn));
  if (!Refusal.empty()) return {{}, Refusal};
  return Sections(TTopology::Pi, PiDesigns(Load, At.Zn, LoadedQ), At);
}

TLadders TeeSolutions(const TMatchPoint& At, double LoadedQ) {
  const Cx Load = ToCx(At.Load);
  const std::string Refusal = CheckedLoadedQ(TTopology::Tee, LoadedQ, SmallestLoadedQ(Load.real(), At.Zn));
  if (!Refusal.empty()) return {{}, Refusal};
  return Sections(TTopology::Tee, TeeDesigns(Load, At.Zn, LoadedQ), At);
}
