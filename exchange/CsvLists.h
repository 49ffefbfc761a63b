#pragma once
// The three plain lists of the list screen: every book, every borrower, every other medium, each
// as a ";"-separated file for a spreadsheet and as an HTML page of list rows. The files are never
// read back by the program, so every value is made spreadsheet-safe (spreadsheetValue).
#include <QString>

namespace db {
class Query;
}

namespace exchange {

struct CsvList {
    QString csv;   // header and data lines, each ended by CR LF
    QString page;  // the whole page
};

// Each opens its query on the scratch query and reads every row.
CsvList bookList(db::Query& ars);
CsvList borrowerList(db::Query& ars);
CsvList otherMediaList(db::Query& ars);

}  // namespace exchange
