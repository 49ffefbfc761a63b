#pragma once
// An empty database as the installation delivers it, with a scratch query, and reading rows back.
#include "QtPrinters.h"

#include "platform/db/Connection.h"
#include "platform/db/Query.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class ExchangeDatabase : public ::testing::Test {
protected:
    ExchangeDatabase()
    {
        const QString path = dir.filePath(QStringLiteral("Test1.bib"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(QVL_PROGRAM_DIR "/Reserve/Test1.bib"), path));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        connection = std::make_unique<db::Connection>(QStringLiteral("Data Source=") + path);
        ars = std::make_unique<db::Query>(*connection);
    }

    // Each row's fields joined by "|".
    QStringList rows(const QString& sql, const QStringList& fields)
    {
        db::Query q(*connection);
        q.setSql(sql);
        q.open();
        QStringList result;
        for (q.first(); !q.eof(); q.next()) {
            QStringList values;
            for (const QString& f : fields)
                values << q.fieldByName(f).asString();
            result << values.join(u'|');
        }
        return result;
    }

    QTemporaryDir dir;
    std::unique_ptr<db::Connection> connection;
    std::unique_ptr<db::Query> ars;
};
