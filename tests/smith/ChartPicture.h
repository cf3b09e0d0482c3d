#pragma once
// Reading the chart's picture in tests, and building the network it shows.
#include <QImage>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "network/NetCalc.h"
#include "platform/Canvas.h"
#include "smith/Smith.h"

inline TColor PixelAt(TSmithChart& Chart, int X, int Y) {
  return FromQColor(Chart.ChartBitmap.Image().pixelColor(X, Y));
}

// Some pixel within Distance (in x and in y) of (X, Y) has the colour.
inline bool ColourNear(TSmithChart& Chart, int X, int Y, TColor Colour, int Distance = 1) {
  const QImage& Image = Chart.ChartBitmap.Image();
  for (int y = Y - Distance; y <= Y + Distance; ++y)
    for (int x = X - Distance; x <= X + Distance; ++x)
      if (Image.valid(x, y) && FromQColor(Image.pixelColor(x, y)) == Colour) return true;
  return false;
}

// Every pixel the text inks when drawn alone, in the chart's font, at (X, Y) is inked in the
// chart too, and there is at least one.
inline bool TextInked(TSmithChart& Chart, int X, int Y, const std::string& Text) {
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

inline QPoint PixelOf(const TSmithChart& Chart, const TComplex& Z, double Zn) {
  QPoint P;
  Chart.ZToPixel(Z, P.rx(), P.ry(), Zn);
  return P;
}

// A network of at least five positions, as the window holds it: the load R + jX and the elements
// from position 1 on, each with its value or, for a line, its length.
inline void Build(TNetWork& Net, double R, double X,
                  const std::vector<std::pair<TElementType, double>>& Elements = {}) {
  Net.SetNrOfElements(std::max<int>(5, static_cast<int>(Elements.size())));
  Net.Elements[1].SetValue(R);
  Net.Elements[0].SetValue(X);
  for (std::size_t p = 1; p <= Elements.size(); ++p) {
    const auto [T, Value] = Elements[p - 1];
    Net.Elements[p + 1].SetElementType(T);
    T == TElementType::Line ? Net.Elements[p + 1].SetLineLength(Value) : Net.Elements[p + 1].SetValue(Value);
  }
}
