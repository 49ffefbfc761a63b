#pragma once
// A temporary database whose Table1 holds three books (Alice, Babar, Caillou), open in a table
// object in numlivre order behind a data source: what data-aware controls are tested over.
#include "platform/db/Connection.h"
#include "platform/db/DataSource.h"
#include "platform/db/DatabaseFile.h"
#include "platform/db/Table.h"

#include <QTemporaryDir>
#include <memory>

struct SmallBookTable {
    SmallBookTable()
    {
        const QString path = dir.filePath(QStringLiteral("Test1.bib"));
        db::createDatabase(path, QStringLiteral(
            "CREATE TABLE Table1 (numlivre INTEGER PRIMARY KEY AUTOINCREMENT,"
            " Titre TEXT(80) COLLATE JET CHECK (length(Titre) <= 80),"
            " Empruntable BIT NOT NULL DEFAULT 1 CHECK (Empruntable IN (0, 1)),"
            " IMP_CodeBarres BIT NOT NULL DEFAULT 0 CHECK (IMP_CodeBarres IN (0, 1)));"));
        connection = std::make_unique<db::Connection>("Provider=x;Data Source=" + path + ";");
        for (const char* title : {"Alice", "Babar", "Caillou"})
            connection->execute(QStringLiteral("Insert into Table1 (Titre) Values (?)"), {title});
        table = std::make_unique<db::Table>(*connection, QStringLiteral("Table1"), QStringLiteral("numlivre"));
        source.setDataSet(table.get());
        table->open();
    }

    QTemporaryDir dir;
    std::unique_ptr<db::Connection> connection;
    std::unique_ptr<db::Table> table;
    db::DataSource source;
};
