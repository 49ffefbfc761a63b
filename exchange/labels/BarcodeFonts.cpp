#include "exchange/labels/BarcodeFonts.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QStandardPaths>

namespace labels {

namespace {

bool sameBytes(const QString& a, const QString& b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    return fa.readAll() == fb.readAll();
}

}  // namespace

const QStringList& barcodeFontFiles()
{
    static const QStringList files = {
        QStringLiteral("EAN13.ttf"),        QStringLiteral("Code39.ttf"),
        QStringLiteral("c39hrp36dltt.ttf"), QStringLiteral("c39hrp48dhtt.ttf"),
        QStringLiteral("c39hrp24dhtt.ttf"), QStringLiteral("idautomation_com_code_39.ttf"),
    };
    return files;
}

int registerBarcodeFonts(const QString& fontFolder)
{
    int registered = 0;
    for (const QString& name : barcodeFontFiles()) {
        if (QFontDatabase::addApplicationFont(QDir(fontFolder).filePath(name)) >= 0)
            ++registered;
    }
    return registered;
}

QString desktopFontFolder()
{
    // fontconfig reads $XDG_DATA_HOME/fonts, which Qt's GenericDataLocation names first.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("fonts/Qvlzantor"));
}

bool installBarcodeFonts(const QString& fontFolder)
{
    const QDir target(desktopFontFolder());
    if (!target.mkpath(QStringLiteral(".")))
        return false;
    bool allThere = true;
    for (const QString& name : barcodeFontFiles()) {
        const QString from = QDir(fontFolder).filePath(name);
        const QString to = target.filePath(name);
        if (!QFile::exists(from) || sameBytes(from, to))
            continue;
        QFile::remove(to);
        allThere = QFile::copy(from, to) && allThere;
    }
    return allThere;
}

}  // namespace labels
