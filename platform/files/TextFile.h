#pragma once
// Reading the files the program takes its text from (settings, language, thesaurus, list files).
// Only a regular file is read: a pipe or a device under such a name would block the reader for
// ever or never end, and a folder has no text. Anything else counts as a missing file.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace files {

// What tells one state of a file from another without reading it.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;  // since the epoch
    qint64 changedNs = 0;   // status change, since the epoch

    bool operator==(const FileStamp&) const = default;
};

// Native paths. The stamp of a regular file; nothing for a missing one or anything else.
std::optional<FileStamp> regularFileStamp(const QString& nativePath);
// The whole content of a regular file, and the stamp it had when it was opened. False when the
// file is missing, unreadable or no regular file.
bool readRegularFile(const QString& nativePath, QByteArray& bytes, FileStamp* stamp = nullptr);
// Windows-1252 text, whole or split into lines (see text::splitLines).
bool readTextFile(const QString& nativePath, QString& content);
bool readTextFileLines(const QString& nativePath, QStringList& lines);

}  // namespace files
