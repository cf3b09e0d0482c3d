// Writes PNG pictures of the Smith chart into a directory: the empty chart zoomed and not, in
// ohms and normalised; the path of a five-element network; a frequency-scan trace.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "network/NetCalc.h"
#include "smith/Smith.h"

namespace {

constexpr int Width = 800, Height = 600;

bool Save(TSmithChart& Chart, const QDir& Dir, const char* Name) {
  const QString Path = Dir.filePath(QString::fromUtf8(Name) + ".png");
  if (Chart.ChartBitmap.Image().save(Path)) return true;
  std::fprintf(stderr, "zomar_render: cannot write %s\n", Path.toUtf8().constData());
  return false;
}

// Load 20 - j30 ohm; a series inductor, a parallel capacitor, a lossy line (selected), a series
// capacitor and a parallel resistor.
void FiveElements(TNetWork& Net) {
  Net.SetNrOfElements(5);
  Net.Elements[1].SetValue(20);
  Net.Elements[0].SetValue(-30);
  const auto Place = [&](int Position, TElementType T, double Value) {
    Net.Elements[Position + 1].SetElementType(T);
    Net.Elements[Position + 1].SetValue(Value);
  };
  Place(1, TElementType::Ls, 60e-9);
  Place(2, TElementType::Cp, 30e-12);
  Net.Elements[4].SetElementType(TElementType::Line);
  Net.Elements[4].SetLineLength(0.6);
  Place(4, TElementType::Cs, 20e-12);
  Place(5, TElementType::Rp, 200);
  Net.Selected = 3;
  Net.Calculate();
}

// The defaults' scan range around a load seen through a one-wavelength line.
void ScanNetwork(TNetWork& Net) {
  Net.SetNrOfElements(5);
  Net.Elements[1].SetValue(120);
  Net.Elements[0].SetValue(60);
  Net.Elements[2].SetElementType(TElementType::Line);
  Net.Elements[2].SetLineLength(2.01);
  Net.Calculate();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication App(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: zomar_render <output directory>\n");
    return 2;
  }
  const QDir Dir(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(Dir.path())) {
    std::fprintf(stderr, "zomar_render: cannot create %s\n", argv[1]);
    return 1;
  }
  bool Written = true;
  TSmithChart Chart(nullptr);
  for (int Zoom : {1, 2})
    for (bool Normalized : {false, true}) {
      Chart.Zoom = Zoom;
      Chart.Normalized = Normalized;
      Chart.DrawChart(Width, Height, 50);
      const std::string Name = "chart-zoom" + std::to_string(Zoom) + (Normalized ? "-normalised" : "-ohms");
      Written = Save(Chart, Dir, Name.c_str()) && Written;
    }

  Chart.Zoom = 1;
  Chart.Normalized = false;
  Chart.ShowLabels = true;
  Chart.ShowSWR = true;
  TNetWork Path;
  FiveElements(Path);
  Chart.DrawChart(Width, Height, Path.GetZn());
  Chart.DrawNetwork(Path);
  Written = Save(Chart, Dir, "path") && Written;

  Chart.ShowSWR = false;
  TNetWork Scan;
  ScanNetwork(Scan);
  Chart.DrawScan(Scan, 1e6, 200e3);
  Written = Save(Chart, Dir, "scan") && Written;
  return Written ? 0 : 1;
}
