#include "network/SweepEngine.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <thread>

#include "network/MeasuredLoad.h"
#include "network/SweepKernel.h"

using namespace sweep_detail;

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

template <class... TArrays>
void Size(std::size_t N, TArrays&... Arrays) {
  (Arrays.resize(N), ...);
}

template <class... TArrays>
void FillNaN(TArrays&... Arrays) {
  (std::fill(Arrays.begin(), Arrays.end(), NaN), ...);
}

// Equal parts of the points, one per core that a part of at least MinPointsPerCore keeps busy; the calling thread takes
// the first.
template <class TPart>
void SplitAcrossCores(std::size_t N, TPart Part) {
  const std::size_t Cores = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t Parts = std::clamp<std::size_t>(N / MinPointsPerCore, 1, Cores);
  std::vector<std::jthread> Helpers;
  for (std::size_t p = 1; p < Parts; ++p) Helpers.emplace_back(Part, N * p / Parts, N * (p + 1) / Parts);
  Part(std::size_t(0), N / Parts);
}

TLadderSpans LadderSpans(std::span<const double> F, const TSweepLoad& Load, TLadderResult& R, std::size_t Begin,
                         std::size_t End) {
  const std::size_t n = End - Begin;
  return {F.subspan(Begin, n),
          std::span<const double>(Load.Re).subspan(Begin, n),
          std::span<const double>(Load.Im).subspan(Begin, n),
          std::span(R.ZinRe).subspan(Begin, n),
          std::span(R.ZinIm).subspan(Begin, n),
          std::span(R.Transfer).subspan(Begin, n)};
}

// Sized for the points; NaN throughout when the reference is to decide every one.
bool PrepareLadder(const TSweepProgram& Program, std::size_t N, const TSweepLoad& Load, TLadderResult& R) {
  if (Load.Re.size() != N || Load.Im.size() != N) throw std::invalid_argument("a sweep needs a load at every frequency");
  Size(N, R.ZinRe, R.ZinIm, R.Transfer);
  if (Program.ReferenceOnly) FillNaN(R.ZinRe, R.ZinIm, R.Transfer);
  return !Program.ReferenceOnly;
}

}  // namespace

TSweepLoad FixedLoad(const TNetWork& Net, std::size_t Points) {
  return {std::vector<double>(Points, Net.Elements[1].Value), std::vector<double>(Points, Net.Elements[0].Value)};
}

void EvaluateLadder(const TSweepProgram& Program, std::span<const double> Frequencies, const TSweepLoad& Load,
                    TLadderResult& Result) {
  if (!PrepareLadder(Program, Frequencies.size(), Load, Result)) return;
  SplitAcrossCores(Frequencies.size(), [&](std::size_t Begin, std::size_t End) {
    RunLadder(Program, LadderSpans(Frequencies, Load, Result, Begin, End));
  });
}

void EvaluateLadderOnOneCore(const TSweepProgram& Program, std::span<const double> Frequencies, const TSweepLoad& Load,
                             TLadderResult& Result) {
  if (!PrepareLadder(Program, Frequencies.size(), Load, Result)) return;
  RunLadder(Program, LadderSpans(Frequencies, Load, Result, 0, Frequencies.size()));
}

TSweepLoad NetworkLoad(const TNetWork& Net, std::span<const double> Frequencies) {
  if (!Net.MeasuredLoad) return FixedLoad(Net, Frequencies.size());
  TSweepLoad Load;
  for (const TComplex& Z : Net.MeasuredLoad->ImpedancesAt(Frequencies)) {
    Load.Re.push_back(Z.Re);
    Load.Im.push_back(Z.Im);
  }
  return Load;
}

TLadderResult SweepLadder(const TNetWork& Net, std::span<const double> Frequencies) {
  TLadderResult Result;
  EvaluateLadder(CompileSweep(Net), Frequencies, NetworkLoad(Net, Frequencies), Result);
  return Result;
}

void EvaluateChain(const TSweepProgram& Program, std::span<const double> Frequencies, TChainResult& R) {
  const std::size_t N = Frequencies.size();
  Size(N, R.ARe, R.AIm, R.BRe, R.BIm, R.CRe, R.CIm, R.DRe, R.DIm);
  if (Program.ReferenceOnly) return FillNaN(R.ARe, R.AIm, R.BRe, R.BIm, R.CRe, R.CIm, R.DRe, R.DIm);
  SplitAcrossCores(N, [&](std::size_t Begin, std::size_t End) {
    const std::size_t n = End - Begin;
    const auto Part = [&](std::vector<double>& X) { return std::span(X).subspan(Begin, n); };
    RunChain(Program, {Frequencies.subspan(Begin, n), Part(R.ARe), Part(R.AIm), Part(R.BRe), Part(R.BIm), Part(R.CRe),
                       Part(R.CIm), Part(R.DRe), Part(R.DIm)});
  });
}
