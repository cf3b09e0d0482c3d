#pragma once
// Reading the chart's picture in tests: pixel colours, colours near a point, and whether a text
// was drawn at a place.
#include <QImage>
#include <string>

#include "network/NetCalc.h"
#include "platform/Canvas.h"
#include "smith/Smith.h"

TColor PixelAt(TSmithChart& Chart, int X, int Y);
// Some pixel within Distance (in x and in y) of (X, Y) has the colour.
bool ColourNear(TSmithChart& Chart, int X, int Y, TColor Colour, int Distance = 1);
// Every pixel the text inks when drawn alone, in the chart's font, at (X, Y) is inked in the
// chart too, and the text inks at least one pixel.
bool TextInked(TSmithChart& Chart, int X, int Y, const std::string& Text);

// The pixel of an impedance in ohms, as the chart maps it.
QPoint PixelOf(const TSmithChart& Chart, const TComplex& Z, double Zn);

// A five-position network as the window holds it, with the load R + jX.
void LoadNetwork(TNetWork& Net, double R, double X);
void Place(TNetWork& Net, int Position, TElementType T, double Value);
