#include "tests/exchange/labels/BarcodeDecoder.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace labeltest {

std::optional<QStringList> decodeBarcodes(const QImage& picture)
{
    const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    if (zbarimg.isEmpty())
        return std::nullopt;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("symbols.png"));
    if (!picture.save(file))
        return QStringList();
    QProcess zbar;
    zbar.start(zbarimg, {QStringLiteral("--quiet"), QStringLiteral("--raw"), file});
    zbar.waitForFinished(120000);
    return QString::fromUtf8(zbar.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    // The web views share their drawing contexts with the application's.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    static int argc = 1;
    static char name[] = "test_labels";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

QImage blankPicture(QSize size, int dpi)
{
    QImage picture(size, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    picture.fill(Qt::white);
    return picture;
}

}  // namespace labeltest
