#pragma once
// What the workbench hands to other tools: the Bode plot's points, the scan range swept as CSV or
// Touchstone, and the ladder as a SPICE netlist.
#include <string>
#include <vector>

#include "files/ViewSettings.h"
#include "network/Network.h"

enum class TExport { BodeCsv, SweepCsv, SweepS1p, SweepS2p, SpiceNetlist };

inline constexpr const char* BodeHeader = "frequency_Hz,transfer_dB";

struct TExportText {
  std::vector<std::string> Lines;
  std::string LeftOut;  // the points the export leaves out, in words; empty when there are none
};

// The export's text. The Bode table holds the plot's points as View spaces them; the sweeps run
// from the scan's start to its stop in its steps, both ends included. Title names the network in
// the files' comments.
TExportText ExportText(TNetWork& Net, TExport What, const std::string& Title, const TViewSettings& View);
