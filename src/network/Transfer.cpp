#include "network/Transfer.h"

#include "network/Checked.h"

using namespace netcalc_detail;

double PowerTransfer(const TNetWork& Net) {
  const TElement& Load = Net.Elements[1];
  const TElement& Input = Net.Elements[Net.NrOfElements + 1];
  TComplex Vs;
  CMul(Input.I, {Net.GetZn(), 0}, Vs);
  CAdd(Input.V, Vs, Vs);
  const Ext Vabs = CAbs(Vs), Iabs = CAbs(Load.I);
  const Ext Available = Divide(Vabs * Vabs, 4 * Ext(Net.GetZn()));
  return Store(Divide(Iabs * Iabs * Load.Z.Re, Available));
}
