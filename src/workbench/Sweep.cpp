#include "workbench/Sweep.h"

#include <algorithm>
#include <cmath>

#include "network/Checked.h"
#include "network/SweepEngine.h"
#include "network/Transfer.h"
#include "workbench/Reflection.h"

using netcalc_detail::Ext;
using netcalc_detail::Store;

std::vector<double> SweepFrequencies(double From, double To, int Points, TSweepScale Scale, int First, int Count) {
  std::vector<double> F(static_cast<std::size_t>(std::max(Count, 0)));
  const int Last = Points - 1;
  const Ext Span = Ext(To) - From;
  const Ext LogRatio = Scale == TSweepScale::Log ? std::log(Ext(To) / From) : 0;
  for (std::size_t k = 0; k < F.size(); ++k) {
    const int i = First + static_cast<int>(k);
    const Ext Fraction = Last > 0 ? Ext(i) / Last : 0;
    // The last point is To itself, not the last bit of a rounded exponential or product.
    F[k] = i == Last && Last > 0       ? To
           : Scale == TSweepScale::Log ? Store(From * std::exp(Fraction * LogRatio))
                                       : Store(From + Fraction * Span);
  }
  return F;
}

std::vector<double> SweepFrequencies(double From, double To, int Points, TSweepScale Scale) {
  return SweepFrequencies(From, To, Points, Scale, 0, Points);
}

TSweepPoint EvaluatePoint(TNetWork& Net) {
  Net.Calculate();
  const TComplex Zin = Net.Elements[Net.NrOfElements + 1].Z;
  return {Net.GetFrequency(), Zin, Reflection(Zin, Net.GetZn()), PowerTransfer(Net)};
}

TSweepOf<TSweepPoint> SweepNetwork(TNetWork& Net, std::span<const double> Frequencies) {
  const TLadderResult R = SweepLadder(Net, Frequencies);
  const double Zn = Net.GetZn();
  const auto Take = [&](std::size_t i) -> std::optional<TSweepPoint> {
    const TComplex Zin{R.ZinRe[i], R.ZinIm[i]};
    if (!std::isfinite(Zin.Re) || !std::isfinite(Zin.Im) || !std::isfinite(R.Transfer[i])) return std::nullopt;
    return TSweepPoint{Frequencies[i], Zin, Reflection(Zin, Zn), R.Transfer[i]};
  };
  return SweepEach<TSweepPoint>(Net, Frequencies, Take, EvaluatePoint);
}
