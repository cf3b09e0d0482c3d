#pragma once
// The Bode plot's sweep: the network's power transfer in dB over the scan range.
#include <string>
#include <vector>

#include "network/Network.h"

struct TBodePoint {
  double Frequency;  // Hz
  double Db;
};

struct TBodeSweep {
  std::vector<TBodePoint> Points;
  double Unit = 1;        // Hz, kHz, MHz, ... : the unit of the frequency axis
  std::string AxisTitle;  // "Frequency (MHz)"
  std::string Note;       // what could not be plotted, said after the title; empty when all was
  double YMin = -50, YMarksInterval = 10;  // the Y range follows the lowest gain
};

// Sweeps the scan range in ScanSteps steps (at least 1, at most 100,000), from one step above the
// start up to the first point that reaches the stop, on the sweep engine. The network keeps its
// working frequency; its node values belong to no particular point of the sweep.
TBodeSweep SweepBode(TNetWork& Net);

// Hz, kHz, MHz, ... : the unit that keeps the scan's stop frequency at or below 1000.
double FrequencyUnit(double ScanStop);
