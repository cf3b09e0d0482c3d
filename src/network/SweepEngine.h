#pragma once
// The sweep engine: one ladder evaluated over a whole array of frequencies at once, in double precision and vectorised
// across the frequencies. TNetWork::Calculate stays the reference: a point the engine cannot vouch for comes out NaN,
// and the caller asks Calculate there, which either computes it or raises the fault the user sees.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "network/Network.h"

enum class TStepKind : std::uint8_t { Series, Shunt, Line, OpenStub, ShortStub };

// How a series impedance or a shunt admittance grows with the angular frequency omega.
enum class TOmegaLaw : std::uint8_t { Constant, Omega, InverseOmega };

// One element as the engine applies it to the voltage and current of its node: a series impedance or a shunt admittance
// (Re + j Im) times the law's factor, a line, or a stub's shunt admittance from its line data.
struct TSweepStep {
  TStepKind Kind = TStepKind::Series;
  TOmegaLaw Law = TOmegaLaw::Constant;
  double Re = 0, Im = 0;
  double Z0 = 0, NepersPerRootHz = 0, WavelengthsPerHz = 0;  // a line's or a stub's
};

// The ladder of a network compiled once for the whole sweep.
struct TSweepProgram {
  std::vector<TSweepStep> Steps;
  double Zn = 0;
  bool HasLines = false;
  bool FaultsAtZeroHz = false;  // a shunt capacitor has no reactance there
  bool ReferenceOnly = false;   // an element the reference treats in its own way: every point is NaN
};

TSweepProgram CompileSweep(const TNetWork& Net);

// The load at every frequency; a fixed load is its one value repeated, a measured one is interpolated per frequency by
// its reader.
struct TSweepLoad {
  std::vector<double> Re, Im;
};

// The network's own load (slot 1 its R, slot 0 its X) at every point.
TSweepLoad FixedLoad(const TNetWork& Net, std::size_t Points);
// The network's load at each frequency: its measured load where it has one (NaN where the
// measurement has no value), else its fixed load.
TSweepLoad NetworkLoad(const TNetWork& Net, std::span<const double> Frequencies);

// Per frequency: the input impedance, and the power reaching the load resistance over the power available from a source
// of internal resistance Zn (PowerTransfer).
struct TLadderResult {
  std::vector<double> ZinRe, ZinIm, Transfer;
};

// Both use as many cores as a sweep of that size pays for; the second keeps to the calling one.
// A load without a value for every frequency raises std::invalid_argument.
void EvaluateLadder(const TSweepProgram& Program, std::span<const double> Frequencies, const TSweepLoad& Load,
                    TLadderResult& Result);
void EvaluateLadderOnOneCore(const TSweepProgram& Program, std::span<const double> Frequencies, const TSweepLoad& Load,
                             TLadderResult& Result);

// The network with its own load over the frequencies.
TLadderResult SweepLadder(const TNetWork& Net, std::span<const double> Frequencies);

// The ladder without its load as a chain matrix: Vin = A VL + B IL, Iin = C VL + D IL.
struct TChainResult {
  std::vector<double> ARe, AIm, BRe, BIm, CRe, CIm, DRe, DIm;
};

void EvaluateChain(const TSweepProgram& Program, std::span<const double> Frequencies, TChainResult& Result);

// Each core's part of a split sweep has at least this many points: a smaller part saves less time
// than starting its thread costs.
inline constexpr std::size_t MinPointsPerCore = 8192;
