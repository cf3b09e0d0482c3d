#pragma once
// A plot panel set up as the Bode plot sets it up, on a 480 x 270 panel of a window whose font
// is bold, and ways to look at its pictures.
#include <QWidget>
#include <string>

#include "platform/Canvas.h"
#include "plotter/Plotter.h"

class TBodePanel {
public:
  TBodePanel();

  QWidget Window;
  TPlotPanel* Panel;

  // Bounds 150 kHz .. 950 kHz on the logarithmic axis, -50 .. 0 dB in steps of 10.
  void Sweep();

  TColor At(int X, int Y);  // of PlotBMP
  // Pixels of the colour in PlotBMP, inside or outside the plot area.
  int Count(TColor Colour, bool InsidePlot = true);
  // Whether PlotBMP shows Text in Font on the panel colour with its top-left corner at X, Y.
  bool ShowsText(int X, int Y, const std::string& Text, const TFont& Font);
};

int CountIn(const QImage& Picture, TColor Colour);
