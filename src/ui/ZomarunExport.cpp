// File > Export: the chart and the Bode plot as pictures, the Bode plot and the scan sweep as
// tables, and the ladder as a SPICE netlist.
#include <QAction>

#include "files/DataIO.h"
#include "files/TextFile.h"
#include "platform/Dialogs.h"
#include "platform/PaintBox.h"
#include "plotter/Plotter.h"
#include "ui/PictureFile.h"
#include "ui/Zomarun.h"
#include "workbench/Export.h"

namespace {

struct TFormatFile {
  const char* Filter;
  const char* Extension;
};

TFormatFile PictureFile(TPictureFormat Format) {
  if (Format == TPictureFormat::Svg) return {"SVG pictures (*.svg)|*.svg", "svg"};
  return {"PNG pictures (*.png)|*.png", "png"};
}

TFormatFile TextFile(TExport What) {
  switch (What) {
    case TExport::SweepS1p: return {"Touchstone files (*.s1p)|*.s1p", "s1p"};
    case TExport::SweepS2p: return {"Touchstone files (*.s2p)|*.s2p", "s2p"};
    case TExport::SpiceNetlist: return {"SPICE netlists (*.cir)|*.cir", "cir"};
    default: return {"CSV files (*.csv)|*.csv", "csv"};
  }
}

}  // namespace

// The network's file name with the export's extension, or "network" for a new one.
std::optional<std::string> TForm1::AskExportName(const char* Filter, const char* Extension) {
  std::string Base = Workbench->FileName.empty() ? "network" : Workbench->FileName;
  if (const std::size_t Dot = Base.find_last_of('.'); Dot != std::string::npos && Dot > Base.find_last_of("/\\") + 1)
    Base.erase(Dot);
  return Dialogs().SaveFileName(std::string(Filter) + "|All files (*.*)|*.*", Extension, Base + "." + Extension);
}

void TForm1::ExportChart(TPictureFormat Format) {
  const TFormatFile File = PictureFile(Format);
  const auto Name = AskExportName(File.Filter, File.Extension);
  if (!Name) return;
  const QImage& Screen = SmithPbox->Image();
  const QRect Chart(0, 0, SmithChart->ChartWidth, SmithChart->ChartHeight);
  SavePicture(Screen.copy(DevicePixels(Screen, Chart).toAlignedRect()), *Name, Format);
}

// The plot as the panel shows it, swept for the network as it is now.
void TForm1::ExportPlot(TPictureFormat Format) {
  const TFormatFile File = PictureFile(Format);
  const auto Name = AskExportName(File.Filter, File.Extension);
  if (!Name) return;
  UpdatePlot();
  SavePicture(PlotPanel->grab().toImage(), *Name, Format);
}

void TForm1::ExportTable(TExport What) {
  const TFormatFile File = TextFile(What);
  const auto Name = AskExportName(File.Filter, File.Extension);
  if (!Name) return;
  const std::string& Own = Workbench->FileName;
  const TExportText Text = ExportText(*Net, What, Own.empty() ? "a new network" : CircuitName(Own), Workbench->View);
  WriteExport(*Name, Text.Lines);
  if (!Text.LeftOut.empty()) Dialogs().MessageBox(Text.LeftOut, TMsgKind::Information, {TMsgButton::OK});
}
