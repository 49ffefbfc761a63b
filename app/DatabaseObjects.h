#pragma once
// The main window's data objects: the connection to Test1.bib, the scratch query `ars`, the
// second query `ADOQuery`, the three table objects and the data sources that bind the
// screens' data-aware controls to them. They live as long as the window.
#include "platform/db/Connection.h"
#include "platform/db/DataSource.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"

#include <QString>

namespace app {

// The connection string of the program: the database file is AppDir + "Test1.bib".
QString buildConnectionString(const QString& appDir);

class DatabaseObjects {
public:
    // nativePath maps the program's path text (AppDir + "Test1.bib") to the file to open.
    explicit DatabaseObjects(db::Connection::PathMapper nativePath);

    // Start-up: builds ConnectionString from AppDir and gives it to the connection, which
    // opens with the first data set that needs it.
    void setUp(const QString& appDir);
    // Opens Test1.bib. A database without the program's tables is refused as a file that is no
    // database: a db::Error, the connection closed again.
    void open();
    // After Test1.bib was replaced: closes ADOTable3, ars and the connection, and gives the
    // connection the same string again; the next data set that opens reads the new file.
    void reopenAfterFileReplaced();

    QString ConnectionString;
    db::Connection ADOConnection1;
    db::Query ars;
    db::Query ADOQuery;
    db::Table ADOTable1;  // Table1, filtered on Type="LIVRE", in NumLivre order
    db::Table ADOTable2;  // Inventaire
    db::Table ADOTable3;  // Emprunteurs, in NumEmprunteur order
    db::DataSource DataSource1;
    db::DataSource DataSource2;
    db::DataSource DataSource3;
};

}  // namespace app
