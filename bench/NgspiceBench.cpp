// The engine against the AC analysis of a circuit simulator (ngspice) over the same ladder and the
// same 100,000 points, both timed in this run: the simulator's own "AC analysis time" against the
// processor time of the engine on one core (the simulator counts processor time too). Left out, with a note, where ngspice is not installed.
#include <benchmark/benchmark.h>

#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "SweepLadders.h"
#include "network/NumberText.h"
#include "network/SweepEngine.h"

namespace {

// A lossy line as the simulator's LTRA: the same Z0 and delay, and a resistance per metre that
// gives the line's loss at the frequency where it is given (the simulator's does not grow with
// the root of the frequency). The load is its resistance.
class TNetlist {
public:
  explicit TNetlist(const TNetWork& Net) {
    Text = "zomar ladder\nRL n1 0 " + ShortestText(Net.Elements[1].Value) + "\n";
    for (int k = 2; k <= Net.NrOfElements + 1; ++k) Add(Net.Elements[k], k);
    Text += "V1 src 0 AC 1\nRS src " + Node + " " + ShortestText(Net.GetZn()) + "\n";
    Text += ".control\nac lin " + std::to_string(BenchPoints) + " 1e6 1e9\nrusage all\n.endc\n.end\n";
  }
  std::string Text;

private:
  std::string Node = "n1";

  void Add(const TElement& E, int k) {
    const std::string Id = std::to_string(k), Next = "n" + Id, Value = ShortestText(E.Value);
    switch (E.ElementType) {
      case TElementType::Cs:
        Series("C" + Id + " " + Node + " " + Next + " " + Value, Next);
        break;
      case TElementType::Ls:
        Series("L" + Id + " " + Node + " " + Next + " " + Value, Next);
        break;
      case TElementType::Rs:
        Series("R" + Id + " " + Node + " " + Next + " " + Value, Next);
        break;
      case TElementType::Cp:
        Text += "C" + Id + " " + Node + " 0 " + Value + "\n";
        break;
      case TElementType::Lp:
        Text += "L" + Id + " " + Node + " 0 " + Value + "\n";
        break;
      case TElementType::Rp:
        Text += "R" + Id + " " + Node + " 0 " + Value + "\n";
        break;
      case TElementType::Line:
        Line(E, Id, Next);
        break;
      default:
        break;
    }
  }
  void Series(const std::string& Line, const std::string& Next) {
    Text += Line + "\n";
    Node = Next;
  }
  void Line(const TElement& E, const std::string& Id, const std::string& Next) {
    const double Speed = E.VelocityFactor * 3e8, NepersPerMetre = E.Attenuation / 869;
    Text += "O" + Id + " " + Next + " 0 " + Node + " 0 line" + Id + "\n.model line" + Id +
            " ltra r=" + ShortestText(2 * E.Z0 * NepersPerMetre) + " l=" + ShortestText(E.Z0 / Speed) +
            " c=" + ShortestText(1 / (E.Z0 * Speed)) + " len=" + ShortestText(E.LineLength) + "\n";
    Node = Next;
  }
};

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
  const std::optional<double> Spice = NgspiceAcSeconds(TNetlist(Net).Text);
  if (!Spice) return State.SkipWithError("ngspice reported no AC analysis time");
  const std::vector<double> F = BenchFrequencies(BenchPoints);
  const TSweepProgram Program = CompileSweep(Net);
  const TSweepLoad Load = FixedLoad(Net, F.size());
  TLadderResult Result;
  const std::clock_t Start = std::clock();
  for (auto _ : State) {
    EvaluateLadderOnOneCore(Program, F, Load, Result);
    benchmark::DoNotOptimize(Result.ZinRe.data());
  }
  const double Engine = double(std::clock() - Start) / CLOCKS_PER_SEC / double(State.iterations());
  State.counters["ngspice_ms"] = *Spice * 1e3;
  State.counters["ratio"] = *Spice / Engine;
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
