#pragma once
// The program's fonts, named as the design names them, mapped to the faces this system ships.
#include <QFont>
#include <string_view>

// "Verdana", "MS Sans Serif" and "System" become DejaVu Sans, "Arial Narrow" (also written
// "ArialNarrow") Liberation Sans Narrow; any other name is kept.
QString FontFamily(std::string_view Name);

// A font of the given point size as a 96-dpi screen shows it: its pixel size is Points * 96 / 72.
QFont PointFont(std::string_view Name, int Points, bool Bold);
// A font whose character height is Pixels.
QFont PixelFont(std::string_view Name, int Pixels, bool Bold);

int PointsToPixels(int Points);
