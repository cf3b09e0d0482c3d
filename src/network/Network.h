#pragma once
// The ladder network: a load, up to thirty matching elements and the input, with the working
// frequency, the normalising impedance, the inductor Q and the scan settings.
//
// Slot layout of Elements: slot 0 holds the load reactance in its Value, slot 1 is the load node
// (its Value is the load resistance), slots 2 .. NrOfElements + 1 are the matching elements from
// the load towards the input, and slot NrOfElements + 1 is also the input node.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "network/Complex.h"

// Stub has no model of its own (a through connection); OpenStub and ShortStub are parallel stubs of line,
// open or short at their far end, with the line data of their slot and Value their length in m.
enum class TElementType : std::uint8_t { None = 0, Cs, Cp, Ls, Lp, Rs, Rp, Line, Stub, OpenStub, ShortStub };

// A line or a stub: the types whose Value is a length and whose slot's line data counts.
bool HasLineData(TElementType T);

class TNetWork;
class TMeasuredLoad;

class TElement {
public:
  TElementType ElementType = TElementType::None;
  double Value = 0, Z0 = 0, VelocityFactor = 0, ElectricalLength = 0, LineLength = 0,
         Attenuation = 0, AttenuationFreq = 0;
  TNetWork* Network = nullptr;
  TComplex Z, V, I;

  void SetElementType(TElementType T);
  void SetValue(double V);  // a line or stub keeps Value and LineLength equal
  void SetLineLength(double L);  // also Value and ElectricalLength
  void SetZ0(double Z);
  void SetVelocityFactor(double K);  // ElectricalLength keeps its old value
  void SetAttenuation(double A);
  void SetAttenuationFreq(double F);
};

class TNetWork {
public:
  TNetWork();  // 32 elements, then Reset(); NrOfElements stays 0
  TNetWork(const TNetWork&) = delete;
  TNetWork& operator=(const TNetWork&) = delete;

  int NrOfElements = 0;
  double Frequency = 0, Zn = 0;
  std::string Title, Creator;
  std::array<TElement, 32> Elements;
  int Selected = 0;
  double Rg = 0, Q = 0, ScanStart = 0, ScanStop = 0;
  int ScanSteps = 0;
  // When set, the load at every frequency instead of slots 0 and 1, which keep the fixed load.
  std::shared_ptr<const TMeasuredLoad> MeasuredLoad;

  void SetNrOfElements(int N);  // clamped to 2 .. 30
  void SetFrequency(double F);
  double GetFrequency() const;
  double Omega() const;
  void SetZn(double Z);
  double GetZn() const;
  void Reset();
  // Impedance, voltage and current of every node from the load to the input, for a load
  // current of 1 A. A floating-point fault stops it at the node where it occurs; a frequency
  // outside a measured load's raises ENoLoadError before any node.
  void Calculate();
  TComplex LoadImpedance() const;  // at the working frequency, before its zero parts are replaced
  // Input impedance of the line of slot Pos + 1, Length metres long, terminated in ZLoad.
  void LineZin(const TComplex& ZLoad, int Pos, double Length, TComplex& Zin) const;

private:
  struct TLineSection;
  TLineSection Section(const TElement& E, double Length) const;
  void CalculateNode(const TElement& P, TElement& E);
};
