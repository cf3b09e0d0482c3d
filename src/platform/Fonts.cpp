#include "platform/Fonts.h"

#include <cmath>

QString FontFamily(std::string_view Name) {
  if (Name == "Verdana" || Name == "MS Sans Serif" || Name == "System") return QStringLiteral("DejaVu Sans");
  if (Name == "Arial Narrow" || Name == "ArialNarrow") return QStringLiteral("Liberation Sans Narrow");
  return QString::fromUtf8(Name.data(), static_cast<qsizetype>(Name.size()));
}

int PointsToPixels(int Points) { return static_cast<int>(std::lround(Points * 96.0 / 72.0)); }

QFont PixelFont(std::string_view Name, int Pixels, bool Bold) {
  QFont Font(FontFamily(Name));
  Font.setPixelSize(std::max(Pixels, 1));
  Font.setBold(Bold);
  return Font;
}

QFont PointFont(std::string_view Name, int Points, bool Bold) { return PixelFont(Name, PointsToPixels(Points), Bold); }
