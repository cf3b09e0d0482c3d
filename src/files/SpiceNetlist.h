#pragma once
// The ladder and its load as a SPICE netlist that ngspice reads: a 1 A AC current source drives
// the input node, so the input node's voltage is the input impedance at the working frequency.
#include <string>
#include <vector>

#include "network/Network.h"

// Lines are lossless T elements, with a comment where their loss is left out; the load's
// reactance and the inductors' loss are the elements that give them at the working frequency.
std::vector<std::string> SpiceNetlistLines(const TNetWork& Net, const std::string& Title);
