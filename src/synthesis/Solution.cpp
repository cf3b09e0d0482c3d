#include "synthesis/Solution.h"

#include <array>

namespace {

constexpr std::array<const char*, 5> TopologyNames{"L", "pi", "tee", "stub", "quarterwave"};

}  // namespace

std::string TopologyName(TTopology T) { return TopologyNames[static_cast<std::size_t>(T)]; }

std::optional<TTopology> TopologyFromName(const std::string& Name) {
  for (std::size_t t = 0; t < TopologyNames.size(); ++t)
    if (Name == TopologyNames[t]) return static_cast<TTopology>(t);
  return std::nullopt;
}
