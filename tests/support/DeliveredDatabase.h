#pragma once
// A writable copy of the empty database the installation delivers, and its rows read back.
#include "ColumnValues.h"
#include "QtPrinters.h"

#include "platform/db/Connection.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class DeliveredDatabase : public ::testing::Test {
protected:
    DeliveredDatabase()
    {
        EXPECT_TRUE(QFile::copy(QStringLiteral(QVL_PROGRAM_DIR "/Reserve/Test1.bib"), path()));
        QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        connection = std::make_unique<db::Connection>(QStringLiteral("Data Source=") + path());
    }

    QString path() const { return dir.filePath(QStringLiteral("Test1.bib")); }

    // Each row's fields joined by "|".
    QStringList rows(const QString& sql, const QStringList& fields) { return rowValues(*connection, sql, fields); }

    QTemporaryDir dir;
    std::unique_ptr<db::Connection> connection;
};
