#include "platform/files/TextFileRecord.h"

#include "platform/files/ErrorTexts.h"
#include "platform/files/ShownPath.h"
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

void TextFileRecord::fail(const QString& wording) const
{
    throw FileError(wording.arg(shownPath(m_path)));
}

void TextFileRecord::openForWriting(QIODevice::OpenMode mode, const QString& failure)
{
    close();
    const QString native = nativePath(m_path);
    // Opening a pipe to write waits for a reader, for ever.
    const QFileInfo info(native);
    if (info.exists() && !info.isFile())
        fail(failure);
    m_file = std::make_unique<QFile>(native);
    if (!m_file->open(mode)) {
        m_file.reset();
        fail(failure);
    }
    m_mode = Mode::Writing;
}

void TextFileRecord::rewrite() { openForWriting(QIODevice::WriteOnly | QIODevice::Truncate, errorTexts().cannotWrite); }

void TextFileRecord::append()
{
    close();
    if (!QFileInfo(nativePath(m_path)).isFile())
        fail(errorTexts().cannotOpen);
    openForWriting(QIODevice::WriteOnly | QIODevice::Append, errorTexts().cannotOpen);
}

void TextFileRecord::reset()
{
    close();
    QString content;
    if (!readTextFile(nativePath(m_path), content))
        fail(errorTexts().cannotRead);
    m_lines = text::splitLines(content);
    m_next = 0;
    m_mode = Mode::Reading;
}

void TextFileRecord::write(const QString& text)
{
    if (m_mode != Mode::Writing)
        fail(errorTexts().notOpenForWriting);
    const QByteArray bytes = text::encodeWindows1252(text);
    if (m_file->write(bytes) != bytes.size())
        fail(errorTexts().cannotWrite);
}

void TextFileRecord::writeln(const QString& line) { write(line + QStringLiteral("\r\n")); }

QString TextFileRecord::readln()
{
    if (m_mode != Mode::Reading)
        fail(errorTexts().notOpenForReading);
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
            fail(errorTexts().cannotWrite);
    }
    m_mode = Mode::Closed;
    m_lines.clear();
    m_next = 0;
}

}  // namespace files
