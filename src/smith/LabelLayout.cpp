#include "smith/LabelLayout.h"

#include <algorithm>

std::optional<QRect> TLabelLayout::Place(std::span<const QRect> Candidates, const std::string& Text) {
  for (const QRect& Box : Candidates) {
    const auto Overlaps = [&](const TPlacedLabel& L) { return L.Box.intersects(Box); };
    if (std::any_of(Placed.begin(), Placed.end(), Overlaps)) continue;
    Placed.push_back({Box, Text});
    return Box;
  }
  return std::nullopt;
}

std::vector<std::size_t> ThinningOrder(std::size_t Count) {
  std::vector<std::size_t> Order;
  std::vector<bool> Taken(Count);
  for (std::size_t Stride : {8, 4, 2, 1})
    for (std::size_t i = 0; i < Count; i += Stride)
      if (!Taken[i]) {
        Taken[i] = true;
        Order.push_back(i);
      }
  return Order;
}

