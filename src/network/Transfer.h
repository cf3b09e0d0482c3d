#pragma once
// The power transfer of the evaluated ladder: the power in the load resistance over the power
// available from a source of internal resistance Zn that drives the input node.
#include "network/Network.h"

// 1 for a lossless ladder that matches the load to Zn. Raises EMathError when the available
// power is 0 (Zn 0, or a source voltage of 0). Not positive for a load resistance below 0.
double PowerTransfer(const TNetWork& Net);
