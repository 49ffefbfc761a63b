#include "platform/richtext/RtfReader.h"

#include "platform/files/ErrorTexts.h"
#include "platform/files/FileError.h"
#include "platform/files/ShownPath.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/Windows1252.h"

#include <QFile>
#include <QHash>

#include <array>
#include <optional>

namespace richtext {

namespace {

enum class Destination { Text, FontTable, ColorTable, Skip };

struct GroupState {
    Destination destination = Destination::Text;
    int font = 0;
    CharFormat format;
    int unicodeSkip = 1;
};

// The control words the reader acts on; the others are ignored.
enum class Word {
    Unknown, FontTable, ColorTable, SkippedGroup, Red, Green, Blue, Par, Page, Line, Tab, Pard, Plain, DefaultFont,
    Font, FontSize, Color, Bold, Italic, Underline, UnderlineNone, UnicodeSkip, Unicode, AlignLeft, AlignCenter,
    AlignRight, Justify, LeftIndent, RightIndent, FirstLineIndent, TabStop, PageBreakBefore, PaperWidth, PaperHeight,
    MarginLeft, MarginRight, MarginTop, MarginBottom, Character
};

struct KnownWord {
    Word word = Word::Unknown;
    char16_t character = 0;  // of a Word::Character
};

const QHash<QByteArrayView, KnownWord>& knownWords()
{
    static const QHash<QByteArrayView, KnownWord> words = [] {
        QHash<QByteArrayView, KnownWord> all = {
            {"fonttbl", {Word::FontTable}}, {"colortbl", {Word::ColorTable}}, {"red", {Word::Red}},
            {"green", {Word::Green}}, {"blue", {Word::Blue}}, {"par", {Word::Par}}, {"page", {Word::Page}},
            {"line", {Word::Line}}, {"tab", {Word::Tab}}, {"pard", {Word::Pard}}, {"plain", {Word::Plain}},
            {"deff", {Word::DefaultFont}}, {"f", {Word::Font}}, {"fs", {Word::FontSize}}, {"cf", {Word::Color}},
            {"b", {Word::Bold}}, {"i", {Word::Italic}}, {"ul", {Word::Underline}}, {"ulnone", {Word::UnderlineNone}},
            {"uc", {Word::UnicodeSkip}}, {"u", {Word::Unicode}}, {"ql", {Word::AlignLeft}},
            {"qc", {Word::AlignCenter}}, {"qr", {Word::AlignRight}}, {"qj", {Word::Justify}},
            {"li", {Word::LeftIndent}}, {"ri", {Word::RightIndent}}, {"fi", {Word::FirstLineIndent}},
            {"tx", {Word::TabStop}}, {"pagebb", {Word::PageBreakBefore}}, {"paperw", {Word::PaperWidth}},
            {"pgwsxn", {Word::PaperWidth}}, {"paperh", {Word::PaperHeight}}, {"pghsxn", {Word::PaperHeight}},
            {"margl", {Word::MarginLeft}}, {"marglsxn", {Word::MarginLeft}}, {"margr", {Word::MarginRight}},
            {"margrsxn", {Word::MarginRight}}, {"margt", {Word::MarginTop}}, {"margtsxn", {Word::MarginTop}},
            {"margb", {Word::MarginBottom}}, {"margbsxn", {Word::MarginBottom}},
            {"emdash", {Word::Character, 0x2014}}, {"endash", {Word::Character, 0x2013}},
            {"lquote", {Word::Character, 0x2018}}, {"rquote", {Word::Character, 0x2019}},
            {"ldblquote", {Word::Character, 0x201C}}, {"rdblquote", {Word::Character, 0x201D}},
            {"bullet", {Word::Character, 0x2022}}, {"emspace", {Word::Character, 0x2003}},
            {"enspace", {Word::Character, 0x2002}}};
        // Groups a word processor writes that hold no text of the document.
        for (const char* name :
             {"stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf", "footer", "footerl",
              "footerr", "footerf", "listtable", "listoverridetable", "revtbl", "rsidtbl", "filetbl", "xmlnstbl",
              "themedata", "colorschememapping", "latentstyles", "datastore", "pgdsctbl", "generator", "footnote",
              "fldinst", "nonshppict", "shp", "template", "mmathPr", "pnseclvl", "pntxtb", "pntxta"})
            all.insert(QByteArrayView(name), {Word::SkippedGroup});
        return all;
    }();
    return words;
}

// The bytes that end a stretch of plain text: group and control marks, the file's own line
// ends (no text) and the form feed (a page break, as text).
constexpr std::array<bool, 256> kTextStops = [] {
    std::array<bool, 256> stops{};
    for (const char c : {'{', '}', '\\', '\r', '\n', '\f'})
        stops[uchar(c)] = true;
    return stops;
}();

// A control word's value, as a number conversion reads the sign and digits: none without a
// digit, or past the 32-bit range.
std::optional<int> wordValue(QByteArrayView digits)
{
    const bool negative = digits.startsWith('-');
    const qint64 most = negative ? qint64(1) << 31 : (qint64(1) << 31) - 1;
    qint64 value = 0;
    for (const char c : digits.sliced(negative ? 1 : 0)) {
        value = value * 10 + (c - '0');
        if (value > most)
            return std::nullopt;
    }
    if (digits.size() == (negative ? 1 : 0))
        return std::nullopt;
    return int(negative ? -value : value);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char lower = char(c | 0x20);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// The two characters after \' as a hexadecimal number; other than two hex digits, as the
// number conversion reads them (a sign, a blank), or 0.
int hexValue(const char* two)
{
    const int high = hexDigit(two[0]), low = hexDigit(two[1]);
    if (high >= 0 && low >= 0)
        return high * 16 + low;
    return QByteArray(two, 2).toInt(nullptr, 16);
}

// About how many paragraphs a file holds, to make room for them at once: its \par words,
// counted with its \pard words.
qsizetype paragraphsHint(const QByteArray& rtf) { return QByteArrayView(rtf).count("\\par") + 1; }

class RtfParser {
public:
    explicit RtfParser(const QByteArray& in) : m_in(in), m_end(in.constData() + in.size()) {}

    Document parse()
    {
        m_document.reserve(paragraphsHint(m_in));
        m_stack.push_back(GroupState{});
        m_at = m_in.constData();
        while (m_at < m_end) {
            const char c = *m_at++;
            if (c == '{') {
                m_stack.push_back(m_stack.back());
                m_ignorableNext = false;
            } else if (c == '}') {
                closeGroup();
                if (m_stack.empty())
                    break;
            } else if (c == '\\') {
                controlSequence();
            } else if (c == '\r' || c == '\n') {
                continue;
            } else if (m_skipChars == 0 && state().destination == Destination::Text && !kTextStops[uchar(c)]) {
                plainText();
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
        // Text that ends a paragraph goes in now, so that the paragraph properties after the
        // group go to the paragraph it opens; other text goes on across the group in one piece.
        if (m_pendingHasEnd)
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
        if (m_at >= m_end)
            return;
        const char c = *m_at;
        if (!isalpha(uchar(c))) {
            ++m_at;
            controlSymbol(c);
            return;
        }
        const char* name = m_at;
        while (m_at < m_end && isalpha(uchar(*m_at)))
            ++m_at;
        const QByteArrayView word(name, m_at);
        std::optional<int> value;
        if (m_at < m_end && (*m_at == '-' || isdigit(uchar(*m_at)))) {
            const char* digits = m_at++;
            while (m_at < m_end && isdigit(uchar(*m_at)))
                ++m_at;
            value = wordValue(QByteArrayView(digits, m_at));
        }
        if (m_at < m_end && *m_at == ' ')
            ++m_at;
        controlWord(word, value.has_value(), value.value_or(0));
    }

    void controlSymbol(char c)
    {
        switch (c) {
        case '\\': case '{': case '}': byteText(uchar(c)); break;
        case '~': text(QChar(0x00A0)); break;
        case '_': text(QChar(0x2011)); break;
        case '*': m_ignorableNext = true; break;
        case '\'': {
            const bool ok = m_end - m_at >= 2;
            const int value = ok ? hexValue(m_at) : 0;
            m_at += ok ? 2 : 0;
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

    void controlWord(QByteArrayView name, bool hasParam, int param)
    {
        GroupState& s = state();
        const bool ignorable = m_ignorableNext;
        m_ignorableNext = false;
        const KnownWord known = knownWords().value(name);
        if (known.word == Word::FontTable) { s.destination = Destination::FontTable; return; }
        if (known.word == Word::ColorTable) { s.destination = Destination::ColorTable; resetColor(); return; }
        if (known.word == Word::SkippedGroup || (ignorable && s.destination == Destination::Text)) {
            s.destination = Destination::Skip;
            return;
        }
        if (s.destination == Destination::Skip)
            return;
        if (s.destination == Destination::FontTable) {
            if (known.word == Word::Font && hasParam) {
                if (!m_fontName.isEmpty())
                    storeFont();
                m_fontNumber = param;
            }
            return;
        }
        if (s.destination == Destination::ColorTable) {
            if (known.word == Word::Red) m_red = param;
            else if (known.word == Word::Green) m_green = param;
            else if (known.word == Word::Blue) m_blue = param;
            return;
        }
        CharFormat& f = s.format;
        PageSetup& page = m_document.page;
        switch (known.word) {
        case Word::Par: paragraphEnd(); break;
        case Word::Page: paragraphEnd(); m_document.paragraphs().back().format.pageBreakBefore = true; break;
        case Word::Line: text(QChar(0x2028)); break;
        case Word::Tab: text(QChar(u'\t')); break;
        case Word::Pard: flush(); m_document.paragraphs().back().format = ParagraphFormat(); break;
        case Word::Plain: s.font = m_defaultFont; f = CharFormat{faceOf(m_defaultFont), 24}; break;
        case Word::DefaultFont: if (hasParam) { m_defaultFont = param; s.font = param; f.face = faceOf(param); } break;
        case Word::Font: if (hasParam) { s.font = param; f.face = faceOf(param); } break;
        case Word::FontSize: if (hasParam) f.halfPoints = param > 0 ? param : 24; break;
        case Word::Color: if (hasParam) f.color = param >= 0 && param < int(m_colors.size()) ? m_colors[param] : qRgb(0, 0, 0); break;
        case Word::Bold: f.bold = !hasParam || param != 0; break;
        case Word::Italic: f.italic = !hasParam || param != 0; break;
        case Word::Underline: f.underline = !hasParam || param != 0; break;
        case Word::UnderlineNone: f.underline = false; break;
        case Word::UnicodeSkip: if (hasParam) s.unicodeSkip = std::max(0, param); break;
        case Word::Unicode:
            if (hasParam) { text(QChar(char16_t(param < 0 ? param + 65536 : param))); m_skipChars = s.unicodeSkip; }
            break;
        case Word::AlignLeft: currentParagraphFormat().alignment = Alignment::Left; break;
        case Word::AlignCenter: currentParagraphFormat().alignment = Alignment::Center; break;
        case Word::AlignRight: currentParagraphFormat().alignment = Alignment::Right; break;
        case Word::Justify: currentParagraphFormat().alignment = Alignment::Justify; break;
        case Word::LeftIndent: if (hasParam) currentParagraphFormat().leftIndent = param; break;
        case Word::RightIndent: if (hasParam) currentParagraphFormat().rightIndent = param; break;
        case Word::FirstLineIndent: if (hasParam) currentParagraphFormat().firstLineIndent = param; break;
        case Word::TabStop: if (hasParam) currentParagraphFormat().tabStops.push_back(param); break;
        case Word::PageBreakBefore: currentParagraphFormat().pageBreakBefore = true; break;
        case Word::PaperWidth: page.paperWidth = param; break;
        case Word::PaperHeight: page.paperHeight = param; break;
        case Word::MarginLeft: page.marginLeft = param; break;
        case Word::MarginRight: page.marginRight = param; break;
        case Word::MarginTop: page.marginTop = param; break;
        case Word::MarginBottom: page.marginBottom = param; break;
        case Word::Character: text(QChar(known.character)); break;
        default: break;
        }
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
            m_fontName += text::windows1252Char(byte);
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
        text(text::windows1252Char(byte));
    }

    // The document's text up to the next mark, from the byte just read: decoded at once.
    void plainText()
    {
        const char* from = m_at - 1;
        while (m_at < m_end && !kTextStops[uchar(*m_at)])
            ++m_at;
        startText();
        const qsizetype at = m_pending.size();
        m_pending.resize(at + (m_at - from));
        QChar* out = m_pending.data() + at;
        for (const char* byte = from; byte < m_at; ++byte)
            *out++ = text::windows1252Char(uchar(*byte));
    }

    void resetColor() { m_red = m_green = m_blue = -1; }

    void text(QChar c)
    {
        if (state().destination != Destination::Text)
            return;
        startText();
        m_pending += c;
        m_pendingHasEnd = m_pendingHasEnd || c == u'\r' || c == u'\n' || c == u'\f';
    }

    // Text in the current format follows: what waits in another format goes in first.
    void startText()
    {
        if (!m_pending.isEmpty() && !(m_pendingFormat == state().format))
            flush();
        if (m_pending.isEmpty())
            m_pendingFormat = state().format;
    }

    void flush()
    {
        if (m_pending.isEmpty())
            return;
        m_document.append(m_pending, m_pendingFormat);
        m_pending.resize(0);  // keeps its room for the next text
        m_pendingHasEnd = false;
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
    const char* m_at = nullptr;
    const char* const m_end;
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
    bool m_pendingHasEnd = false;  // a paragraph end or page break waits in m_pending
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
        throw files::FileError(files::errorTexts().cannotOpen.arg(files::shownPath(path)));
    return readDocument(file.readAll(), plainFormat);
}

}  // namespace richtext
