#pragma once
// A text file used the Pascal way: assigned a name, then opened to write (Rewrite), to add
// (Append) or to read (Reset), used line by line and closed. Windows-1252, lines ended by CR LF.
// The program's writers and readers share one such record and take turns with it.
#include "platform/files/FileError.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <memory>

namespace files {

class TextFileRecord {
public:
    // Windows path text (see WindowsPath.h). Closes a file still open.
    void assign(const QString& path);
    const QString& path() const { return m_path; }

    // Creates the file, or empties an existing one.
    void rewrite();
    // Opens an existing file to add at its end; a missing file is an error.
    void append();
    // Opens an existing file to read from its first line; a missing file is an error.
    void reset();
    bool isOpen() const { return m_mode != Mode::Closed; }

    void write(const QString& text);
    void writeln(const QString& line = {});
    // The next line without its end; an empty text at the end of the file.
    QString readln();
    bool eof() const;

    // Writes what is pending; closing a closed file does nothing.
    void close();

private:
    enum class Mode { Closed, Writing, Reading };
    void openForWriting(QIODevice::OpenMode mode, const QString& failure);
    // Throws FileError in the wording given (an ErrorTexts entry) for this file.
    [[noreturn]] void fail(const QString& wording) const;

    QString m_path;
    Mode m_mode = Mode::Closed;
    std::unique_ptr<QFile> m_file;
    QStringList m_lines;
    int m_next = 0;
};

}  // namespace files
