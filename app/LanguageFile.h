#pragma once
// The language file "Languages\<name>" of the program folder, Windows-1252, one text per line:
// lines 1 to 56 are the menu captions; then the message table from entry 0 up to the first line
// containing "XXXXXXXXXX"; then the dialog table from entry 1 up to the first line containing
// "YYYYYYYYYY"; then the caption table from entry 0 up to a line equal to "ZZZZZZZZZZ" or the end of
// the file. Each marker line is kept as the last entry of its table.
#include "app/LanguageTables.h"

#include <QStringList>

namespace app {

class SettingsFile;

// A table stops at the end of the file; lines beyond its size are dropped while its marker is
// still looked for, so a long table never spills into the next one.
LanguageTables parseLanguageLines(const QStringList& lines);

struct LanguageLoad {
    enum class Status {
        Loaded,
        NoSettingsFile,  // a first start without "francais.txt": the designed captions stay
        FileNotRead,     // the named file is missing or unreadable, and so is "francais.txt": the tables stay empty
        DefaultInstead,  // the named file is missing or unreadable: "francais.txt" was read instead
    };
    Status status = Status::NoSettingsFile;
    QString path;  // the language file, as Windows path text

    // The report shown for FileNotRead and DefaultInstead.
    QString errorText() const;
};

// Start-up's language step. When the settings file exists: reads the language name (default
// `languageText`) into `languageText`, giving an empty name "francais.txt" in memory and in the
// file, then fills `tables` from that file of the "Languages" folder; when that file cannot be
// read, from "francais.txt" (the name stays as the settings give it). Without a settings file (a
// first start) it loads "francais.txt", the name the new file will hold, when it is there.
LanguageLoad loadLanguage(SettingsFile& settings, QString& languageText, LanguageTables& tables);

}  // namespace app
