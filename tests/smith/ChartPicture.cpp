#include "ChartPicture.h"

TColor PixelAt(TSmithChart& Chart, int X, int Y) { return FromQColor(Chart.ChartBitmap.Image().pixelColor(X, Y)); }

bool ColourNear(TSmithChart& Chart, int X, int Y, TColor Colour, int Distance) {
  const QImage& Image = Chart.ChartBitmap.Image();
  for (int y = Y - Distance; y <= Y + Distance; ++y)
    for (int x = X - Distance; x <= X + Distance; ++x)
      if (Image.valid(x, y) && FromQColor(Image.pixelColor(x, y)) == Colour) return true;
  return false;
}

bool TextInked(TSmithChart& Chart, int X, int Y, const std::string& Text) {
  const QImage& Picture = Chart.ChartBitmap.Image();
  TBitmap Alone;
  Alone.SetSize(Picture.width(), Picture.height());
  Alone.Canvas().Font = Chart.BitmapCanvas->Font;
  Alone.Canvas().Brush.Style = TBrushStyle::Clear;
  Alone.Canvas().TextOut(X, Y, Text);
  const QImage& Ink = Alone.Image();
  int Inked = 0;
  for (int y = 0; y < Ink.height(); ++y)
    for (int x = 0; x < Ink.width(); ++x) {
      if (FromQColor(Ink.pixelColor(x, y)) == clWhite) continue;
      if (FromQColor(Picture.pixelColor(x, y)) == clWhite) return false;
      ++Inked;
    }
  return Inked > 0;
}

QPoint PixelOf(const TSmithChart& Chart, const TComplex& Z, double Zn) {
  QPoint P;
  Chart.ZToPixel(Z, P.rx(), P.ry(), Zn);
  return P;
}

void LoadNetwork(TNetWork& Net, double R, double X) {
  Net.SetNrOfElements(5);
  Net.Elements[1].SetValue(R);
  Net.Elements[0].SetValue(X);
}

void Place(TNetWork& Net, int Position, TElementType T, double Value) {
  TElement& E = Net.Elements[Position + 1];
  E.SetElementType(T);
  if (T == TElementType::Line)
    E.SetLineLength(Value);
  else
    E.SetValue(Value);
}
