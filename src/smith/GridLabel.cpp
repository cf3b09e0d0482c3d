#include "smith/GridLabel.h"

#include "network/Checked.h"
#include "network/NumberText.h"

std::string GridLabelText(double Value, bool Normalized, double Zn) {
  if (Normalized) return FormatFixed(Value, 3, 1);
  return FormatFixed(netcalc_detail::Store(netcalc_detail::Ext(Value) * Zn), 3, 0);
}
