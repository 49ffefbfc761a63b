#pragma once
// Pictures read from files, whatever their name says: JPEG, PNG, GIF (first frame) or WebP,
// told apart by their first bytes.
#include "platform/ui/Picture.h"

#include <QByteArray>
#include <QString>

namespace picture {

enum class Format { Unknown, Jpeg, Png, Gif, Webp };

Format detectFormat(const QByteArray& bytes);
// nullptr when the bytes are no picture of a known format, cannot be decoded or have more
// pixels than ui::kMaxPicturePixels.
// tooLarge, when given, tells whether the picture was refused for its size alone.
ui::PicturePtr decodePicture(const QByteArray& bytes, bool* tooLarge = nullptr);
// A native path; nullptr when the file is missing or no picture.
ui::PicturePtr loadPictureFile(const QString& nativePath);

}  // namespace picture
