#include "workbench/TwoPort.h"

#include <cmath>
#include <complex>
#include <optional>

#include "network/Checked.h"
#include "network/SweepEngine.h"

using netcalc_detail::Ext;
using netcalc_detail::Store;

namespace {

using XComplex = std::complex<Ext>;

XComplex Extended(const TComplex& Z) { return {Z.Re, Z.Im}; }

TComplex Stored(const XComplex& Z) { return {Store(Z.real()), Store(Z.imag())}; }

// The ladder's node values with a test load: the network drives 1 A into it.
struct TEnds {
  XComplex VLoad, VIn, IIn;
};

TEnds WithLoad(TNetWork& Net, double R, double X) {
  Net.Elements[1].Value = R;
  Net.Elements[0].Value = X;
  Net.Calculate();
  const TElement& Input = Net.Elements[Net.NrOfElements + 1];
  return {Extended(Net.Elements[1].V), Extended(Input.V), Extended(Input.I)};
}

class TLoadScope {
public:
  explicit TLoadScope(TNetWork& Net) : Net(Net), R(Net.Elements[1].Value), X(Net.Elements[0].Value) {}
  ~TLoadScope() {
    Net.Elements[1].Value = R;
    Net.Elements[0].Value = X;
  }
  TLoadScope(const TLoadScope&) = delete;
  TLoadScope& operator=(const TLoadScope&) = delete;

private:
  TNetWork& Net;
  double R, X;
};

TSParameters FromChain(const XComplex& A, const XComplex& B, const XComplex& C, const XComplex& D, double Zn) {
  const XComplex Bn = B / Ext(Zn), Cn = C * Ext(Zn);
  const XComplex Denominator = A + Bn + Cn + D;
  return {Stored((A + Bn - Cn - D) / Denominator), Stored(Ext(2) / Denominator),
          Stored(Ext(2) * (A * D - B * C) / Denominator), Stored((-A + Bn - Cn + D) / Denominator)};
}

// The engine's chain matrix where all of it is finite.
std::optional<TSParameters> EngineTwoPort(const TChainResult& R, std::size_t i, double Zn) {
  const double Parts[] = {R.ARe[i], R.AIm[i], R.BRe[i], R.BIm[i], R.CRe[i], R.CIm[i], R.DRe[i], R.DIm[i]};
  for (const double X : Parts)
    if (!std::isfinite(X)) return std::nullopt;
  return FromChain({R.ARe[i], R.AIm[i]}, {R.BRe[i], R.BIm[i]}, {R.CRe[i], R.CIm[i]}, {R.DRe[i], R.DIm[i]}, Zn);
}

}  // namespace

// The ladder is linear: Vin = A VL + B IL and Iin = C VL + D IL. Two loads, both with IL = 1 A,
// give the chain matrix exactly; the loads are far apart so that the differences keep their digits.
TSParameters TwoPort(TNetWork& Net) {
  const TLoadScope Keep(Net);
  const double Zn = Net.GetZn();
  const TEnds P = WithLoad(Net, Zn, Zn), Q = WithLoad(Net, 2 * Zn, -Zn);
  const XComplex dV = P.VLoad - Q.VLoad;
  const XComplex A = (P.VIn - Q.VIn) / dV, B = P.VIn - A * P.VLoad;
  const XComplex C = (P.IIn - Q.IIn) / dV, D = P.IIn - C * P.VLoad;
  return FromChain(A, B, C, D, Zn);
}

TSweepOf<TTwoPortPoint> SweepTwoPort(TNetWork& Net, std::span<const double> Frequencies) {
  TChainResult R;
  EvaluateChain(CompileSweep(Net), Frequencies, R);
  const double Zn = Net.GetZn();
  const auto Take = [&](std::size_t i) -> std::optional<TTwoPortPoint> {
    const std::optional<TSParameters> S = EngineTwoPort(R, i, Zn);
    return S ? std::optional(TTwoPortPoint{Frequencies[i], *S}) : std::nullopt;
  };
  return SweepEach<TTwoPortPoint>(Net, Frequencies, Take, [](TNetWork& N) {
    return TTwoPortPoint{N.GetFrequency(), TwoPort(N)};
  });
}
