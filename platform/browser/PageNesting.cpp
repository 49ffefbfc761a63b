#include "platform/browser/PageNesting.h"

#include <gumbo.h>

#include <array>
#include <vector>

namespace browser {

namespace {

bool nestsNothing(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_AREA: case GUMBO_TAG_BASE: case GUMBO_TAG_BASEFONT: case GUMBO_TAG_BGSOUND: case GUMBO_TAG_BR:
    case GUMBO_TAG_COL: case GUMBO_TAG_EMBED: case GUMBO_TAG_FRAME: case GUMBO_TAG_HR: case GUMBO_TAG_IMG:
    case GUMBO_TAG_IMAGE: case GUMBO_TAG_INPUT: case GUMBO_TAG_KEYGEN: case GUMBO_TAG_LINK: case GUMBO_TAG_META:
    case GUMBO_TAG_PARAM: case GUMBO_TAG_SOURCE: case GUMBO_TAG_TRACK: case GUMBO_TAG_WBR: case GUMBO_TAG_ISINDEX:
    case GUMBO_TAG_HTML: case GUMBO_TAG_HEAD: case GUMBO_TAG_BODY:
        return true;
    default:
        return false;
    }
}

// Elements whose content the tokenizer reads as text up to their end tag.
bool holdsTextOnly(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_SCRIPT: case GUMBO_TAG_STYLE: case GUMBO_TAG_XMP: case GUMBO_TAG_IFRAME: case GUMBO_TAG_NOEMBED:
    case GUMBO_TAG_NOFRAMES: case GUMBO_TAG_TITLE: case GUMBO_TAG_TEXTAREA:
        return true;
    default:
        return false;
    }
}

bool isFormatting(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_A: case GUMBO_TAG_B: case GUMBO_TAG_BIG: case GUMBO_TAG_CODE: case GUMBO_TAG_EM: case GUMBO_TAG_FONT:
    case GUMBO_TAG_I: case GUMBO_TAG_NOBR: case GUMBO_TAG_S: case GUMBO_TAG_SMALL: case GUMBO_TAG_STRIKE:
    case GUMBO_TAG_STRONG: case GUMBO_TAG_TT: case GUMBO_TAG_U:
        return true;
    default:
        return false;
    }
}

// Elements whose closing ends the reopening of formatting elements started inside them.
bool isFormattingMarker(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_APPLET: case GUMBO_TAG_CAPTION: case GUMBO_TAG_MARQUEE: case GUMBO_TAG_OBJECT: case GUMBO_TAG_TD:
    case GUMBO_TAG_TH: case GUMBO_TAG_TEMPLATE:
        return true;
    default:
        return false;
    }
}

bool bordersScope(GumboTag tag)
{
    return isFormattingMarker(tag) || tag == GUMBO_TAG_TABLE || tag == GUMBO_TAG_HTML;
}

bool bordersTableScope(GumboTag tag)
{
    return tag == GUMBO_TAG_TABLE || tag == GUMBO_TAG_TEMPLATE || tag == GUMBO_TAG_HTML;
}

bool isTablePart(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_TABLE: case GUMBO_TAG_TBODY: case GUMBO_TAG_THEAD: case GUMBO_TAG_TFOOT: case GUMBO_TAG_TR:
    case GUMBO_TAG_TD: case GUMBO_TAG_TH: case GUMBO_TAG_CAPTION: case GUMBO_TAG_COLGROUP:
        return true;
    default:
        return false;
    }
}

bool isHeading(GumboTag tag)
{
    return tag >= GUMBO_TAG_H1 && tag <= GUMBO_TAG_H6;
}

// Elements that an end tag of another name passes over: the parser closes them itself.
bool endsImplicitly(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_DD: case GUMBO_TAG_DT: case GUMBO_TAG_LI: case GUMBO_TAG_OPTGROUP: case GUMBO_TAG_OPTION:
    case GUMBO_TAG_P: case GUMBO_TAG_RB: case GUMBO_TAG_RP: case GUMBO_TAG_RT: case GUMBO_TAG_RTC:
        return true;
    default:
        return false;
    }
}

// Elements an unmatched end tag may pass over; every other element stops it.
bool isPhrasing(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_SPAN: case GUMBO_TAG_ABBR: case GUMBO_TAG_ACRONYM: case GUMBO_TAG_BDI: case GUMBO_TAG_BDO:
    case GUMBO_TAG_CITE: case GUMBO_TAG_DATA: case GUMBO_TAG_DEL: case GUMBO_TAG_DFN: case GUMBO_TAG_INS:
    case GUMBO_TAG_KBD: case GUMBO_TAG_LABEL: case GUMBO_TAG_MARK: case GUMBO_TAG_Q: case GUMBO_TAG_RUBY:
    case GUMBO_TAG_SAMP: case GUMBO_TAG_SUB: case GUMBO_TAG_SUP: case GUMBO_TAG_TIME: case GUMBO_TAG_VAR:
        return true;
    default:
        return isFormatting(tag);
    }
}

// Start tags that close an open p.
bool closesParagraph(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_ADDRESS: case GUMBO_TAG_ARTICLE: case GUMBO_TAG_ASIDE: case GUMBO_TAG_BLOCKQUOTE:
    case GUMBO_TAG_CENTER: case GUMBO_TAG_DETAILS: case GUMBO_TAG_DIR: case GUMBO_TAG_DIV: case GUMBO_TAG_DL:
    case GUMBO_TAG_FIELDSET: case GUMBO_TAG_FIGCAPTION: case GUMBO_TAG_FIGURE: case GUMBO_TAG_FOOTER:
    case GUMBO_TAG_HEADER: case GUMBO_TAG_HGROUP: case GUMBO_TAG_MAIN: case GUMBO_TAG_MENU: case GUMBO_TAG_NAV:
    case GUMBO_TAG_OL: case GUMBO_TAG_P: case GUMBO_TAG_SECTION: case GUMBO_TAG_SUMMARY: case GUMBO_TAG_UL:
    case GUMBO_TAG_PRE: case GUMBO_TAG_LISTING: case GUMBO_TAG_FORM: case GUMBO_TAG_LI: case GUMBO_TAG_DD:
    case GUMBO_TAG_DT:
        return true;
    default:
        return isHeading(tag);
    }
}

// End tags the parser matches with an element in scope. Any other end tag closes the innermost
// element of its name only when no special element lies above it.
bool endsInScope(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_APPLET: case GUMBO_TAG_MARQUEE: case GUMBO_TAG_OBJECT: case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_BUTTON: case GUMBO_TAG_SELECT: case GUMBO_TAG_OPTION: case GUMBO_TAG_OPTGROUP:
        return true;
    default:
        return closesParagraph(tag) || isTablePart(tag);
    }
}

// Start tags that leave SVG or MathML content for HTML.
bool leavesForeignContent(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_B: case GUMBO_TAG_BIG: case GUMBO_TAG_BLOCKQUOTE: case GUMBO_TAG_BR: case GUMBO_TAG_CENTER:
    case GUMBO_TAG_CODE: case GUMBO_TAG_DD: case GUMBO_TAG_DIV: case GUMBO_TAG_DL: case GUMBO_TAG_DT:
    case GUMBO_TAG_EM: case GUMBO_TAG_EMBED: case GUMBO_TAG_HEAD: case GUMBO_TAG_HR: case GUMBO_TAG_I:
    case GUMBO_TAG_IMG: case GUMBO_TAG_LI: case GUMBO_TAG_LISTING: case GUMBO_TAG_MENU: case GUMBO_TAG_META:
    case GUMBO_TAG_NOBR: case GUMBO_TAG_OL: case GUMBO_TAG_P: case GUMBO_TAG_PRE: case GUMBO_TAG_RUBY:
    case GUMBO_TAG_S: case GUMBO_TAG_SMALL: case GUMBO_TAG_SPAN: case GUMBO_TAG_STRONG: case GUMBO_TAG_STRIKE:
    case GUMBO_TAG_SUB: case GUMBO_TAG_SUP: case GUMBO_TAG_TABLE: case GUMBO_TAG_TT: case GUMBO_TAG_U:
    case GUMBO_TAG_UL: case GUMBO_TAG_VAR: case GUMBO_TAG_FONT: case GUMBO_TAG_BODY:
        return true;
    default:
        return isHeading(tag);
    }
}

// SVG and MathML elements whose children are HTML again.
bool opensHtmlInside(const QByteArray& name)
{
    return name == "foreignobject" || name == "desc" || name == "title" || name == "annotation-xml" ||
           name == "mi" || name == "mo" || name == "mn" || name == "ms" || name == "mtext";
}

// A running estimate of the parser's depth: its stack of open elements plus the formatting
// elements it may reopen (those closed by another element's end tag, which come back at the
// next text). Where the parser's rules are not followed closely, the estimate errs deep.
class NestingEstimate {
public:
    NestingEstimate() { m_openCount.fill(0); }

    int depth() const { return int(m_open.size()) + m_reopenable; }
    bool inForeignContent() const { return !m_open.empty() && m_open.back().foreign && !m_open.back().htmlInside; }

    // Text reopens the formatting elements closed by another element's end.
    void text()
    {
        if (m_reopenable == 0 || inForeignContent())
            return;
        size_t first = m_formatting.size();
        while (first > 0 && m_formatting[first - 1].tag != GUMBO_TAG_LAST)
            --first;
        for (size_t i = first; i < m_formatting.size(); ++i) {
            Formatting& entry = m_formatting[i];
            if (entry.open)
                continue;
            m_open.push_back({entry.tag, {}, false, false, ++m_serial});
            ++m_openCount[entry.tag];
            entry.serial = m_serial;
            entry.open = true;
            --m_reopenable;
        }
    }

    // False when the tag would go deeper than the bound.
    bool start(GumboTag tag, const QByteArray& name, const QByteArray& attributes, bool selfClosing)
    {
        if (inForeignContent()) {
            if (leavesForeignContent(tag)) {
                while (inForeignContent())
                    popTop();
            } else {
                return selfClosing || push(tag, name, true);
            }
        }
        if (nestsNothing(tag))
            return true;
        if (tag == GUMBO_TAG_SVG || tag == GUMBO_TAG_MATH)
            return selfClosing || push(tag, name, true);
        closeBefore(tag);
        text();
        if (tag == GUMBO_TAG_FORM && m_openCount[GUMBO_TAG_FORM] > 0)
            return true;
        if (tag == GUMBO_TAG_TD || tag == GUMBO_TAG_TH || tag == GUMBO_TAG_TR) {
            if (topIs(GUMBO_TAG_TABLE) && !push(GUMBO_TAG_TBODY, {}, false))
                return false;
            if (tag != GUMBO_TAG_TR && !topIs(GUMBO_TAG_TR) && !push(GUMBO_TAG_TR, {}, false))
                return false;
        }
        if (!push(tag, name, false))
            return false;
        if (isFormatting(tag))
            remember(tag, attributes);
        else if (isFormattingMarker(tag))
            m_formatting.push_back({GUMBO_TAG_LAST, {}, m_serial, true});
        return true;
    }

    void end(GumboTag tag, const QByteArray& name)
    {
        if (!m_open.empty() && m_open.back().foreign) {
            for (int at = int(m_open.size()) - 1; at >= 0 && m_open[size_t(at)].foreign; --at)
                if (m_open[size_t(at)].name == name) {
                    popTo(at);
                    return;
                }
        }
        if (nestsNothing(tag))
            return;
        if (isFormatting(tag) && endFormatting(tag))
            return;
        if (tag == GUMBO_TAG_FORM) {
            if (const int at = findInScope(tag, name, bordersScope); at >= 0)
                erase(at);
            return;
        }
        if (!endsInScope(tag)) {
            // Passes over phrasing elements only, where the parser passes over any but the special.
            for (int at = int(m_open.size()) - 1; at >= 0; --at) {
                if (matches(m_open[size_t(at)], tag, name)) {
                    popTo(at);
                    return;
                }
                const Open& open = m_open[size_t(at)];
                if (open.htmlInside || (!open.foreign && !isPhrasing(open.tag) && !endsImplicitly(open.tag)))
                    return;
            }
            return;
        }
        bool (*border)(GumboTag) = bordersScope;
        if (isTablePart(tag))
            border = bordersTableScope;
        else if (tag == GUMBO_TAG_LI)
            border = [](GumboTag t) { return bordersScope(t) || t == GUMBO_TAG_OL || t == GUMBO_TAG_UL; };
        else if (tag == GUMBO_TAG_P)
            border = [](GumboTag t) { return bordersScope(t) || t == GUMBO_TAG_BUTTON; };
        if (const int at = findInScope(tag, name, border); at >= 0)
            popTo(at);
    }

private:
    struct Open {
        GumboTag tag;
        QByteArray name;  // for elements the parser does not know
        bool foreign;  // SVG or MathML
        bool htmlInside;
        int serial;
    };
    // An entry of the formatting elements the parser may reopen; GUMBO_TAG_LAST marks a cell,
    // caption or object, past which none is reopened.
    struct Formatting {
        GumboTag tag;
        QByteArray attributes;
        int serial;
        bool open;
    };

    static bool matches(const Open& open, GumboTag tag, const QByteArray& name)
    {
        if (open.foreign)
            return false;
        if (isHeading(tag))
            return isHeading(open.tag);
        return open.tag == tag && (tag != GUMBO_TAG_UNKNOWN || open.name == name);
    }

    bool topIs(GumboTag tag) const { return !m_open.empty() && m_open.back().tag == tag && !m_open.back().foreign; }

    bool push(GumboTag tag, const QByteArray& name, bool foreign)
    {
        if (depth() >= kMaxPageNesting)
            return false;
        m_open.push_back({tag, tag == GUMBO_TAG_UNKNOWN || foreign ? name : QByteArray(), foreign,
                          foreign && opensHtmlInside(name), ++m_serial});
        if (!foreign)
            ++m_openCount[tag];
        return true;
    }

    // The innermost open element of that name inside the scope the border sets; -1 if none.
    int findInScope(GumboTag tag, const QByteArray& name, bool (*border)(GumboTag)) const
    {
        if (!isHeading(tag) && m_openCount[tag] == 0)
            return -1;
        for (int at = int(m_open.size()) - 1; at >= 0; --at) {
            const Open& open = m_open[size_t(at)];
            if (matches(open, tag, name))
                return at;
            if ((!open.foreign && border(open.tag)) || open.htmlInside)
                return -1;
        }
        return -1;
    }

    // Start tags that close what is open first: a paragraph before a block, a list item before
    // the next, a cell or row before the next, a link before another.
    void closeBefore(GumboTag tag)
    {
        auto closeInScope = [this](GumboTag open, bool (*border)(GumboTag)) {
            if (const int at = findInScope(open, {}, border); at >= 0)
                popTo(at);
        };
        if (closesParagraph(tag))
            closeInScope(GUMBO_TAG_P, [](GumboTag t) { return bordersScope(t) || t == GUMBO_TAG_BUTTON; });
        switch (tag) {
        case GUMBO_TAG_LI:
        case GUMBO_TAG_DD:
        case GUMBO_TAG_DT:
            // Over phrasing elements and divisions only.
            for (int at = int(m_open.size()) - 1; at >= 0; --at) {
                const GumboTag open = m_open[size_t(at)].tag;
                if (m_open[size_t(at)].foreign)
                    return;
                if (tag == GUMBO_TAG_LI ? open == GUMBO_TAG_LI : (open == GUMBO_TAG_DD || open == GUMBO_TAG_DT)) {
                    popTo(at);
                    return;
                }
                if (!isPhrasing(open) && open != GUMBO_TAG_DIV && open != GUMBO_TAG_ADDRESS && open != GUMBO_TAG_P)
                    return;
            }
            return;
        case GUMBO_TAG_OPTION:
        case GUMBO_TAG_OPTGROUP:
            if (topIs(GUMBO_TAG_OPTION))
                popTop();
            if (tag == GUMBO_TAG_OPTGROUP && topIs(GUMBO_TAG_OPTGROUP))
                popTop();
            return;
        case GUMBO_TAG_TD:
        case GUMBO_TAG_TH:
        case GUMBO_TAG_TR:
        case GUMBO_TAG_TBODY:
        case GUMBO_TAG_THEAD:
        case GUMBO_TAG_TFOOT:
            closeInScope(GUMBO_TAG_TD, bordersTableScope);
            closeInScope(GUMBO_TAG_TH, bordersTableScope);
            if (tag == GUMBO_TAG_TD || tag == GUMBO_TAG_TH)
                return;
            closeInScope(GUMBO_TAG_TR, bordersTableScope);
            if (tag == GUMBO_TAG_TR)
                return;
            for (GumboTag section : {GUMBO_TAG_TBODY, GUMBO_TAG_THEAD, GUMBO_TAG_TFOOT})
                closeInScope(section, bordersTableScope);
            return;
        case GUMBO_TAG_CAPTION:
        case GUMBO_TAG_COLGROUP:
            if (const int at = findInScope(GUMBO_TAG_TABLE, {}, bordersTableScope); at >= 0)
                popTo(at + 1);
            return;
        case GUMBO_TAG_TABLE:
            if (topIs(GUMBO_TAG_TABLE) || topIs(GUMBO_TAG_TBODY) || topIs(GUMBO_TAG_THEAD) || topIs(GUMBO_TAG_TFOOT) ||
                topIs(GUMBO_TAG_TR))
                closeInScope(GUMBO_TAG_TABLE, bordersTableScope);
            return;
        case GUMBO_TAG_A:
            endFormatting(tag);
            return;
        case GUMBO_TAG_NOBR:
        case GUMBO_TAG_BUTTON:
            closeInScope(tag, bordersScope);
            return;
        default:
            if (isHeading(tag) && !m_open.empty() && isHeading(m_open.back().tag) && !m_open.back().foreign)
                popTop();
            return;
        }
    }

    // The end of a formatting element: only it closes, whatever was opened inside it stays
    // (the parser moves or reopens those). False when the parser treats it as another end tag.
    bool endFormatting(GumboTag tag)
    {
        int entry = int(m_formatting.size()) - 1;
        for (; entry >= 0 && m_formatting[size_t(entry)].tag != GUMBO_TAG_LAST; --entry)
            if (m_formatting[size_t(entry)].tag == tag)
                break;
        if (entry < 0 || m_formatting[size_t(entry)].tag != tag)
            return false;
        if (!m_formatting[size_t(entry)].open) {
            forget(entry);
            return true;
        }
        const int serial = m_formatting[size_t(entry)].serial;
        for (int at = int(m_open.size()) - 1; at >= 0; --at) {
            if (m_open[size_t(at)].serial == serial) {
                erase(at);
                return true;
            }
            if (!m_open[size_t(at)].foreign && bordersScope(m_open[size_t(at)].tag))
                return true;
        }
        return true;
    }

    // A formatting element opened: at most three alike are reopened.
    void remember(GumboTag tag, const QByteArray& attributes)
    {
        int alike = 0;
        int earliest = -1;
        for (int i = int(m_formatting.size()) - 1; i >= 0 && m_formatting[size_t(i)].tag != GUMBO_TAG_LAST; --i) {
            if (m_formatting[size_t(i)].tag == tag && m_formatting[size_t(i)].attributes == attributes) {
                ++alike;
                earliest = i;
            }
        }
        if (alike >= 3)
            forget(earliest);
        m_formatting.push_back({tag, attributes, m_serial, true});
    }

    void forget(int entry)
    {
        if (!m_formatting[size_t(entry)].open)
            --m_reopenable;
        m_formatting.erase(m_formatting.begin() + entry);
    }

    void popTo(int at)
    {
        while (int(m_open.size()) > at)
            popTop();
    }

    void popTop()
    {
        const Open open = m_open.back();
        m_open.pop_back();
        if (!open.foreign)
            --m_openCount[open.tag];
        if (open.foreign)
            return;
        if (isFormattingMarker(open.tag)) {
            while (!m_formatting.empty()) {
                const bool marker = m_formatting.back().tag == GUMBO_TAG_LAST;
                forget(int(m_formatting.size()) - 1);
                if (marker)
                    break;
            }
        } else if (isFormatting(open.tag)) {
            for (auto it = m_formatting.rbegin(); it != m_formatting.rend(); ++it)
                if (it->serial == open.serial && it->tag != GUMBO_TAG_LAST) {
                    it->open = false;
                    ++m_reopenable;
                    break;
                }
        }
    }

    // Closes one element whatever is open inside it.
    void erase(int at)
    {
        const Open open = m_open[size_t(at)];
        m_open.erase(m_open.begin() + at);
        if (!open.foreign)
            --m_openCount[open.tag];
        for (int i = int(m_formatting.size()) - 1; i >= 0; --i)
            if (m_formatting[size_t(i)].serial == open.serial && m_formatting[size_t(i)].tag != GUMBO_TAG_LAST) {
                m_formatting.erase(m_formatting.begin() + i);
                break;
            }
    }

    std::vector<Open> m_open;
    std::array<int, GUMBO_TAG_LAST + 1> m_openCount;
    std::vector<Formatting> m_formatting;
    int m_reopenable = 0;
    int m_serial = 0;
};

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isTagSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char lowered(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Where a comment or other markup that is no element ends (just past it).
qsizetype pastMarkupDeclaration(const QByteArray& page, qsizetype at)
{
    if (page.mid(at, 4) == "<!--") {
        const qsizetype dashes = page.indexOf("-->", at + 2);
        const qsizetype bang = page.indexOf("--!>", at + 4);
        if (dashes < 0 && bang < 0)
            return page.size();
        if (bang >= 0 && (dashes < 0 || bang < dashes))
            return bang + 4;
        return dashes + 3;
    }
    const qsizetype close = page.indexOf('>', at);
    return close < 0 ? page.size() : close + 1;
}

// Just past the end tag that ends text-only content, or the page's end.
qsizetype pastTextOnlyContent(const QByteArray& page, qsizetype at, const QByteArray& name)
{
    for (qsizetype i = page.indexOf("</", at); i >= 0; i = page.indexOf("</", i + 2)) {
        const qsizetype after = i + 2 + name.size();
        if (after > page.size())
            break;
        bool same = true;
        for (qsizetype k = 0; same && k < name.size(); ++k)
            same = lowered(page[i + 2 + k]) == name[k];
        if (same && (after == page.size() || isTagSpace(page[after]) || page[after] == '/' || page[after] == '>')) {
            const qsizetype close = page.indexOf('>', after);
            return close < 0 ? page.size() : close + 1;
        }
    }
    return page.size();
}

}  // namespace

qsizetype lengthWithinNesting(const QByteArray& page)
{
    NestingEstimate nesting;
    qsizetype i = 0;
    const qsizetype size = page.size();
    while (i < size) {
        const qsizetype tagStart = page.indexOf('<', i);
        if (tagStart < 0 || tagStart + 1 >= size)
            break;
        if (tagStart > i)
            nesting.text();
        const char next = page[tagStart + 1];
        if (next == '!' || next == '?' || (next == '/' && tagStart + 2 < size && !isAsciiLetter(page[tagStart + 2]))) {
            i = pastMarkupDeclaration(page, tagStart);
            continue;
        }
        const bool closing = next == '/';
        qsizetype at = tagStart + (closing ? 2 : 1);
        if (at >= size || !isAsciiLetter(page[at])) {
            i = tagStart + 1;
            continue;
        }
        QByteArray name;
        for (; at < size && !isTagSpace(page[at]) && page[at] != '/' && page[at] != '>'; ++at)
            name += lowered(page[at]);
        // The attributes: quoted values may hold '>', unquoted ones '/'.
        const qsizetype attributesStart = at;
        enum { BetweenAttributes, BeforeValue, InUnquotedValue } state = BetweenAttributes;
        bool selfClosing = false;
        for (; at < size && page[at] != '>'; ++at) {
            const char c = page[at];
            selfClosing = false;
            if (state == BeforeValue && (c == '"' || c == '\'')) {
                const qsizetype quoteEnd = page.indexOf(c, at + 1);
                at = quoteEnd < 0 ? size - 1 : quoteEnd;
                state = BetweenAttributes;
            } else if (state == BeforeValue && !isTagSpace(c)) {
                state = InUnquotedValue;
            } else if (state == InUnquotedValue && isTagSpace(c)) {
                state = BetweenAttributes;
            } else if (state == BetweenAttributes) {
                if (c == '=')
                    state = BeforeValue;
                selfClosing = c == '/';
            }
        }
        if (at >= size)
            break;  // a tag cut off by the page's end is dropped by the parser too
        const QByteArray attributes = page.mid(attributesStart, at - attributesStart);
        i = at + 1;
        const GumboTag tag = gumbo_tagn_enum(name.constData(), unsigned(name.size()));
        if (closing) {
            nesting.end(tag, name);
            continue;
        }
        const bool foreign = nesting.inForeignContent();
        if (!nesting.start(tag, name, attributes, selfClosing))
            return tagStart;
        if (tag == GUMBO_TAG_PLAINTEXT && !foreign)
            return size;
        if (holdsTextOnly(tag) && !foreign)
            i = pastTextOnlyContent(page, i, name);
    }
    return size;
}

}  // namespace browser
