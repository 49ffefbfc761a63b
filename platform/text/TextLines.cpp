#include "platform/text/TextLines.h"

#include "platform/text/Windows1252.h"

#include <QFile>
#include <QSaveFile>

namespace text {

QStringList splitLines(const QString& s)
{
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'\r' || c == u'\n') {
            lines << current;
            current.clear();
            if (c == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n')
                ++i;
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        lines << current;
    return lines;
}

QString joinLines(const QStringList& lines)
{
    QString s;
    for (const QString& line : lines)
        s += line + QStringLiteral("\r\n");
    return s;
}

bool readText(const QString& nativePath, QString& content)
{
    QFile f(nativePath);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    content = decodeWindows1252(f.readAll());
    return true;
}

bool readTextLines(const QString& nativePath, QStringList& lines)
{
    QString content;
    if (!readText(nativePath, content))
        return false;
    lines = splitLines(content);
    return true;
}

bool writeText(const QString& nativePath, const QString& content)
{
    QSaveFile f(nativePath);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(encodeWindows1252(content));
    return f.commit();
}

bool writeTextLines(const QString& nativePath, const QStringList& lines)
{
    return writeText(nativePath, joinLines(lines));
}

bool writeScratchTextLines(const QString& nativePath, const QStringList& lines)
{
    // A new file rather than a truncated one: ext4 flushes a file truncated to nothing or
    // renamed over another to disk, and that would cost the way out a flush per record.
    QFile::remove(nativePath);
    QFile f(nativePath);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const QByteArray bytes = encodeWindows1252(joinLines(lines));
    return f.write(bytes) == bytes.size() && f.flush();
}

bool appendTextLines(const QString& nativePath, const QStringList& lines)
{
    QFile f(nativePath);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray bytes = encodeWindows1252(joinLines(lines));
    return f.write(bytes) == bytes.size() && f.flush();
}

}  // namespace text
