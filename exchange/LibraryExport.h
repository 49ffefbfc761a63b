#pragma once
// The library's two export files. "Bibliotheque.csv" holds every copy in the library layout
// (the 26 columns of the backup's header, Booleans as "Vrai"/"Faux"), which the library import
// reads back; "export_bib.csv" holds one line per title for other programs.
#include <QString>

namespace db {
class Query;
}

namespace exchange {

inline const QString kUntitledBook = QStringLiteral("__LIVRE SANS TITRE ?");

// Before an export: a copy without title gets kUntitledBook, one without code its book number.
void repairBeforeExport(db::Query& ars);

// Each writes its file (Windows-1252, CR LF) from "Select * FROM table1 ", replacing an old
// one; a file that cannot be written throws files::FileError.
void writeLibraryCsv(db::Query& ars, const QString& windowsPath);
// The copies numbered "1" or "0", spreadsheet-safe values, each line ended by "Nb.Ex".
void writeTitleExport(db::Query& ars, const QString& windowsPath);

}  // namespace exchange
