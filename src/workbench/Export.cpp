#include "workbench/Export.h"

#include "files/SpiceNetlist.h"
#include "network/NumberText.h"
#include "network/ScanSteps.h"
#include "workbench/BodeSweep.h"
#include "workbench/Tables.h"

namespace {

// The plot's note, "; not plotted: 2 at frequencies <= 0", says what the export leaves out.
TExportText BodeText(TNetWork& Net, const TViewSettings& View) {
  const TBodeSweep Sweep = SweepBode(Net, View);
  const std::size_t Colon = Sweep.Note.find(": ");
  TExportText Text{{BodeHeader}, Colon == std::string::npos ? "" : "Left out: " + Sweep.Note.substr(Colon + 2)};
  for (const TBodePoint& P : Sweep.Points) Text.Lines.push_back(ShortestText(P.Frequency) + "," + ShortestText(P.Db));
  return Text;
}

template <class TPoint, class TWrite>
TExportText Written(const TSweepOf<TPoint>& Sweep, TWrite Write) {
  if (Sweep.LeftOut == 0) return {Write(Sweep.Points), {}};
  return {Write(Sweep.Points), "Left out: " + std::to_string(Sweep.LeftOut) + " points that could not be evaluated, the first at " +
                                   ShortestText(Sweep.FirstFaultFrequency) + " Hz (" + Sweep.FirstFault + ")"};
}

std::vector<double> ScanFrequencies(const TNetWork& Net) {
  return SweepFrequencies(Net.ScanStart, Net.ScanStop, ScanStepCount(Net.ScanSteps) + 1, TSweepScale::Linear);
}

}  // namespace

TExportText ExportText(TNetWork& Net, TExport What, const std::string& Title, const TViewSettings& View) {
  const std::string Comment = "ZOMAR, " + Title;
  const double Zn = Net.GetZn();
  const auto Touchstone = [&](const auto& Points) { return S1pLines(Points, Zn, Comment); };
  const auto TwoPortTouchstone = [&](const auto& Points) { return S2pLines(Points, Zn, Comment); };
  switch (What) {
    case TExport::BodeCsv: return BodeText(Net, View);
    case TExport::SweepCsv: return Written(SweepNetwork(Net, ScanFrequencies(Net)), SweepCsvLines);
    case TExport::SweepS1p: return Written(SweepNetwork(Net, ScanFrequencies(Net)), Touchstone);
    case TExport::SweepS2p: return Written(SweepTwoPort(Net, ScanFrequencies(Net)), TwoPortTouchstone);
    case TExport::SpiceNetlist: return {SpiceNetlistLines(Net, Comment), {}};
  }
  return {};
}
