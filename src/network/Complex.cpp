#include "network/Complex.h"

#include "network/Checked.h"

using namespace netcalc_detail;

namespace {

// pi / 2 in three parts; the first two have 32-bit mantissas, so K times them is exact.
constexpr Ext HalfPi1 = 0x6487ED51p-30L;
constexpr Ext HalfPi2 = 0x85A308D3p-65L;
constexpr Ext HalfPi3 = 0x98CC51701B839A25p-132L;
constexpr Ext TwoOverPi = 2 / Pi;

// sin and cos of an extended argument. Reducing it to within pi/4 here is much cheaper than the
// library's general reduction, which a line of a few wavelengths would otherwise pay for.
void SinCos(Ext Y, Ext& Sin, Ext& Cos) {
  if (!(std::fabs(Y) < 1e9L)) {
    sincosl(Y, &Sin, &Cos);
    return;
  }
  const Ext K = static_cast<Ext>(std::llrint(Y * TwoOverPi));
  const Ext R = ((Y - K * HalfPi1) - K * HalfPi2) - K * HalfPi3;
  Ext S, C;
  sincosl(R, &S, &C);
  switch (static_cast<long long>(K) & 3) {
    case 0: Sin = S; Cos = C; break;
    case 1: Sin = C; Cos = -S; break;
    case 2: Sin = -S; Cos = -C; break;
    default: Sin = -C; Cos = S; break;
  }
}

}  // namespace

void CAdd(const TComplex& A, const TComplex& B, TComplex& R) {
  const TComplex a = A, b = B;
  R.Re = Store(Ext(a.Re) + b.Re);
  R.Im = Store(Ext(a.Im) + b.Im);
}

void CMul(const TComplex& A, const TComplex& B, TComplex& R) {
  const TComplex a = A, b = B;
  R.Re = Store(Ext(a.Re) * b.Re - Ext(a.Im) * b.Im);
  R.Im = Store(Ext(a.Re) * b.Im + Ext(a.Im) * b.Re);
}

void CDiv(const TComplex& A, const TComplex& B, TComplex& R) {
  const TComplex a = A, b = B;
  Ext D = Ext(b.Re) * b.Re + Ext(b.Im) * b.Im;
  // Both numerators carry a factor of B, so a zero B gives a zero result rather than a fault.
  if (D == 0) D = 1e-14L;
  R.Re = Store((Ext(a.Re) * b.Re + Ext(a.Im) * b.Im) / D);
  R.Im = Store((Ext(a.Im) * b.Re - Ext(a.Re) * b.Im) / D);
}

void CSinhCosh(const TComplex& Z, TComplex& Sinh, TComplex& Cosh) {
  const TComplex z = Z;
  const Ext Plus = Exponential(z.Re);
  const Ext Minus = Exponential(-Ext(z.Re));
  Ext Sin, Cos;
  SinCos(z.Im, Sin, Cos);
  const Ext HalfDiff = (Plus - Minus) * 0.5L;
  const Ext HalfSum = (Plus + Minus) * 0.5L;
  Sinh.Re = Store(HalfDiff * Cos);
  Sinh.Im = Store(HalfSum * Sin);
  Cosh.Re = Store(HalfSum * Cos);
  Cosh.Im = Store(HalfDiff * Sin);
}

void CSinh(const TComplex& Z, TComplex& R) {
  TComplex Cosh;
  CSinhCosh(Z, R, Cosh);
}

void CCosh(const TComplex& Z, TComplex& R) {
  TComplex Sinh;
  CSinhCosh(Z, Sinh, R);
}

void CParallel(const TComplex& A, const TComplex& B, TComplex& R) {
  TComplex P, S;
  CMul(A, B, P);
  CAdd(A, B, S);
  if (S.Re == 0) S.Re = 1e-14;
  if (S.Im == 0) S.Im = 1e-14;
  CDiv(P, S, R);
}

void CReciprocal(const TComplex& Z, TComplex& R) { CDiv(TComplex{1, 0}, Z, R); }

double CAbs(const TComplex& Z) { return Store(std::sqrt(Ext(Z.Re) * Z.Re + Ext(Z.Im) * Z.Im)); }
