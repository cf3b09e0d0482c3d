#pragma once
// Which mark texts an axis shows: the densest regular choice of its marks whose texts keep
// apart, so that no two of them overlap whatever the range and the panel's size.
#include <string>
#include <vector>

#include "plotter/PlotTicks.h"

// A mark's value and text, and where the text stands along the axis in pixels: from Left up to
// Right, which it leaves out.
struct TMarkBox {
  long double Value = 0;
  std::string Text;
  int Left = 0, Right = 0;
};

// Whether each box, in axis order, ends at least Gap pixels before the next begins.
bool KeepApart(const std::vector<TMarkBox>& Boxes, int Gap);

// Of a log axis's marks (Boxes holds the box of each of Marks): every second, fifth, tenth ...
// decade where the decades crowd; else every decade and, while they keep apart, decade by decade
// the marks whose mantissa is a multiple of 5, then of 2, 1, 0.5 ..., a decade's marks of one
// kind all or none; the first mark alone when nothing else is left. A decade given twice counts
// once.
std::vector<TMarkBox> ThinLogMarks(const std::vector<TLogMark>& Marks, const std::vector<TMarkBox>& Boxes, int Gap);

// Of a linear axis's marks at multiples of Interval: all of them, else every second, fifth,
// tenth ... multiple; else the first mark alone.
std::vector<TMarkBox> ThinLinearMarks(const std::vector<TMarkBox>& Boxes, long double Interval, int Gap);
