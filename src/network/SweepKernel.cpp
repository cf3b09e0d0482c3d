// Compiled once for every instruction set by Highway, which includes this file again per target. One vector of
// frequencies goes through the whole ladder in registers: the voltage and current of its node, as the reference drives
// the load with 1 A.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "network/SweepKernel.cpp"
#include <hwy/foreach_target.h>  // before highway.h

#include <hwy/contrib/math/math-inl.h>
#include <hwy/highway.h>

#include <algorithm>
#include <limits>
#include <numbers>

#include "network/SweepKernel.h"

HWY_BEFORE_NAMESPACE();
namespace sweep_detail {
namespace HWY_NAMESPACE {
namespace {

namespace hn = hwy::HWY_NAMESPACE;
using D = hn::ScalableTag<double>;
using V = hn::Vec<D>;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double TwoPi = 2 * std::numbers::pi;
constexpr double ZeroLoadPart = 1e-16;  // as the reference takes a zero part of the load
// Past this loss the hyperbolic terms approach the double range, where the reference decides.
constexpr double MaxNepers = 700;
// A squared magnitude outside this range would cost a quotient its digits.
constexpr double MinSquare = 1e-290, MaxSquare = 1e290;
constexpr std::size_t MaxLanes = HWY_MAX_BYTES / sizeof(double);

struct TCx {
  V Re, Im;
};

// A + B C
HWY_INLINE TCx MulAdd(const TCx& B, const TCx& C, const TCx& A) {
  return {hn::MulAdd(B.Re, C.Re, hn::NegMulAdd(B.Im, C.Im, A.Re)),
          hn::MulAdd(B.Re, C.Im, hn::MulAdd(B.Im, C.Re, A.Im))};
}

HWY_INLINE TCx Mul(const TCx& A, const TCx& B) {
  return {hn::MulSub(A.Re, B.Re, hn::Mul(A.Im, B.Im)), hn::MulAdd(A.Re, B.Im, hn::Mul(A.Im, B.Re))};
}

HWY_INLINE TCx Scaled(const TCx& A, double K) {
  const V k = hn::Set(D(), K);
  return {hn::Mul(A.Re, k), hn::Mul(A.Im, k)};
}

struct TNode {
  TCx V, I;
};

struct TFrequency {
  V F, Omega, InverseOmega, RootF;
};

HWY_INLINE TFrequency FrequencyOf(const TSweepProgram& P, V F) {
  const D d;
  const V Omega = hn::Mul(F, hn::Set(d, TwoPi));
  return {F, Omega, hn::Div(hn::Set(d, 1.0), Omega), P.HasLines ? hn::Sqrt(F) : hn::Zero(d)};
}

HWY_INLINE V LawFactor(TOmegaLaw Law, const TFrequency& W) {
  switch (Law) {
    case TOmegaLaw::Omega:
      return W.Omega;
    case TOmegaLaw::InverseOmega:
      return W.InverseOmega;
    default:
      return hn::Set(D(), 1.0);
  }
}

// cosh and sinh of gamma l = alpha + j beta, from e^alpha - 1 so that a short or nearly lossless line keeps its digits.
HWY_INLINE void Propagation(const TSweepStep& S, const TFrequency& W, TCx& Cosh, TCx& Sinh) {
  const D d;
  const V One = hn::Set(d, 1.0), Half = hn::Set(d, 0.5);
  const V Alpha = hn::Mul(W.RootF, hn::Set(d, S.NepersPerRootHz));
  const V Turns = hn::Mul(W.F, hn::Set(d, S.WavelengthsPerHz));
  // Whole wavelengths come off exactly in double, so the vector sine sees at most pi.
  const V Beta = hn::Mul(hn::Sub(Turns, hn::Round(Turns)), hn::Set(d, TwoPi));
  const V A = hn::Abs(Alpha);
  // False for NaN too: the root of a negative frequency, an infinite electrical length.
  const auto Usable = hn::And(hn::Le(A, hn::Set(d, MaxNepers)), hn::Le(hn::Abs(Beta), hn::Set(d, 4.0)));
  const V Up = hn::Expm1(d, hn::IfThenElseZero(Usable, A));
  const V Down = hn::Neg(hn::Div(Up, hn::Add(Up, One)));
  const V Sh = hn::CopySign(hn::Mul(Half, hn::Sub(Up, Down)), Alpha);
  const V Ch = hn::IfThenElse(Usable, hn::MulAdd(Half, hn::Add(Up, Down), One), hn::Set(d, NaN));
  const V Phase = hn::IfThenElseZero(Usable, Beta);
  const V Sin = hn::Sin(d, Phase), Cos = hn::Cos(d, Phase);
  Cosh = {hn::Mul(Ch, Cos), hn::Mul(Sh, Sin)};
  Sinh = {hn::Mul(Sh, Cos), hn::Mul(Ch, Sin)};
}

// V' = V cosh + Z0 I sinh, I' = I cosh + V / Z0 sinh
HWY_INLINE void ApplyLine(const TSweepStep& S, const TFrequency& W, TNode& N) {
  TCx Cosh, Sinh;
  Propagation(S, W, Cosh, Sinh);
  const TNode P = N;
  N.V = MulAdd(Scaled(P.I, S.Z0), Sinh, Mul(P.V, Cosh));
  N.I = MulAdd(Scaled(P.V, 1 / S.Z0), Sinh, Mul(P.I, Cosh));
}

// I' = I + Y V with the stub's admittance Y = tanh / Z0 (open) or coth / Z0 (short); a pole of Y gives no finite
// current, and the point goes to the reference.
HWY_INLINE void ApplyStub(const TSweepStep& S, const TFrequency& W, TNode& N) {
  TCx Cosh, Sinh;
  Propagation(S, W, Cosh, Sinh);
  const bool Open = S.Kind == TStepKind::OpenStub;
  const TCx& Num = Open ? Sinh : Cosh;
  const TCx& Den = Open ? Cosh : Sinh;
  const V Scale = hn::Div(hn::Set(D(), 1 / S.Z0), hn::MulAdd(Den.Re, Den.Re, hn::Mul(Den.Im, Den.Im)));
  const TCx Y{hn::Mul(hn::MulAdd(Num.Re, Den.Re, hn::Mul(Num.Im, Den.Im)), Scale),
              hn::Mul(hn::MulSub(Num.Im, Den.Re, hn::Mul(Num.Re, Den.Im)), Scale)};
  N.I = MulAdd(Y, N.V, N.I);
}

HWY_INLINE void Apply(const TSweepStep& S, const TFrequency& W, TNode& N) {
  if (S.Kind == TStepKind::Line) return ApplyLine(S, W, N);
  if (S.Kind != TStepKind::Series && S.Kind != TStepKind::Shunt) return ApplyStub(S, W, N);
  const V K = LawFactor(S.Law, W);
  const TCx Z{hn::Mul(hn::Set(D(), S.Re), K), hn::Mul(hn::Set(D(), S.Im), K)};
  if (S.Kind == TStepKind::Series)
    N.V = MulAdd(Z, N.I, N.V);
  else
    N.I = MulAdd(Z, N.V, N.I);
}

HWY_INLINE TNode Walk(const TSweepProgram& P, const TFrequency& W, TNode N) {
  if (P.FaultsAtZeroHz) {
    const auto Zero = hn::Eq(W.Omega, hn::Zero(D()));
    N.V = {hn::IfThenElse(Zero, hn::Set(D(), NaN), N.V.Re), hn::IfThenElse(Zero, hn::Set(D(), NaN), N.V.Im)};
  }
  for (const TSweepStep& S : P.Steps) Apply(S, W, N);
  return N;
}

HWY_INLINE V Trusted(V Square, V X) {
  const D d;
  const auto InRange = hn::And(hn::Gt(Square, hn::Set(d, MinSquare)), hn::Lt(Square, hn::Set(d, MaxSquare)));
  return hn::IfThenElse(InRange, X, hn::Set(d, NaN));
}

HWY_INLINE V LoadPart(const double* X) {
  const D d;
  const V x = hn::LoadU(d, X);
  return hn::IfThenElse(hn::Eq(x, hn::Zero(d)), hn::Set(d, ZeroLoadPart), x);
}

// Zin = Vin / Iin; the transfer 4 Zn RL / |Vin + Zn Iin|^2 (the load carries 1 A).
struct TLadderRow {
  const double *F, *LoadRe, *LoadIm;
  double *ZinRe, *ZinIm, *Transfer;
};

void LadderVector(const TSweepProgram& P, const TLadderRow& Row) {
  const D d;
  const V R = LoadPart(Row.LoadRe), X = LoadPart(Row.LoadIm);
  const TFrequency W = FrequencyOf(P, hn::LoadU(d, Row.F));
  const TNode N = Walk(P, W, {{R, X}, {hn::Set(d, 1.0), hn::Zero(d)}});
  const TCx& Vin = N.V;
  const TCx& Iin = N.I;
  const V Current = hn::MulAdd(Iin.Re, Iin.Re, hn::Mul(Iin.Im, Iin.Im));
  const V ZinRe = hn::Div(hn::MulAdd(Vin.Re, Iin.Re, hn::Mul(Vin.Im, Iin.Im)), Current);
  const V ZinIm = hn::Div(hn::MulSub(Vin.Im, Iin.Re, hn::Mul(Vin.Re, Iin.Im)), Current);
  const V Zn = hn::Set(d, P.Zn);
  const V SourceRe = hn::MulAdd(Zn, Iin.Re, Vin.Re), SourceIm = hn::MulAdd(Zn, Iin.Im, Vin.Im);
  const V Source = hn::MulAdd(SourceRe, SourceRe, hn::Mul(SourceIm, SourceIm));
  // The reference divides by the power available from Zn, which Zn = 0 makes a fault.
  const V Scale = hn::Set(d, P.Zn != 0 ? 4 * P.Zn : NaN);
  hn::StoreU(Trusted(Current, ZinRe), d, Row.ZinRe);
  hn::StoreU(Trusted(Current, ZinIm), d, Row.ZinIm);
  hn::StoreU(Trusted(Source, hn::Div(hn::Mul(Scale, R), Source)), d, Row.Transfer);
}

// The columns of the chain matrix: the ladder driven from a load voltage of 1 V with no current, and from a load
// current of 1 A with no voltage.
struct TChainRow {
  const double* F;
  double* Out[8];
};

void ChainVector(const TSweepProgram& P, const TChainRow& Row) {
  const D d;
  const V One = hn::Set(d, 1.0), Zero = hn::Zero(d);
  const TFrequency W = FrequencyOf(P, hn::LoadU(d, Row.F));
  const TNode AC = Walk(P, W, {{One, Zero}, {Zero, Zero}});
  const TNode BD = Walk(P, W, {{Zero, Zero}, {One, Zero}});
  const V Values[8] = {AC.V.Re, AC.V.Im, BD.V.Re, BD.V.Im, AC.I.Re, AC.I.Im, BD.I.Re, BD.I.Im};
  for (int k = 0; k < 8; ++k) hn::StoreU(Values[k], d, Row.Out[k]);
}

// Whole vectors straight from the arrays; the last part through a padded copy of a vector.
template <std::size_t In, std::size_t Out, class TRun>
void ForEachVector(std::size_t N, const std::span<const double> (&Inputs)[In], const std::span<double> (&Outputs)[Out],
                   TRun Run) {
  const std::size_t Lanes = hn::Lanes(D());
  std::size_t i = 0;
  const double* InAt[In];
  double* OutAt[Out];
  for (; i + Lanes <= N; i += Lanes) {
    for (std::size_t k = 0; k < In; ++k) InAt[k] = Inputs[k].data() + i;
    for (std::size_t k = 0; k < Out; ++k) OutAt[k] = Outputs[k].data() + i;
    Run(InAt, OutAt);
  }
  if (i == N) return;
  HWY_ALIGN double InCopy[In][MaxLanes], OutCopy[Out][MaxLanes];
  for (std::size_t k = 0; k < In; ++k) {
    std::fill(std::begin(InCopy[k]), std::end(InCopy[k]), Inputs[k][i]);
    std::copy(Inputs[k].begin() + i, Inputs[k].begin() + N, InCopy[k]);
    InAt[k] = InCopy[k];
  }
  for (std::size_t k = 0; k < Out; ++k) OutAt[k] = OutCopy[k];
  Run(InAt, OutAt);
  for (std::size_t k = 0; k < Out; ++k) std::copy(OutCopy[k], OutCopy[k] + (N - i), Outputs[k].begin() + i);
}

}  // namespace

void LadderKernel(const TSweepProgram& P, const TLadderSpans& S) {
  const std::span<const double> Inputs[3] = {S.Frequency, S.LoadRe, S.LoadIm};
  const std::span<double> Outputs[3] = {S.ZinRe, S.ZinIm, S.Transfer};
  ForEachVector(S.Frequency.size(), Inputs, Outputs, [&P](const double* const* In, double* const* Out) {
    LadderVector(P, {In[0], In[1], In[2], Out[0], Out[1], Out[2]});
  });
}

void ChainKernel(const TSweepProgram& P, const TChainSpans& S) {
  const std::span<const double> Inputs[1] = {S.Frequency};
  const std::span<double> Outputs[8] = {S.ARe, S.AIm, S.BRe, S.BIm, S.CRe, S.CIm, S.DRe, S.DIm};
  ForEachVector(S.Frequency.size(), Inputs, Outputs, [&P](const double* const* In, double* const* Out) {
    ChainVector(P, {In[0], {Out[0], Out[1], Out[2], Out[3], Out[4], Out[5], Out[6], Out[7]}});
  });
}

}  // namespace HWY_NAMESPACE
}  // namespace sweep_detail
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace sweep_detail {

HWY_EXPORT(LadderKernel);
HWY_EXPORT(ChainKernel);

void RunLadder(const TSweepProgram& Program, const TLadderSpans& Points) {
  HWY_DYNAMIC_DISPATCH(LadderKernel)(Program, Points);
}

void RunChain(const TSweepProgram& Program, const TChainSpans& Points) {
  HWY_DYNAMIC_DISPATCH(ChainKernel)(Program, Points);
}

}  // namespace sweep_detail
#endif
