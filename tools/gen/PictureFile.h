#pragma once
// Writing a generated picture into the program folder.
#include <QImage>
#include <QString>

// Writes `image` to `path` in `format` (quality -1: the format's default), making its folder
// first; a picture that cannot be written is named on stderr and gives false.
bool writePicture(const QImage& image, const QString& path, const char* format, int quality = -1);
