#pragma once
// Pictures read from files, whatever their name says: JPEG, PNG, GIF (first frame) or WebP,
// told apart by their first bytes.
#include "platform/ui/Picture.h"

#include <QByteArray>
#include <QString>

namespace picture {

enum class Format { Unknown, Jpeg, Png, Gif, Webp };

// Why no picture came. Only Broken speaks against the file itself; the others are bounds of this
// program or of the machine, and a program without them would show the picture.
enum class Refusal {
    None,
    Unopened,      // the file is missing or cannot be opened
    Broken,        // no picture of any kind known, or one damaged or cut short
    TooLarge,      // more pixels than ui::kMaxPicturePixels
    TooManyScans,  // a progressive JPEG refining itself more often than any encoder does
    NotTaken,      // a kind of picture this decoder does not take, as an animated WebP or a BMP
    OutOfMemory,
};

Format detectFormat(const QByteArray& bytes);
// nullptr when the bytes give no picture; refusal, when given, tells why (None for a picture).
ui::PicturePtr decodePicture(const QByteArray& bytes, Refusal* refusal = nullptr);
// A native path; as decodePicture.
ui::PicturePtr loadPictureFile(const QString& nativePath, Refusal* refusal = nullptr);

}  // namespace picture
