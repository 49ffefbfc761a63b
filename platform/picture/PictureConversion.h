#pragma once
// Turning the pictures web sites and scanners give into the stored JPEG covers and photos.
#include "platform/ui/Picture.h"

#include <QSize>
#include <QString>

namespace picture {

// Quality of a picture converted from another format, and of a scaled one.
constexpr int kConvertedQuality = 90;
constexpr int kScaledQuality = 60;

// Writes the picture of sourcePath (JPEG, PNG, GIF's first frame or WebP, whatever its name
// says; transparency over white) as a JPEG at jpegPath, both native paths. False, with nothing
// written, when the source is missing or no picture; the source stays either way.
bool convertToJpeg(const QString& sourcePath, const QString& jpegPath, int quality = kConvertedQuality);

// The longer side becomes maxSize, the other keeps the proportions; halves round to even
// (1000 x 1500 at 500 gives 333 x 500). An empty size or a maxSize below 1 gives the size as it was.
QSize scaledSize(QSize source, int maxSize);
// The picture scaled to scaledSize(), each pixel the average of the source area it covers.
ui::PicturePtr scaledPicture(const ui::Picture& source, int maxSize);

}  // namespace picture
