#pragma once
// The two files pupils come from: the CSV export of the national pupil base (or any file with
// the same header names) and the simple text file. Each line is read into the values one
// borrower row takes; a line without them is reported by its number, never half-read.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace pupils {

// The export is Windows-1252; a file saved again by a spreadsheet may be UTF-8 (with or without
// its mark), which is read as such. Lines end with CR LF, LF or CR (old spreadsheets); control
// characters inside a line (NUL included) become blanks.
QStringList pupilFileLines(const QByteArray& bytes);

struct PupilValues {
    int lineNumber = 0;  // 1-based, the header being line 1
    QString surname;     // cut to 20, trimmed, upper-cased
    QString firstName;   // cut to 20, trimmed
    QString className;   // cut to 20, trimmed
    QString school;      // text file only: cut to 50, trimmed
    QString mail;        // text file only: cut to 50, trimmed
};

struct PupilFile {
    std::vector<PupilValues> pupils;
    QList<int> skippedLines;  // lines with text but without a surname or first name
};

// The 1-based places of the three columns among the first 19 fields of the header; a field
// counts only when a ";" follows it.
struct PupilCsvHeader {
    int surname = 0;
    int firstName = 0;
    int className = 0;
    bool complete() const { return surname > 0 && firstName > 0 && className > 0; }
};
PupilCsvHeader readPupilCsvHeader(const QString& headerLine);

// Every line after the header; std::nullopt when the header lacks one of the three columns.
std::optional<PupilFile> readPupilCsv(const QStringList& lines);
// Every non-empty line after the first: surname; first name; class; school; then the mail,
// the text after the next ";" when there is one, else the rest of the line.
PupilFile readPupilText(const QStringList& lines);

}  // namespace pupils
