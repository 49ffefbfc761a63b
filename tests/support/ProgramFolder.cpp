#include "ProgramFolder.h"

#include "tools/PristineProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

ProgramFolder::ProgramFolder()
{
    EXPECT_TRUE(tools::copyPristineProgramFolder(QStringLiteral(QVL_SOURCE_DIR), QStringLiteral(QVL_PROGRAM_DIR),
                                                 folder()));
}

QString ProgramFolder::drive(const QString& relative) const { return m_drive.path() + u'/' + relative; }

QString ProgramFolder::folder(const QString& relative) const { return drive(QStringLiteral("Qvlzantor/")) + relative; }

QByteArray ProgramFolder::read(const QString& relativeToFolder) const
{
    QFile f(folder(relativeToFolder));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ProgramFolder::write(const QString& relativeToFolder, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(folder(relativeToFolder)).path());
    QFile f(folder(relativeToFolder));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

bool ProgramFolder::exists(const QString& relativeToDrive) const { return QFileInfo::exists(drive(relativeToDrive)); }
