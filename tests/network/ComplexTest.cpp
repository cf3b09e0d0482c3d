#include <gtest/gtest.h>

#include <complex>

#include "network/NetCalc.h"

namespace {

TComplex Z(double Re, double Im) { return {Re, Im}; }

TEST(Complex, DivisionByZeroGivesZero) {
  TComplex R{9, 9};
  CDiv(Z(3, 4), Z(0, 0), R);
  EXPECT_EQ(R.Re, 0);
  EXPECT_EQ(R.Im, 0);
  CReciprocal(Z(0, 0), R);
  EXPECT_EQ(R.Re, 0);
  EXPECT_EQ(R.Im, 0);
  CDiv(Z(1, 0), Z(0, 2), R);
  EXPECT_EQ(R.Re, 0);
  EXPECT_EQ(R.Im, -0.5);
}

TEST(Complex, ParallelOfEqualResistorsKeepsTheSubstituteImaginarySum) {
  TComplex R;
  CParallel(Z(50, 0), Z(50, 0), R);
  EXPECT_DOUBLE_EQ(R.Re, 25);
  EXPECT_NEAR(R.Im, -2.5e-15, 1e-29);
}

TEST(Complex, ParallelOfOppositeReactancesIsLargeNotAnError) {
  TComplex R;
  CParallel(Z(0, 100), Z(0, -100), R);
  EXPECT_NEAR(R.Re, 5e17, 1e3);
  EXPECT_NEAR(R.Im, -5e17, 1e3);
}

TEST(Complex, HyperbolicFunctionsAgreeWithTheLibrary) {
  for (const TComplex& A : {Z(0, 0.7), Z(0.3, -2.1), Z(-1.5, 4), Z(12, 0.01)}) {
    TComplex S, C;
    CSinh(A, S);
    CCosh(A, C);
    const std::complex<double> a(A.Re, A.Im);
    EXPECT_NEAR(S.Re, std::sinh(a).real(), 1e-15 * std::abs(std::sinh(a)));
    EXPECT_NEAR(S.Im, std::sinh(a).imag(), 1e-15 * std::abs(std::sinh(a)));
    EXPECT_NEAR(C.Re, std::cosh(a).real(), 1e-15 * std::abs(std::cosh(a)));
    EXPECT_NEAR(C.Im, std::cosh(a).imag(), 1e-15 * std::abs(std::cosh(a)));
  }
  TComplex S, C;
  CSinh(Z(0, 1.2), S);
  CCosh(Z(0, 1.2), C);
  EXPECT_EQ(S.Re, 0);
  EXPECT_DOUBLE_EQ(S.Im, std::sin(1.2));
  EXPECT_DOUBLE_EQ(C.Re, std::cos(1.2));
  EXPECT_EQ(C.Im, 0);
}

// A long line turns through many periods: the argument reduction must stay exact far out.
TEST(Complex, HyperbolicFunctionsOfLargeImaginaryParts) {
  for (double y : {0.785, 2.35, 63.0, -1000.5, 123456.789, 987654321.0, 3e9, -1e15}) {
    TComplex S, C;
    CSinh(Z(0, y), S);
    CCosh(Z(0, y), C);
    EXPECT_EQ(S.Im, static_cast<double>(sinl(y))) << y;
    EXPECT_EQ(C.Re, static_cast<double>(cosl(y))) << y;
  }
}

TEST(Complex, ResultMayOverwriteAnInput) {
  TComplex A{1, 2};
  const TComplex B{3, -1};
  CMul(A, B, A);
  EXPECT_EQ(A.Re, 5);
  EXPECT_EQ(A.Im, 5);
  TComplex C{3, -1};
  CAdd(Z(1, 2), C, C);
  EXPECT_EQ(C.Re, 4);
  EXPECT_EQ(C.Im, 1);
  TComplex D{2, 0};
  CDiv(Z(4, 2), D, D);
  EXPECT_EQ(D.Re, 2);
  EXPECT_EQ(D.Im, 1);
  TComplex E{50, 0};
  CParallel(E, E, E);
  EXPECT_DOUBLE_EQ(E.Re, 25);
  TComplex F{0, 0.5};
  CSinh(F, F);
  EXPECT_DOUBLE_EQ(F.Im, std::sin(0.5));
  TComplex G{0, 4};
  CReciprocal(G, G);
  EXPECT_EQ(G.Im, -0.25);
}

TEST(Complex, IntermediatesAreExtended) {
  EXPECT_EQ(CAbs(Z(3, -4)), 5);
  // The squares of these parts lie beyond the double range; only the results must fit.
  EXPECT_DOUBLE_EQ(CAbs(Z(3e200, 4e200)), 5e200);
  TComplex R;
  CDiv(Z(1e300, 0), Z(1e300, 0), R);
  EXPECT_EQ(R.Re, 1);
}

TEST(Complex, OverflowIsRaisedNotStored) {
  TComplex R;
  EXPECT_THROW(CSinh(Z(800, 0), R), EMathError);
  EXPECT_THROW(CCosh(Z(-800, 1), R), EMathError);
  EXPECT_THROW(CMul(Z(1e200, 0), Z(1e200, 0), R), EMathError);
  EXPECT_THROW(CAdd(Z(1.7e308, 0), Z(1.7e308, 0), R), EMathError);
  EXPECT_THROW(CDiv(Z(1e300, 0), Z(1e-300, 0), R), EMathError);
  try {
    CSinh(Z(800, 0), R);
  } catch (const EMathError& E) {
    EXPECT_STREQ(E.what(), "Floating point overflow");
  }
}

}  // namespace
