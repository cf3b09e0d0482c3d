#pragma once
// The Bode plot's sweep: the network's power transfer in dB over the scan range, and the input's
// reflection against Zn for the extra traces.
#include <optional>
#include <string>
#include <vector>

#include "files/ViewSettings.h"
#include "network/Network.h"

struct TBodePoint {
  double Frequency;  // Hz
  double Db;
  // 20 log10 |Gamma|, the return loss negated, on the dB axis; a match deeper than YMin (a
  // perfect one is -inf) lies on YMin.
  double ReflectionDb;
  // On the VSWR scale; above VswrTop (infinite from |Gamma| = 1 on) it lies on VswrTop.
  double Vswr;
};

struct TBodeSweep {
  std::vector<TBodePoint> Points;
  double Unit = 1;        // Hz, kHz, MHz, ... : the unit of the frequency axis
  std::string AxisTitle;  // "Frequency (MHz)"
  std::string Note;       // what could not be plotted, said after the title; empty when all was
  // The frequency axis in Hz: the scan range, or the decade under its top when it reaches down to
  // 0 or below; 0 .. 0 when it has no positive frequency, and then no axis to show.
  double AxisLow = 0, AxisHigh = 0;
  double YMin = -50, YMarksInterval = 10;  // the Y range follows the lowest trace shown
  double VswrTop = 2, VswrMarksInterval = 0.2;  // the VSWR scale runs from 1 up to the largest VSWR
  std::optional<double> Working;  // the working frequency in Hz, when it lies on the axis
};

// Sweeps the scan range in ScanSteps steps (at least 1, at most 100,000) on the sweep engine,
// from one step above the low end up to the high end of the axis in equal ratios, or, with the
// view's linear spacing, from one step above the start by equal additions up to the first point
// that reaches the stop. The Y range takes the reflection trace in when the view shows it. The
// network keeps its working frequency; its node values belong to no particular point of the sweep.
TBodeSweep SweepBode(TNetWork& Net, const TViewSettings& View);

// Hz, kHz, MHz, ... : the unit that keeps the scan's stop frequency at or below 1000.
double FrequencyUnit(double ScanStop);
