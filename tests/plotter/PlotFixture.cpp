#include "PlotFixture.h"

#include "platform/Fonts.h"

TBodePanel::TBodePanel() : Panel(new TPlotPanel(&Window)) {
  Window.setFont(PointFont("MS Sans Serif", 8, true));
  Window.resize(800, 400);
  Panel->setVisible(false);
  Panel->SetHold(true);
  Panel->setGeometry(0, 0, 480, 270);
  Panel->SetXLog(true);
  Panel->PlotPen().SetWidth(2);
  Panel->SetXMarks(true);
  Panel->SetYMarks(true);
  for (TPlotFont* F : {&Panel->XMarksFont(), &Panel->YMarksFont(), &Panel->Font()}) {
    F->SetSize(8);
    F->SetName("ArialNarrow");
  }
  Panel->Font().SetColor(clBlue);
  Panel->SetTitle("Amplitude (dB) vs Frequency");
  Panel->SetYMarksInterval(10);
  Panel->SetYMax(0);
  Panel->SetYMin(-50);
  Panel->SetXMax(125e6L);
  Panel->SetXMin(12.5e6L);
  Panel->SetHold(false);
}

void TBodePanel::Sweep() {
  Panel->SetXMax(950000);
  Panel->SetXMin(150000);
}

TColor TBodePanel::At(int X, int Y) { return FromQColor(Panel->PlotBMP().Image().pixelColor(X, Y)); }

int TBodePanel::Count(TColor Colour, bool InsidePlot) {
  const QImage& Picture = Panel->PlotBMP().Image();
  const TRect& R = Panel->PlotRect();
  int N = 0;
  for (int Y = 0; Y < Picture.height(); ++Y)
    for (int X = 0; X < Picture.width(); ++X) {
      const bool Inside = X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
      N += Inside == InsidePlot && FromQColor(Picture.pixelColor(X, Y)) == Colour;
    }
  return N;
}

bool TBodePanel::ShowsText(int X, int Y, const std::string& Text, const TFont& Font) {
  TBitmap Expected;
  Expected.Canvas().Font = Font;
  Expected.SetSize(Expected.Canvas().TextWidth(Text), Expected.Canvas().TextHeight(Text));
  Expected.Canvas().Brush.SetColor(Panel->Color());
  Expected.Canvas().TextOut(0, 0, Text);
  const QImage Shown = Panel->PlotBMP().Image().copy(X, Y, Expected.Width(), Expected.Height());
  return Shown == Expected.Image();
}

int CountIn(const QImage& Picture, TColor Colour) {
  int N = 0;
  for (int Y = 0; Y < Picture.height(); ++Y)
    for (int X = 0; X < Picture.width(); ++X) N += FromQColor(Picture.pixelColor(X, Y)) == Colour;
  return N;
}
