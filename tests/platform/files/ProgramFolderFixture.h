#pragma once
// A drive root in a temporary folder with the program folder "Qvlzantor" inside it.
#include "platform/files/WindowsPath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_drive.isValid());
        QDir(m_drive.path()).mkpath("Qvlzantor");
        files::setProgramFolder(m_drive.filePath("Qvlzantor"));
    }
    QString drive(const QString& relative = {}) const { return m_drive.path() + "/" + relative; }
    void makeFile(const QString& relative, const QByteArray& content = "x") const
    {
        QDir().mkpath(QFileInfo(drive(relative)).path());
        QFile f(drive(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray fileContent(const QString& relative) const
    {
        QFile f(drive(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private:
    QTemporaryDir m_drive;
};
