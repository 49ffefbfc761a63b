#pragma once
// Reads the barcodes of a picture with Debian's zbarimg, the way a scanner at the desk would.
#include <QImage>
#include <QStringList>
#include <optional>

namespace labeltest {

// Every symbol found, as the scanner delivers it (EAN-13 as 13 digits, Code 39 without its
// asterisks), in zbar's order. Nothing when zbarimg is not installed.
std::optional<QStringList> decodeBarcodes(const QImage& picture);

// The test program's one QApplication, on the offscreen platform, made at first use.
void ensureApplication();

// A picture of `dpi` dots per inch, white.
QImage blankPicture(QSize size, int dpi);

}  // namespace labeltest
