// The engine against the AC analysis of a circuit simulator (ngspice) over the same ladder and the
// same 100,000 points, both timed in this run: the simulator's own "AC analysis time" against the
// engine on one core, both as elapsed time (the simulator counts elapsed time). Left out, with a note, where
// ngspice is not installed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "SweepLadders.h"
#include "files/SpiceNetlist.h"
#include "network/SweepEngine.h"

namespace {

using TClock = std::chrono::steady_clock;

// The program's own netlist of the ladder (lossless lines, as it exports them), its one-point
// analysis replaced by the sweep.
std::string Netlist(const TNetWork& Net) {
  std::string Text;
  for (const std::string& Line : SpiceNetlistLines(Net, "zomar ladder")) {
    if (Line.starts_with(".ac ") || Line.starts_with(".print ")) continue;
    if (Line == ".end") Text += ".control\nac lin " + std::to_string(BenchPoints) + " 1e6 1e9\nrusage all\n.endc\n";
    Text += Line + "\n";
  }
  return Text;
}

struct TPipeCloser {
  void operator()(std::FILE* F) const { pclose(F); }
};

std::optional<double> NgspiceAcSeconds(const std::string& Netlist) {
  const std::filesystem::path File = std::filesystem::temp_directory_path() / "zomar-bench-ladder.cir";
  std::ofstream(File) << Netlist;
  const std::unique_ptr<std::FILE, TPipeCloser> Pipe(popen(("ngspice -b " + File.string() + " 2>&1").c_str(), "r"));
  char Line[512];
  std::optional<double> Seconds;
  const std::string Key = "AC analysis time = ";
  while (Pipe && std::fgets(Line, sizeof Line, Pipe.get()))
    if (const std::string L = Line; !Seconds && L.starts_with(Key)) Seconds = std::stod(L.substr(Key.size()));
  std::filesystem::remove(File);
  return Seconds;
}

void BM_NgspiceRatio(benchmark::State& State, void (*Make)(TNetWork&)) {
  TNetWork Net;
  Make(Net);
  const std::optional<double> Spice = NgspiceAcSeconds(Netlist(Net));
  if (!Spice) return State.SkipWithError("ngspice reported no AC analysis time");
  const std::vector<double> F = BenchFrequencies(BenchPoints);
  const TSweepProgram Program = CompileSweep(Net);
  const TSweepLoad Load = FixedLoad(Net, F.size());
  TLadderResult Result;
  const TClock::time_point Start = TClock::now();
  for (auto _ : State) {
    EvaluateLadderOnOneCore(Program, F, Load, Result);
    benchmark::DoNotOptimize(Result.ZinRe.data());
  }
  const std::chrono::duration<double> Engine = (TClock::now() - Start) / State.iterations();
  State.counters["ngspice_ms"] = *Spice * 1e3;
  State.counters["ratio"] = *Spice / Engine.count();
}

const bool Registered = [] {
  if (std::system("command -v ngspice > /dev/null 2>&1") != 0) {
    std::fprintf(stderr, "ngspice is not installed: the comparison with it is left out\n");
    return false;
  }
  benchmark::RegisterBenchmark("BM_NgspiceRatio/FiveLumped", BM_NgspiceRatio, FiveLumped)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_NgspiceRatio/FourLumpedOneLossyLine", BM_NgspiceRatio, FourLumpedOneLossyLine)
      ->Unit(benchmark::kMicrosecond);
  return true;
}();

}  // namespace
