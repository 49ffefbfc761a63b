#include "PictureFile.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

bool writePicture(const QImage& image, const QString& path, const char* format, int quality)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}
