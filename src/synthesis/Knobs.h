#pragma once
// The elements the band optimiser tunes, each as one variable of the search: the logarithm of a
// part's value over its start value, so that picofarads and microhenries weigh alike, or the change
// of a line's or stub's length in wavelengths at the band's centre, where its effect repeats every
// half wave.
#include <vector>

#include "network/Network.h"

struct TKnob {
  int Slot = 0;
  bool Line = false;            // a line or stub, its value a length
  double Start = 0;             // the value the search starts from
  double Wavelength = 0;        // a line's, in m, at the band's centre
  double Lower = 0, Upper = 0;  // of the variable

  double Value(double x) const;
};

// Every element with a value to tune (above 0), from the load towards the input: a part within a
// tenth to ten times its value, a line or stub from a tenth of its length to half a wave longer.
std::vector<TKnob> Knobs(const TNetWork& Net, double CentreFrequency);
