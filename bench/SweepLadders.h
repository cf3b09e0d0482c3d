#pragma once
// The ladders the sweep benchmarks share, lossless inductors (Q 0) so that a circuit simulator
// can take the same ladder.
#include <cstddef>
#include <utility>
#include <vector>

#include "network/NetCalc.h"

inline constexpr std::size_t BenchPoints = 100'000;

// Points from 1 MHz to 1 GHz in equal steps.
inline std::vector<double> BenchFrequencies(std::size_t Points) {
  std::vector<double> F(Points);
  for (std::size_t i = 0; i < Points; ++i)
    F[i] = 1e6 + (1e9 - 1e6) * static_cast<double>(i) / static_cast<double>(Points - 1);
  return F;
}

inline void Ladder(TNetWork& Net, const std::vector<std::pair<TElementType, double>>& Elements) {
  Net.SetNrOfElements(static_cast<int>(Elements.size()));
  Net.Elements[1].SetValue(25);
  Net.Elements[0].SetValue(-10);
  int Slot = 2;
  for (const auto& [Type, Value] : Elements) {
    TElement& E = Net.Elements[Slot++];
    E.SetElementType(Type);
    E.SetValue(Value);
    if (Type == TElementType::Line) {
      E.SetAttenuation(5);
      E.SetLineLength(Value);
    }
  }
}

inline void FiveLumped(TNetWork& Net) {
  using enum TElementType;
  Ladder(Net, {{Ls, 1e-7}, {Cp, 2e-11}, {Ls, 8e-8}, {Cp, 1.5e-11}, {Cs, 3e-11}});
}

inline void FourLumpedOneLossyLine(TNetWork& Net) {
  using enum TElementType;
  Ladder(Net, {{Ls, 1e-7}, {Cp, 2e-11}, {Line, 0.5}, {Cs, 3e-11}, {Cp, 1.5e-11}});
}

// Twenty-four lumped elements, a lossy line after every fourth.
inline void ThirtyWithSixLines(TNetWork& Net) {
  using enum TElementType;
  const std::pair<TElementType, double> Lumped[] = {{Ls, 1e-7}, {Cp, 2e-11}, {Cs, 3e-11}, {Lp, 2e-7}};
  std::vector<std::pair<TElementType, double>> Elements;
  for (int k = 0; k < 6; ++k) {
    Elements.insert(Elements.end(), std::begin(Lumped), std::end(Lumped));
    Elements.push_back({Line, 0.1 + 0.05 * k});
  }
  Ladder(Net, Elements);
}
