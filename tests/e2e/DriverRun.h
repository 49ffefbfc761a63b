#pragma once
// Runs of the scenario driver against a copy of the program folder.
#include "ProgramFolder.h"

#include <QStringList>

struct DriverResult {
    int exitCode = -1;
    QStringList lines;  // what the driver printed, one event a line

    bool has(const QString& line) const { return lines.contains(line); }
    QString joined() const { return lines.join(u'\n'); }
};

DriverResult play(const ProgramFolder& program, const QString& script, const QStringList& options = {});

// The rows a statement reads from the program folder's database, each as its fields' texts
// joined by "|".
QStringList databaseRows(const ProgramFolder& program, const QString& sql, const QStringList& fields);
// One column of the rows a statement gives, as text, in the statement's order.
inline QStringList storedColumn(const ProgramFolder& program, const QString& sql, const QString& field)
{
    return databaseRows(program, sql, {field});
}

// The way to the book screen: the start-up question answered Cancel, the administrator's empty
// password, the tips window closed.
inline QString logInScript()
{
    return QStringLiteral(
        "answer Cancel\n"
        "wait 10\n"
        "answer \n"
        "answer Terminer\n"
        "menu Fichier > Administrateur\n");
}

// The web result panel, opened by a title search that finds nothing, sent to an address typed into
// its address box.
inline QString panelAtAddressScript(const QString& address)
{
    return QStringLiteral("click Edit4\n"
                          "type Le lion\n"
                          "click SpeedButton2\n"
                          "wait-page EdgeBrowser3\n"
                          "click Edit99\n"
                          "type %1\n"
                          "click SpeedButton29\n"
                          "wait-page EdgeBrowser3\n")
        .arg(address);
}

// The import of a library file through the tools menu, its questions answered.
inline QString libraryImportScript(const QString& file)
{
    return QStringLiteral("answer OK\nanswer OK\nanswer OK\nanswer OK\nanswer %1\nanswer OK\nanswer OK\n"
                          "menu Outils > Importer une bibliothèque\n")
        .arg(file);
}
