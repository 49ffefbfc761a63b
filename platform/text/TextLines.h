#pragma once
// Line-oriented text files: Windows-1252, lines ended by CR LF.
#include <QString>
#include <QStringList>

namespace text {

// Splits at CR LF, LF or a lone CR; a final line without its end still counts,
// a final line end does not make an empty last line.
QStringList splitLines(const QString& s);
// Each line followed by CR LF.
QString joinLines(const QStringList& lines);

// Native paths. Reading a missing or unreadable file gives false.
bool readTextLines(const QString& nativePath, QStringList& lines);
bool readText(const QString& nativePath, QString& content);
// Writes through a temporary file and a rename, so a crash never leaves half a file.
bool writeText(const QString& nativePath, const QString& content);
bool writeTextLines(const QString& nativePath, const QStringList& lines);
// For files the program makes again whenever it needs them (a record written before its
// upload, rewritten at the next way out when anything failed): the old file is deleted and a
// new one written, without the temporary file and the flush to disk of the safe write.
bool writeScratchTextLines(const QString& nativePath, const QStringList& lines);
bool appendTextLines(const QString& nativePath, const QStringList& lines);

}  // namespace text
