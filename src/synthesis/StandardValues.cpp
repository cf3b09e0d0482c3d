#include "synthesis/StandardValues.h"

#include <array>
#include <cmath>
#include <iterator>

namespace {

constexpr std::array E6{100, 150, 220, 330, 470, 680};
constexpr std::array E12{100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};
constexpr std::array E24{100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                         330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
constexpr std::array E48{100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
                         215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
                         464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array E96{100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
                         147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
                         215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
                         316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
                         464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
                         681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

constexpr std::array<const char*, 5> Names{"E6", "E12", "E24", "E48", "E96"};

// A value this close to a standard one is that value, written with rounding.
constexpr double Standard = 1e-9;

// Hundredths times 10^Exponent, rounded once: powers of ten up to 1e22 are exact doubles.
double Scaled(int Hundredths, int Exponent) {
  double Power = 1;
  for (int i = 0; i < std::abs(Exponent); ++i) Power *= 10;
  return Exponent < 0 ? Hundredths / Power : Hundredths * Power;
}

}  // namespace

std::string SeriesName(TESeries S) { return Names[static_cast<std::size_t>(S)]; }

std::optional<TESeries> SeriesFromName(const std::string& Name) {
  for (std::size_t s = 0; s < Names.size(); ++s)
    if (Name == Names[s]) return static_cast<TESeries>(s);
  return std::nullopt;
}

std::span<const int> SeriesDecade(TESeries S) {
  switch (S) {
    case TESeries::E6: return E6;
    case TESeries::E12: return E12;
    case TESeries::E24: return E24;
    case TESeries::E48: return E48;
    default: return E96;
  }
}

// Searched over three decades, so that a value at a decade's edge, its logarithm rounded either
// way, still finds both neighbours.
std::vector<double> NeighbouringValues(double Value, TESeries S) {
  const int Exponent = static_cast<int>(std::floor(std::log10(Value))) - 2;
  double Below = 0, Above = 0;
  for (int e = Exponent - 1; e <= Exponent + 1; ++e)
    for (const int h : SeriesDecade(S)) {
      const double V = Scaled(h, e);
      if (std::abs(V - Value) <= Standard * Value) return {V};
      if (V < Value) Below = V;
      if (V > Value && Above == 0) Above = V;
    }
  return {Below, Above};
}

double NextStandardValue(double Value, TESeries S, bool Up) {
  const std::vector<double> Near = NeighbouringValues(Value, S);
  if (Near.size() == 2) return Up ? Near[1] : Near[0];
  // A standard value itself: its neighbours are those of a value just beside it.
  return NeighbouringValues(Up ? Value * (1 + 1e-6) : Value * (1 - 1e-6), S)[Up ? 1 : 0];
}
