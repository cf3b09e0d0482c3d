#pragma once
// The standard value series E6 .. E96 and the standard values either side of a value.
#include <optional>
#include <span>
#include <string>
#include <vector>

enum class TESeries { E6, E12, E24, E48, E96 };

std::string SeriesName(TESeries S);  // "E6" .. "E96"
std::optional<TESeries> SeriesFromName(const std::string& Name);

// One decade of the series, from 1.00 up, in hundredths.
std::span<const int> SeriesDecade(TESeries S);

// The nearest standard values below and above Value (> 0); just one where Value is standard.
std::vector<double> NeighbouringValues(double Value, TESeries S);

// The standard value next above (Up) or below Value (> 0), never Value itself.
double NextStandardValue(double Value, TESeries S, bool Up);
