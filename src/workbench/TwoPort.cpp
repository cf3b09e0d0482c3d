#include "workbench/TwoPort.h"

#include <complex>

#include "network/Checked.h"

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
  const XComplex Bn = B / Ext(Zn), Cn = C * Ext(Zn);
  const XComplex Denominator = A + Bn + Cn + D;
  return {Stored((A + Bn - Cn - D) / Denominator), Stored(Ext(2) / Denominator),
          Stored(Ext(2) * (A * D - B * C) / Denominator), Stored((-A + Bn - Cn + D) / Denominator)};
}

TSweepOf<TTwoPortPoint> SweepTwoPort(TNetWork& Net, std::span<const double> Frequencies) {
  return SweepEach<TTwoPortPoint>(Net, Frequencies,
                                  [](TNetWork& N) { return TTwoPortPoint{N.GetFrequency(), TwoPort(N)}; });
}
