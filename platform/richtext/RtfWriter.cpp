#include "platform/richtext/RtfWriter.h"

#include "platform/files/FileError.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/Windows1252.h"

#include <QFile>
#include <optional>

namespace richtext {

namespace {

class RtfOut {
public:
    explicit RtfOut(const Document& document) : m_document(document) { collectTables(); }

    QByteArray write()
    {
        m_out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl";
        for (int i = 0; i < int(m_faces.size()); ++i) {
            m_out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            writeEscaped(m_faces[i]);
            m_out += ";}";
        }
        m_out += "}\r\n{\\colortbl ;";
        for (QRgb c : m_colors)
            m_out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue" +
                     QByteArray::number(qBlue(c)) + ';';
        m_out += "}\r\n";
        const PageSetup& page = m_document.page;
        m_out += "\\paperw" + QByteArray::number(page.paperWidth) + "\\paperh" + QByteArray::number(page.paperHeight) +
                 "\\margl" + QByteArray::number(page.marginLeft) + "\\margr" + QByteArray::number(page.marginRight) +
                 "\\margt" + QByteArray::number(page.marginTop) + "\\margb" + QByteArray::number(page.marginBottom) +
                 "\\viewkind4\\uc1";
        const auto& paragraphs = m_document.paragraphs();
        for (size_t i = 0; i < paragraphs.size(); ++i) {
            const Paragraph& p = paragraphs[i];
            writeParagraphFormat(p.format);
            for (const Run& run : p.runs) {
                writeCharFormat(run.format);
                writeText(run.text);
            }
            writeCharFormat(p.markFormat);
            if (i + 1 < paragraphs.size())
                m_out += "\\par\r\n";
        }
        m_out += "}\r\n";
        return m_out;
    }

private:
    void collectTables()
    {
        const auto note = [this](const CharFormat& f) {
            if (!m_faces.contains(f.face))
                m_faces.append(f.face);
            if (!m_colors.contains(f.color))
                m_colors.append(f.color);
        };
        for (const Paragraph& p : m_document.paragraphs()) {
            for (const Run& run : p.runs)
                note(run.format);
            note(p.markFormat);
        }
    }

    void writeParagraphFormat(const ParagraphFormat& f)
    {
        m_out += "\\pard";
        switch (f.alignment) {
        case Alignment::Left: break;
        case Alignment::Center: m_out += "\\qc"; break;
        case Alignment::Right: m_out += "\\qr"; break;
        case Alignment::Justify: m_out += "\\qj"; break;
        }
        if (f.leftIndent != 0)
            m_out += "\\li" + QByteArray::number(f.leftIndent);
        if (f.rightIndent != 0)
            m_out += "\\ri" + QByteArray::number(f.rightIndent);
        if (f.firstLineIndent != 0)
            m_out += "\\fi" + QByteArray::number(f.firstLineIndent);
        for (int stop : f.tabStops)
            m_out += "\\tx" + QByteArray::number(stop);
        if (f.pageBreakBefore)
            m_out += "\\pagebb";
        m_current.reset();
        m_out += ' ';
    }

    void writeCharFormat(const CharFormat& f)
    {
        if (m_current && *m_current == f)
            return;
        m_out += "\\plain\\f" + QByteArray::number(m_faces.indexOf(f.face)) + "\\fs" + QByteArray::number(f.halfPoints) +
                 "\\cf" + QByteArray::number(m_colors.indexOf(f.color) + 1);
        if (f.bold)
            m_out += "\\b";
        if (f.italic)
            m_out += "\\i";
        if (f.underline)
            m_out += "\\ul";
        m_out += ' ';
        m_current = f;
    }

    // LibreOffice reads blanks written side by side as wider ones (a six-per-em space before each,
    // drawn in a fallback face), and its label rows wrap sooner than ours: a blank after a blank
    // goes behind an empty group and stays a single blank of the run's face.
    void writeText(const QString& text)
    {
        qsizetype from = 0;
        for (qsizetype i = 1; i < text.size(); ++i) {
            if (text[i] == u' ' && text[i - 1] == u' ') {
                writeEscaped(QStringView(text).mid(from, i - from));
                m_out += "{}";
                from = i;
            }
        }
        writeEscaped(QStringView(text).mid(from));
    }

    void writeEscaped(QStringView text)
    {
        for (QChar c : text) {
            const char16_t u = c.unicode();
            if (u == u'\\' || u == u'{' || u == u'}') {
                m_out += '\\';
                m_out += char(u);
            } else if (u == u'\t') {
                m_out += "\\tab ";
            } else if (u == 0x2028) {
                m_out += "\\line ";
            } else if (u >= 0x20 && u < 0x80) {
                m_out += char(u);
            } else if (u >= 0x80 && text::isInWindows1252(c)) {
                m_out += "\\'" + text::encodeWindows1252(QString(c)).toHex();
            } else {
                // RTF's \u takes a signed 16-bit value; "?" is what a reader without Unicode shows.
                m_out += "\\u" + QByteArray::number(qint16(u)) + '?';
            }
        }
    }

    const Document& m_document;
    QStringList m_faces;
    QList<QRgb> m_colors;
    QByteArray m_out;
    std::optional<CharFormat> m_current;
};

}  // namespace

QByteArray writeRtf(const Document& document) { return RtfOut(document).write(); }

void saveRtf(const Document& document, const QString& path)
{
    QFile file(files::nativePath(path));
    const QByteArray bytes = writeRtf(document);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw files::FileError(QStringLiteral("Erreur d'E/S : impossible d'écrire le fichier %1").arg(path));
}

}  // namespace richtext
