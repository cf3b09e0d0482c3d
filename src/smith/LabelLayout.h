#pragma once
// Where the chart's texts go: each label takes the first of its candidate places that overlaps
// no text placed before it, or is left out. The chart places its texts in the order of their
// worth, so the title and the legend come first and the scan marks' frequencies last.
#include <QRect>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct TPlacedLabel {
  QRect Box;  // the text's box with its knock-out margin
  std::string Text;
};

class TLabelLayout {
public:
  void Clear() { Placed.clear(); }
  // Keeps Box for a text placed regardless, such as the title.
  void Reserve(const QRect& Box, const std::string& Text) { Placed.push_back({Box, Text}); }
  // The first candidate box that overlaps none placed so far, now placed itself; none when every
  // candidate would overlap.
  std::optional<QRect> Place(std::span<const QRect> Candidates, const std::string& Text);
  const std::vector<TPlacedLabel>& Labels() const { return Placed; }

private:
  std::vector<TPlacedLabel> Placed;
};

// The indices 0 .. Count - 1 with every eighth first, then every fourth, every second and the
// rest: labels placed in this order thin out evenly where they crowd.
std::vector<std::size_t> ThinningOrder(std::size_t Count);
