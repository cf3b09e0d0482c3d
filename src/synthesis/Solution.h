#pragma once
// What a match is asked for and what it gives: the load at one frequency with the network's Zn
// and inductor Q, and the solutions of each topology.
#include <optional>
#include <string>
#include <vector>

#include "network/Complex.h"
#include "synthesis/Part.h"

struct TMatchPoint {
  TComplex Load;         // ohm
  double Frequency = 0;  // Hz
  double Zn = 50;        // ohm, the impedance to match to
  double Q = 0;          // of every inductor; 0 is lossless
};

enum class TTopology { L, Pi, Tee, Stub, QuarterWave };

std::string TopologyName(TTopology T);  // "L", "pi", "tee", "stub", "quarterwave"
std::optional<TTopology> TopologyFromName(const std::string& Name);

struct TSolution {
  TTopology Topology = TTopology::L;
  TLadder Parts;
  double Vswr = 0;  // at the point's frequency, with the inductors' loss
};

// The ladders of one topology, or why it has none.
struct TLadders {
  std::vector<TLadder> Ladders;
  std::string Refusal;
};
