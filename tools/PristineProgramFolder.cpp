#include "tools/PristineProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace tools {

namespace {

bool copyTree(const QString& from, const QString& to, bool (*skip)(const QString& relative))
{
    bool ok = true;
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = file.mid(from.size() + 1);
        if (skip(relative))
            continue;
        const QString target = to + u'/' + relative;
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        ok = QFile::copy(file, target) && ok;
    }
    return ok;
}

bool isBuildInput(const QString& relative)
{
    return relative == u"CMakeLists.txt" || relative.startsWith(u"schema/") || relative.endsWith(u".keep");
}

bool nothing(const QString&) { return false; }

}  // namespace

bool copyPristineProgramFolder(const QString& sourceDir, const QString& programDir, const QString& target)
{
    bool ok = QDir().mkpath(target);
    ok = copyTree(sourceDir + QStringLiteral("/data"), target, isBuildInput) && ok;
    // Reserve/ holds what the build makes and the program only reads: the empty database,
    // the pictures.
    ok = copyTree(programDir + QStringLiteral("/Reserve"), target + QStringLiteral("/Reserve"), nothing) && ok;
    QFile::remove(target + QStringLiteral("/Test1.bib"));
    ok = QFile::copy(target + QStringLiteral("/Reserve/Test1.bib"), target + QStringLiteral("/Test1.bib")) && ok;
    const QString program = programDir + QStringLiteral("/Qvl_eZantor");
    if (QFileInfo::exists(program))
        ok = QFile::copy(program, target + QStringLiteral("/Qvl_eZantor")) && ok;
    return ok;
}

}  // namespace tools
