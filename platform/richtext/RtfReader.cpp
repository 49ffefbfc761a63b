#include "platform/richtext/RtfReader.h"

#include "platform/files/FileError.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/Windows1252.h"

#include <QFile>
#include <QHash>
#include <QSet>

namespace richtext {

namespace {

enum class Destination { Text, FontTable, ColorTable, Skip };

struct GroupState {
    Destination destination = Destination::Text;
    int font = 0;
    CharFormat format;
    int unicodeSkip = 1;
};

// Groups a word processor writes that hold no text of the document.
const QSet<QByteArray>& skippedDestinations()
{
    static const QSet<QByteArray> names = {
        "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf", "footer", "footerl",
        "footerr", "footerf", "listtable", "listoverridetable", "revtbl", "rsidtbl", "filetbl", "xmlnstbl",
        "themedata", "colorschememapping", "latentstyles", "datastore", "pgdsctbl", "generator", "footnote",
        "fldinst", "nonshppict", "shp", "template", "mmathPr", "pnseclvl", "pntxtb", "pntxta"};
    return names;
}

// Each byte's character, decoded once: the text of a document comes a byte at a time.
QChar decodedByte(uchar byte)
{
    static const QString all = [] {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            bytes[i] = char(i);
        return text::decodeWindows1252(bytes);
    }();
    return all[byte];
}

class RtfParser {
public:
    explicit RtfParser(const QByteArray& in) : m_in(in) {}

    Document parse()
    {
        m_stack.push_back(GroupState{});
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos++];
            if (c == '{') {
                GroupState inner = m_stack.back();
                m_stack.push_back(inner);
                m_ignorableNext = false;
            } else if (c == '}') {
                closeGroup();
                if (m_stack.empty())
                    break;
            } else if (c == '\\') {
                controlSequence();
            } else if (c == '\r' || c == '\n') {
                continue;
            } else {
                byteText(uchar(c));
            }
        }
        flush();
        if (m_stack.size() > 1)  // a document cut short
            m_markFormat = state().format;
        m_document.paragraphs().back().markFormat = m_markFormat;
        return std::move(m_document);
    }

private:
    GroupState& state() { return m_stack.back(); }

    void closeGroup()
    {
        const bool fontTable = state().destination == Destination::FontTable;
        if (fontTable && !m_fontName.isEmpty())
            storeFont();
        flush();
        // The document's own group ends: its format is the last paragraph end's.
        if (m_stack.size() == 2 && state().destination == Destination::Text)
            m_markFormat = state().format;
        m_stack.pop_back();
        // The default font's face is known once the table is read.
        if (fontTable && !m_stack.empty() && state().destination == Destination::Text)
            state().format.face = faceOf(state().font);
    }

    void controlSequence()
    {
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (!isalpha(uchar(c))) {
            ++m_pos;
            controlSymbol(c);
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_in.size() && isalpha(uchar(m_in[m_pos])))
            ++m_pos;
        const QByteArray word = m_in.mid(start, m_pos - start);
        bool hasParam = false;
        int param = 0;
        const qsizetype numberStart = m_pos;
        if (m_pos < m_in.size() && (m_in[m_pos] == '-' || isdigit(uchar(m_in[m_pos])))) {
            ++m_pos;
            while (m_pos < m_in.size() && isdigit(uchar(m_in[m_pos])))
                ++m_pos;
            bool ok = false;
            param = m_in.mid(numberStart, m_pos - numberStart).toInt(&ok);
            hasParam = ok;
        }
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos;
        controlWord(word, hasParam, param);
    }

    void controlSymbol(char c)
    {
        switch (c) {
        case '\\': case '{': case '}': byteText(uchar(c)); break;
        case '~': text(QChar(0x00A0)); break;
        case '_': text(QChar(0x2011)); break;
        case '*': m_ignorableNext = true; break;
        case '\'': {
            const bool ok = m_pos + 2 <= m_in.size();
            const int value = ok ? m_in.mid(m_pos, 2).toInt(nullptr, 16) : 0;
            m_pos += ok ? 2 : 0;
            if (m_skipChars > 0)
                --m_skipChars;
            else
                byteText(uchar(value));
            break;
        }
        case '\r': case '\n': paragraphEnd(); break;
        default: break;
        }
    }

    void controlWord(const QByteArray& word, bool hasParam, int param)
    {
        GroupState& s = state();
        const bool ignorable = m_ignorableNext;
        m_ignorableNext = false;
        if (word == "fonttbl") { s.destination = Destination::FontTable; return; }
        if (word == "colortbl") { s.destination = Destination::ColorTable; resetColor(); return; }
        if (skippedDestinations().contains(word) || (ignorable && s.destination == Destination::Text)) {
            s.destination = Destination::Skip;
            return;
        }
        if (s.destination == Destination::Skip)
            return;
        if (s.destination == Destination::FontTable) {
            if (word == "f" && hasParam) {
                if (!m_fontName.isEmpty())
                    storeFont();
                m_fontNumber = param;
            }
            return;
        }
        if (s.destination == Destination::ColorTable) {
            if (word == "red") m_red = param;
            else if (word == "green") m_green = param;
            else if (word == "blue") m_blue = param;
            return;
        }
        CharFormat& f = s.format;
        if (word == "par") paragraphEnd();
        else if (word == "page") { paragraphEnd(); m_document.paragraphs().back().format.pageBreakBefore = true; }
        else if (word == "line") text(QChar(0x2028));
        else if (word == "tab") text(QChar(u'\t'));
        else if (word == "pard") { flush(); m_document.paragraphs().back().format = ParagraphFormat(); }
        else if (word == "plain") { s.font = m_defaultFont; f = CharFormat{faceOf(m_defaultFont), 24}; }
        else if (word == "deff" && hasParam) { m_defaultFont = param; s.font = param; f.face = faceOf(param); }
        else if (word == "f" && hasParam) { s.font = param; f.face = faceOf(param); }
        else if (word == "fs" && hasParam) f.halfPoints = param > 0 ? param : 24;
        else if (word == "cf" && hasParam) f.color = param >= 0 && param < int(m_colors.size()) ? m_colors[param] : qRgb(0, 0, 0);
        else if (word == "b") f.bold = !hasParam || param != 0;
        else if (word == "i") f.italic = !hasParam || param != 0;
        else if (word == "ul") f.underline = !hasParam || param != 0;
        else if (word == "ulnone") f.underline = false;
        else if (word == "uc" && hasParam) s.unicodeSkip = std::max(0, param);
        else if (word == "u" && hasParam) { text(QChar(char16_t(param < 0 ? param + 65536 : param))); m_skipChars = s.unicodeSkip; return; }
        else if (paragraphWord(word, hasParam, param)) {}
        else if (pageWord(word, param)) {}
        else if (const QChar special = specialCharacter(word); !special.isNull()) text(special);
    }

    bool paragraphWord(const QByteArray& word, bool hasParam, int param)
    {
        ParagraphFormat& p = currentParagraphFormat();
        if (word == "ql") p.alignment = Alignment::Left;
        else if (word == "qc") p.alignment = Alignment::Center;
        else if (word == "qr") p.alignment = Alignment::Right;
        else if (word == "qj") p.alignment = Alignment::Justify;
        else if (word == "li" && hasParam) p.leftIndent = param;
        else if (word == "ri" && hasParam) p.rightIndent = param;
        else if (word == "fi" && hasParam) p.firstLineIndent = param;
        else if (word == "tx" && hasParam) p.tabStops.push_back(param);
        else if (word == "pagebb") p.pageBreakBefore = true;
        else return false;
        return true;
    }

    bool pageWord(const QByteArray& word, int param)
    {
        PageSetup& page = m_document.page;
        if (word == "paperw" || word == "pgwsxn") page.paperWidth = param;
        else if (word == "paperh" || word == "pghsxn") page.paperHeight = param;
        else if (word == "margl" || word == "marglsxn") page.marginLeft = param;
        else if (word == "margr" || word == "margrsxn") page.marginRight = param;
        else if (word == "margt" || word == "margtsxn") page.marginTop = param;
        else if (word == "margb" || word == "margbsxn") page.marginBottom = param;
        else return false;
        return true;
    }

    static QChar specialCharacter(const QByteArray& word)
    {
        static const QHash<QByteArray, char16_t> map = {
            {"emdash", 0x2014}, {"endash", 0x2013}, {"lquote", 0x2018}, {"rquote", 0x2019},
            {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"bullet", 0x2022}, {"emspace", 0x2003},
            {"enspace", 0x2002}};
        const auto it = map.find(word);
        return it == map.end() ? QChar() : QChar(*it);
    }

    // A paragraph's properties hold for the paragraph their \par ends: the last one open.
    ParagraphFormat& currentParagraphFormat() { return m_document.paragraphs().back().format; }

    void byteText(uchar byte)
    {
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        const Destination d = state().destination;
        if (d == Destination::FontTable) {
            m_fontName += decodedByte(byte);
            return;
        }
        if (d == Destination::ColorTable) {
            // An entry without values is "auto", the text colour: black on paper.
            if (byte == ';') {
                m_colors.push_back(qRgb(std::max(0, m_red), std::max(0, m_green), std::max(0, m_blue)));
                resetColor();
            }
            return;
        }
        if (d != Destination::Text)
            return;
        text(decodedByte(byte));
    }

    void resetColor() { m_red = m_green = m_blue = -1; }

    void text(QChar c)
    {
        if (state().destination != Destination::Text)
            return;
        if (!m_pending.isEmpty() && !(m_pendingFormat == state().format))
            flush();
        if (m_pending.isEmpty())
            m_pendingFormat = state().format;
        m_pending += c;
    }

    void flush()
    {
        if (m_pending.isEmpty())
            return;
        m_document.append(m_pending, m_pendingFormat);
        m_pending.clear();
    }

    void paragraphEnd()
    {
        if (state().destination != Destination::Text)
            return;
        flush();
        m_document.append(QStringLiteral("\r"), state().format);
    }

    void storeFont()
    {
        QString name = m_fontName.trimmed();
        if (name.endsWith(u';'))
            name.chop(1);
        m_fonts.insert(m_fontNumber, name.trimmed());
        m_fontName.clear();
    }

    QString faceOf(int font) const { return m_fonts.value(font, CharFormat().face); }

    const QByteArray& m_in;
    qsizetype m_pos = 0;
    std::vector<GroupState> m_stack;
    Document m_document;
    QHash<int, QString> m_fonts;
    int m_fontNumber = 0;
    QString m_fontName;
    int m_defaultFont = 0;
    std::vector<QRgb> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;
    bool m_ignorableNext = false;
    int m_skipChars = 0;
    QString m_pending;
    CharFormat m_pendingFormat;
    CharFormat m_markFormat;
};

}  // namespace

Document readRtf(const QByteArray& rtf) { return RtfParser(rtf).parse(); }

Document readDocument(const QByteArray& content, const CharFormat& plainFormat)
{
    if (content.startsWith("{\\rtf"))
        return readRtf(content);
    Document document;
    document.append(text::decodeWindows1252(content), plainFormat);
    return document;
}

Document loadDocument(const QString& path, const CharFormat& plainFormat)
{
    QFile file(files::nativePath(path));
    if (!file.open(QIODevice::ReadOnly))
        throw files::FileError(QStringLiteral("Erreur d'E/S : impossible d'ouvrir le fichier %1").arg(path));
    return readDocument(file.readAll(), plainFormat);
}

}  // namespace richtext
