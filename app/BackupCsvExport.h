#pragma once
// "Sauvegarde.csv": every row of Table1 in the library CSV layout, the backup a school can open
// in a spreadsheet. Each value is cleaned on its own, so a line always has its 26 columns and
// the data keeps its "/" and "~".
#include <QString>

namespace db {
class Query;
}

namespace app {

// The header line of the layout.
QString backupCsvHeader();
// The 26 values cleaned by the backup's rule (CsvRule::Backup) and joined by ";", every run of
// "_" then made one.
QString backupCsvLine(const QStringList& values);

// Opens "Select * FROM table1 " on the query and writes the file (Windows-1252, CR LF),
// replacing an old one; a file that cannot be written throws files::FileError.
void writeBackupCsv(db::Query& ars, const QString& windowsPath);

}  // namespace app
