#pragma once
// The ladder without its load as a two-port: port 1 at the input, port 2 at the load node, both
// referenced to the normalising impedance Zn.
#include <span>

#include "network/Network.h"
#include "workbench/Sweep.h"

struct TSParameters {
  TComplex S11, S21, S12, S22;
};

// At the network's working frequency. The load keeps its value; the node values are left as
// they are for a test load. Raises EMathError.
TSParameters TwoPort(TNetWork& Net);

struct TTwoPortPoint {
  double Frequency = 0;
  TSParameters S;
};

TSweepOf<TTwoPortPoint> SweepTwoPort(TNetWork& Net, std::span<const double> Frequencies);
