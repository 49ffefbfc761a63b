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
    return relative == u"CMakeLists.txt" || relative.startsWith(u"schema/") || relative.startsWith(u"guides/") ||
           relative.endsWith(u".keep");
}

// The guides the build lays out as PDF from their texts in data/guides/, each at the same place
// in the program folder.
bool copyGuides(const QString& guideTexts, const QString& programDir, const QString& target)
{
    bool ok = true;
    QDirIterator it(guideTexts, {QStringLiteral("*.md")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString text = it.next();
        QString relative = text.mid(guideTexts.size() + 1);
        relative.replace(relative.size() - 3, 3, QStringLiteral(".pdf"));
        QDir().mkpath(QFileInfo(target + u'/' + relative).path());
        QFile::remove(target + u'/' + relative);
        ok = QFile::copy(programDir + u'/' + relative, target + u'/' + relative) && ok;
    }
    return ok;
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
    ok = copyGuides(sourceDir + QStringLiteral("/data/guides"), programDir, target) && ok;
    QFile::remove(target + QStringLiteral("/Test1.bib"));
    ok = QFile::copy(target + QStringLiteral("/Reserve/Test1.bib"), target + QStringLiteral("/Test1.bib")) && ok;
    const QString program = programDir + QStringLiteral("/Qvl_eZantor");
    if (QFileInfo::exists(program))
        ok = QFile::copy(program, target + QStringLiteral("/Qvl_eZantor")) && ok;
    return ok;
}

}  // namespace tools
