#pragma once
// Pictures read from files, whatever their name says: JPEG, PNG, GIF (first frame) or WebP,
// told apart by their first bytes.
#include "platform/ui/Picture.h"

#include <QByteArray>
#include <QString>

namespace picture {

enum class Format { Unknown, Jpeg, Png, Gif, Webp };

Format detectFormat(const QByteArray& bytes);
// nullptr when the bytes are no picture of a known format or cannot be decoded.
ui::PicturePtr decodePicture(const QByteArray& bytes);
// A native path; nullptr when the file is missing or no picture.
ui::PicturePtr loadPictureFile(const QString& nativePath);

}  // namespace picture
