#pragma once
// Numbering the borrowers from 1 again at the start of a school year. The books are first
// recorded in the dump Bibliotheque2.csv; then every borrower is deleted and the borrowers'
// numbering starts over, in one transaction, every other table as it was. Copies still out would
// name borrowers who no longer exist (and whose numbers go to new pupils), so the restart is
// refused while any copy is out.
#include <QString>

namespace db {
class Connection;
}

namespace pupils {

// Copies out on loan.
int copiesOut(db::Connection& connection);

// The record of every row of Table1, in NumLivre order, written whole into `nativePath` (an
// existing file is replaced only once the new one is complete): the header line, then one line
// per copy with its 27 values apart by ";" (";", double quotes and control characters inside a
// value become blanks or go). An untitled copy is recorded as "__LIVRE SANS TITRE ?" and a copy
// without code under its number; the rows themselves are not changed.
void DumpBooksToBibliotheque2(db::Connection& connection, const QString& nativePath);

// Deletes every borrower and restarts the numbering at 1. Call it inside the caller's
// transaction when the restart and what follows must stand or fall together.
void restartBorrowerNumbering(db::Connection& connection);

}  // namespace pupils
