#include "ui/PictureFile.h"

#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

#include "platform/Errors.h"

namespace {

// The SVG holds the picture as it is on screen, at its size in the screen's logical pixels; the
// image inside keeps every device pixel.
bool WriteSvg(const QImage& Picture, QIODevice& Device) {
  const QSize Size = Picture.deviceIndependentSize().toSize();
  QSvgGenerator Generator;
  Generator.setOutputDevice(&Device);
  Generator.setSize(Size);
  Generator.setViewBox(QRect(QPoint(0, 0), Size));
  Generator.setTitle(QStringLiteral("ZOMAR"));
  QPainter Painter(&Generator);
  Painter.drawImage(0, 0, Picture);
  return Painter.end();
}

// A PNG keeps every device pixel; from a screen scaled 2x it says 192 dpi, so that it prints at
// the size it has on a plain screen.
bool WritePng(QImage Picture, QIODevice& Device) {
  if (const qreal Ratio = Picture.devicePixelRatio(); Ratio != 1) {
    const int DotsPerMeter = static_cast<int>(std::lround(96 / 0.0254 * Ratio));
    Picture.setDotsPerMeterX(DotsPerMeter);
    Picture.setDotsPerMeterY(DotsPerMeter);
  }
  return Picture.save(&Device, "PNG");
}

}  // namespace

void SavePicture(const QImage& Picture, const std::string& FileName, TPictureFormat Format) {
  QSaveFile File(QString::fromStdString(FileName));
  const auto Fail = [&] { return EFileError(FileName, File.errorString().toStdString()); };
  if (!File.open(QIODevice::WriteOnly)) throw Fail();
  const bool Written = Format == TPictureFormat::Svg ? WriteSvg(Picture, File) : WritePng(Picture, File);
  if (!Written) {
    File.cancelWriting();
    throw EFileError(FileName, "the picture could not be written");
  }
  if (!File.commit()) throw Fail();
}
