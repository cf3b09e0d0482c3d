#include "ui/PictureFile.h"

#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "platform/Errors.h"

namespace {

// The SVG holds the picture as it is on screen, at its size.
bool WriteSvg(const QImage& Picture, QIODevice& Device) {
  QSvgGenerator Generator;
  Generator.setOutputDevice(&Device);
  Generator.setSize(Picture.size());
  Generator.setViewBox(QRect(QPoint(0, 0), Picture.size()));
  Generator.setTitle(QStringLiteral("ZOMAR"));
  QPainter Painter(&Generator);
  Painter.drawImage(0, 0, Picture);
  return Painter.end();
}

}  // namespace

void SavePicture(const QImage& Picture, const std::string& FileName, TPictureFormat Format) {
  QSaveFile File(QString::fromStdString(FileName));
  const auto Fail = [&] { return EFileError(FileName, File.errorString().toStdString()); };
  if (!File.open(QIODevice::WriteOnly)) throw Fail();
  const bool Written = Format == TPictureFormat::Svg ? WriteSvg(Picture, File) : Picture.save(&File, "PNG");
  if (!Written) {
    File.cancelWriting();
    throw EFileError(FileName, "the picture could not be written");
  }
  if (!File.commit()) throw Fail();
}
