#pragma once
// The complex value of every impedance, voltage and current, and its free operations. Each
// operation copies its inputs first, so the result may be written over one of them.

struct TComplex {
  double Re = 0;
  double Im = 0;
};

void CAdd(const TComplex& A, const TComplex& B, TComplex& R);
void CMul(const TComplex& A, const TComplex& B, TComplex& R);
void CDiv(const TComplex& A, const TComplex& B, TComplex& R);  // A / (0, 0) gives (0, 0)
void CSinh(const TComplex& Z, TComplex& R);
void CCosh(const TComplex& Z, TComplex& R);
void CParallel(const TComplex& A, const TComplex& B, TComplex& R);
void CReciprocal(const TComplex& Z, TComplex& R);
double CAbs(const TComplex& Z);

// sinh and cosh of one argument together, bit for bit what CSinh and CCosh give.
void CSinhCosh(const TComplex& Z, TComplex& Sinh, TComplex& Cosh);
