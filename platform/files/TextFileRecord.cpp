#include "platform/files/TextFileRecord.h"

#include "platform/files/TextFile.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/TextLines.h"
#include "platform/text/Windows1252.h"

#include <QFileInfo>

namespace files {

void TextFileRecord::assign(const QString& path)
{
    close();
    m_path = path;
}

void TextFileRecord::fail(const char* what) const
{
    throw FileError(QStringLiteral("Erreur d'E/S : impossible %1 le fichier %2").arg(QString::fromLatin1(what), m_path));
}

void TextFileRecord::openForWriting(QIODevice::OpenMode mode, const char* what)
{
    close();
    const QString native = nativePath(m_path);
    // Opening a pipe to write waits for a reader, for ever.
    const QFileInfo info(native);
    if (info.exists() && !info.isFile())
        fail(what);
    m_file = std::make_unique<QFile>(native);
    if (!m_file->open(mode)) {
        m_file.reset();
        fail(what);
    }
    m_mode = Mode::Writing;
}

void TextFileRecord::rewrite() { openForWriting(QIODevice::WriteOnly | QIODevice::Truncate, "d'écrire"); }

void TextFileRecord::append()
{
    close();
    if (!QFileInfo(nativePath(m_path)).isFile())
        fail("d'ouvrir");
    openForWriting(QIODevice::WriteOnly | QIODevice::Append, "d'ouvrir");
}

void TextFileRecord::reset()
{
    close();
    QString content;
    if (!readTextFile(nativePath(m_path), content))
        fail("de lire");
    m_lines = text::splitLines(content);
    m_next = 0;
    m_mode = Mode::Reading;
}

void TextFileRecord::write(const QString& text)
{
    if (m_mode != Mode::Writing)
        throw FileError(QStringLiteral("Erreur d'E/S : le fichier %1 n'est pas ouvert en écriture").arg(m_path));
    const QByteArray bytes = text::encodeWindows1252(text);
    if (m_file->write(bytes) != bytes.size())
        fail("d'écrire");
}

void TextFileRecord::writeln(const QString& line) { write(line + QStringLiteral("\r\n")); }

QString TextFileRecord::readln()
{
    if (m_mode != Mode::Reading)
        throw FileError(QStringLiteral("Erreur d'E/S : le fichier %1 n'est pas ouvert en lecture").arg(m_path));
    return m_next < m_lines.size() ? m_lines[m_next++] : QString();
}

bool TextFileRecord::eof() const { return m_mode != Mode::Reading || m_next >= m_lines.size(); }

void TextFileRecord::close()
{
    if (m_file) {
        const bool flushed = m_file->flush();
        m_file.reset();
        m_mode = Mode::Closed;
        if (!flushed)
            fail("d'écrire");
    }
    m_mode = Mode::Closed;
    m_lines.clear();
    m_next = 0;
}

}  // namespace files
