#include "synthesis/SolutionNetwork.h"

void PlacePart(const TPart& P, TElement& E) {
  E.SetElementType(static_cast<TElementType>(P.Type));
  if (!HasLineData(E.ElementType)) return E.SetValue(P.Value);
  E.SetZ0(P.Z0);
  E.SetVelocityFactor(P.VelocityFactor);
  E.SetAttenuation(0);
  E.SetLineLength(P.Value);
}

void SolutionNetwork(const TLadder& Parts, const TMatchPoint& At, TNetWork& Net) {
  Net.SetFrequency(At.Frequency);
  Net.ScanStart = 0.8 * At.Frequency;  // the range the workbench gives a typed frequency
  Net.ScanStop = 1.25 * At.Frequency;
  Net.SetZn(At.Zn);
  Net.Q = At.Q;
  Net.Elements[1].SetValue(At.Load.Re);
  Net.Elements[0].SetValue(At.Load.Im);
  Net.SetNrOfElements(static_cast<int>(Parts.size()));
  int Slot = 2;
  for (const TPart& P : Parts) PlacePart(P, Net.Elements[Slot++]);
}
