#pragma once
// Values of the ";"-separated files the program writes. No file is quoted, so each value is
// cleaned on its own before its line is joined: a value can neither break its line nor add a
// column. Each file keeps the cleaning its readers have always seen, so the rules differ in what
// takes the place of a separator or a line break; they are named here, one routine applies them.
#include <QString>

namespace app {

enum class CsvRule {
    // The lists and the library export: every character below 32 becomes a blank, ";" a "/".
    Lists,
    // The stock-take's missing copies (Bibliotheque.csv): as Lists, and "~" becomes a blank too.
    MissingCopies,
    // The backup at quitting (Sauvegarde.csv): each line break (CR LF, CR or LF) becomes "_",
    // ";" is removed; the other characters stay.
    Backup,
    // The copy of Table1 kept before the borrowers are numbered again (Bibliotheque2.csv): CR,
    // LF and '"' are removed; ";" and the other characters below 32 become blanks.
    RenumberingCopy,
    // A text field the books table's repair stores: characters below 32, ";", '"' and "," become
    // blanks, so that no later file of any rule meets a separator.
    RepairedField,
};

QString csvValue(const QString& value, CsvRule rule);

}  // namespace app
