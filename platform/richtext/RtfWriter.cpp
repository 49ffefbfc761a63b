#include "platform/richtext/RtfWriter.h"

#include "platform/files/ErrorTexts.h"
#include "platform/files/FileError.h"
#include "platform/files/ShownPath.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/Windows1252.h"

#include <QFile>
#include <charconv>
#include <functional>

namespace richtext {

namespace {

class RtfOut {
public:
    // Takes the text written so far, a part at a time, so that a large document's whole text is
    // never held: what write() returns is the rest.
    using Sink = std::function<void(QByteArrayView)>;

    explicit RtfOut(const Document& document, Sink sink = {}) : m_document(document), m_sink(std::move(sink))
    {
        collectTables();
    }

    QByteArray write()
    {
        m_out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl";
        for (int i = 0; i < int(m_faces.size()); ++i) {
            word("{\\f", i);
            m_out += "\\fnil\\fcharset0 ";
            writeText(m_faces[i], false);
            m_out += ";}";
        }
        m_out += "}\r\n{\\colortbl ;";
        for (QRgb c : m_colors) {
            word("\\red", qRed(c));
            word("\\green", qGreen(c));
            word("\\blue", qBlue(c));
            m_out += ';';
        }
        m_out += "}\r\n";
        const PageSetup& page = m_document.page;
        word("\\paperw", page.paperWidth);
        word("\\paperh", page.paperHeight);
        word("\\margl", page.marginLeft);
        word("\\margr", page.marginRight);
        word("\\margt", page.marginTop);
        word("\\margb", page.marginBottom);
        m_out += "\\viewkind4\\uc1";
        const auto& paragraphs = m_document.paragraphs();
        for (size_t i = 0; i < paragraphs.size(); ++i) {
            const Paragraph& p = paragraphs[i];
            writeParagraphFormat(p.format);
            for (const Run& run : p.runs) {
                writeCharFormat(run.format);
                writeText(run.text, true);
            }
            writeCharFormat(p.markFormat);
            if (i + 1 < paragraphs.size())
                m_out += "\\par\r\n";
            if (m_sink && m_out.size() >= kPart) {
                m_sink(m_out);
                m_out.resize(0);  // keeps its room for the next part
            }
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

    // A control word and its value: \fs16.
    void word(const char* name, int value)
    {
        m_out += name;
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_out.append(digits, end - digits);
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
            word("\\li", f.leftIndent);
        if (f.rightIndent != 0)
            word("\\ri", f.rightIndent);
        if (f.firstLineIndent != 0)
            word("\\fi", f.firstLineIndent);
        for (int stop : f.tabStops)
            word("\\tx", stop);
        if (f.pageBreakBefore)
            m_out += "\\pagebb";
        m_current = nullptr;
        m_out += ' ';
    }

    void writeCharFormat(const CharFormat& f)
    {
        if (m_current && *m_current == f)
            return;
        m_out += "\\plain";
        word("\\f", int(m_faces.indexOf(f.face)));
        word("\\fs", f.halfPoints);
        word("\\cf", int(m_colors.indexOf(f.color)) + 1);
        if (f.bold)
            m_out += "\\b";
        if (f.italic)
            m_out += "\\i";
        if (f.underline)
            m_out += "\\ul";
        m_out += ' ';
        m_current = &f;
    }

    static bool isPlainAscii(char16_t u) { return u >= 0x20 && u < 0x80 && u != u'\\' && u != u'{' && u != u'}'; }

    // LibreOffice reads blanks written side by side as wider ones (a six-per-em space before each,
    // drawn in a fallback face), and its label rows wrap sooner than ours: in a run's text
    // (`splitBlanks`), a blank after a blank goes behind an empty group and stays a single blank
    // of the run's face. Stretches that need no escape are copied whole.
    void writeText(QStringView text, bool splitBlanks)
    {
        qsizetype from = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t u = text[i].unicode();
            const bool blankAfterBlank = splitBlanks && u == u' ' && i > 0 && text[i - 1] == u' ';
            if (isPlainAscii(u) && !blankAfterBlank)
                continue;
            writeAscii(text.mid(from, i - from));
            from = i + 1;
            if (blankAfterBlank)
                m_out += "{} ";
            else
                writeEscaped(u);
        }
        writeAscii(text.mid(from));
    }

    void writeAscii(QStringView text)
    {
        const qsizetype at = m_out.size();
        m_out.resize(at + text.size());
        char* out = m_out.data() + at;
        for (const QChar c : text)
            *out++ = char(c.unicode());
    }

    void writeEscaped(char16_t u)
    {
        static constexpr char kHex[] = "0123456789abcdef";
        if (u == u'\\' || u == u'{' || u == u'}') {
            m_out += '\\';
            m_out += char(u);
        } else if (u == u'\t') {
            m_out += "\\tab ";
        } else if (u == 0x2028) {
            m_out += "\\line ";
        } else if (const int byte = u >= 0x80 ? text::windows1252Byte(QChar(u)) : -1; byte >= 0) {
            const char escape[] = {'\\', '\'', kHex[byte >> 4], kHex[byte & 0xF]};
            m_out.append(escape, sizeof escape);
        } else {
            // RTF's \u takes a signed 16-bit value; "?" is what a reader without Unicode shows.
            word("\\u", qint16(u));
            m_out += '?';
        }
    }

    static constexpr qsizetype kPart = 64 * 1024;

    const Document& m_document;
    Sink m_sink;
    QStringList m_faces;
    QList<QRgb> m_colors;
    QByteArray m_out;
    const CharFormat* m_current = nullptr;  // the format written last in this paragraph, if any
};

}  // namespace

QByteArray writeRtf(const Document& document) { return RtfOut(document).write(); }

void saveRtf(const Document& document, const QString& path)
{
    QFile file(files::nativePath(path));
    const auto cannotWrite = [&path] { return files::FileError(files::errorTexts().cannotWrite.arg(files::shownPath(path))); };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw cannotWrite();
    const auto put = [&](QByteArrayView part) {
        if (file.write(part.data(), part.size()) != part.size())
            throw cannotWrite();
    };
    put(RtfOut(document, put).write());
}

}  // namespace richtext
