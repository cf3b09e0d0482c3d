#pragma once
// A table of controls indexed by diagram position, with the lowest index the window uses
// (ValueEdits starts at -1, the load reactance edit).
#include <array>
#include <cstddef>

template <typename T, int Low, int High>
class TControlTable {
public:
  T& operator[](int Index) { return Items[static_cast<std::size_t>(Index - Low)]; }
  const T& operator[](int Index) const { return Items[static_cast<std::size_t>(Index - Low)]; }
  static constexpr int First = Low;
  static constexpr int Last = High;

private:
  std::array<T, High - Low + 1> Items{};
};
