#pragma once
// Pictures saved as PNG or SVG files, whole or not at all.
#include <QImage>
#include <string>

enum class TPictureFormat { Png, Svg };

// Raises EFileError naming the file and the reason.
void SavePicture(const QImage& Picture, const std::string& FileName, TPictureFormat Format);
