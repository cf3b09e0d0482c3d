#include "network/MeasuredLoad.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <stdexcept>

namespace {

using Cx = std::complex<double>;

constexpr double TwoPi = 2 * std::numbers::pi;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

bool Finite(const TComplex& Z) { return std::isfinite(Z.Re) && std::isfinite(Z.Im); }


}  // namespace

TMeasuredLoad::TMeasuredLoad(std::vector<TLoadPoint> Points, double R) : Measured(std::move(Points)), R(R) {
  if (Measured.empty() || !(R > 0) || !std::isfinite(R))
    throw std::invalid_argument("a measured load needs a point and a reference resistance above 0 ohm");
  Polar.reserve(Measured.size());
  for (std::size_t I = 0; I < Measured.size(); ++I) {
    const TLoadPoint& P = Measured[I];
    const bool Rising = I == 0 ? P.Frequency >= 0 : P.Frequency > Measured[I - 1].Frequency;
    if (!Rising || !std::isfinite(P.Frequency) || !Finite(P.Gamma))
      throw std::invalid_argument("a measured load needs frequencies from 0 Hz rising strictly and finite values");
    Polar.push_back({std::hypot(P.Gamma.Re, P.Gamma.Im), std::atan2(P.Gamma.Im, P.Gamma.Re)});
  }
}

std::optional<TComplex> TMeasuredLoad::ReflectionAt(double F) const {
  if (!(F >= Measured.front().Frequency && F <= Measured.back().Frequency)) return std::nullopt;
  const auto Above = std::upper_bound(Measured.begin(), Measured.end(), F,
                                      [](double F, const TLoadPoint& P) { return F < P.Frequency; });
  const std::size_t I = static_cast<std::size_t>(Above - Measured.begin()) - 1;
  if (Measured[I].Frequency == F) return Measured[I].Gamma;
  const double T = (F - Measured[I].Frequency) / (Measured[I + 1].Frequency - Measured[I].Frequency);
  const TPolar &From = Polar[I], &To = Polar[I + 1];
  // Unwrapped, the phase moves from one point to the next by less than half a turn.
  const double Magnitude = From.Magnitude + T * (To.Magnitude - From.Magnitude);
  const double Phase = From.Phase + T * std::remainder(To.Phase - From.Phase, TwoPi);
  return TComplex{Magnitude * std::cos(Phase), Magnitude * std::sin(Phase)};
}

std::optional<TComplex> TMeasuredLoad::ImpedanceAt(double F) const {
  const std::optional<TComplex> Gamma = ReflectionAt(F);
  if (!Gamma) return std::nullopt;
  return ImpedanceOf(*Gamma, R);
}

std::vector<TComplex> TMeasuredLoad::ImpedancesAt(std::span<const double> F) const {
  std::vector<TComplex> Z(F.size());
  std::transform(F.begin(), F.end(), Z.begin(),
                 [this](double F) { return ImpedanceAt(F).value_or(TComplex{NaN, NaN}); });
  return Z;
}

TComplex ImpedanceOf(const TComplex& Gamma, double R) {
  if (Gamma.Re == 1 && Gamma.Im == 0) return {std::numeric_limits<double>::infinity(), 0};
  const Cx G(Gamma.Re, Gamma.Im), Z = R * (1.0 + G) / (1.0 - G);
  return {Z.real(), Z.imag()};
}
