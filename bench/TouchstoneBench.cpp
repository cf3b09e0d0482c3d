// Measured loads: a large one-port Touchstone file read, and a sweep's worth of interpolation.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "files/TouchstoneReader.h"

namespace {

constexpr std::size_t FileBytes = 100'000'000;

// 100 MB of a one-port file as instruments write it: GHz, S as magnitude and angle. Written once
// into a temporary directory, removed at exit.
class TLargeFile {
public:
  std::filesystem::path Dir, Path;

  TLargeFile() {
    std::string Name = (std::filesystem::temp_directory_path() / "zomar-bench-XXXXXX").string();
    Dir = mkdtemp(Name.data());
    Path = Dir / "large.s1p";
    std::string Text = "! generated\r\n# GHz S MA R 50\r\n";
    Text.reserve(FileBytes + 64);
    std::mt19937_64 Random(17);
    std::uniform_real_distribution<double> Magnitude(0, 1), Angle(-180, 180);
    char Line[64];
    for (long long i = 0; Text.size() < FileBytes; ++i) {
      const double M = Magnitude(Random), A = Angle(Random);
      const int Length = std::snprintf(Line, sizeof Line, "%.9f %.9f %.6f\r\n", 0.001 + i * 1e-6, M, A);
      Text.append(Line, static_cast<std::size_t>(Length));
    }
    std::FILE* F = std::fopen(Path.c_str(), "wb");
    std::fwrite(Text.data(), 1, Text.size(), F);
    std::fclose(F);
  }
  ~TLargeFile() {
    std::error_code Ignored;
    std::filesystem::remove_all(Dir, Ignored);
  }
  TLargeFile(const TLargeFile&) = delete;
  TLargeFile& operator=(const TLargeFile&) = delete;
};

void BM_ReadTouchstone100MB(benchmark::State& State) {
  static const TLargeFile File;
  std::size_t Points = 0;
  for (auto _ : State) {
    const TMeasuredLoad Load = ReadTouchstoneLoad(File.Path.string());
    Points = Load.Points().size();
    benchmark::DoNotOptimize(Points);
  }
  State.SetBytesProcessed(State.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(File.Path)));
  State.counters["points"] = static_cast<double>(Points);
}
BENCHMARK(BM_ReadTouchstone100MB)->Unit(benchmark::kMillisecond);

// 100,000 sweep frequencies over a load measured at 1601.
void BM_Interpolate100kPoints(benchmark::State& State) {
  std::vector<TLoadPoint> Measured;
  for (int i = 0; i < 1601; ++i)
    Measured.push_back({1e8 + i * 1e6, {0.5 * std::cos(i * 0.1), 0.5 * std::sin(i * 0.1)}});
  const TMeasuredLoad Load(Measured, 50);
  std::vector<double> F(100'000);
  for (std::size_t i = 0; i < F.size(); ++i) F[i] = 1e8 + static_cast<double>(i) * 16e3;
  for (auto _ : State) benchmark::DoNotOptimize(Load.ImpedancesAt(F));
  State.SetItemsProcessed(State.iterations() * static_cast<std::int64_t>(F.size()));
}
BENCHMARK(BM_Interpolate100kPoints)->Unit(benchmark::kMillisecond);

}  // namespace
