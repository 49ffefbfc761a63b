#include "platform/browser/InnerText.h"

#include <gumbo.h>
#include <vector>

namespace browser {

namespace {

bool givesNoText(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_SCRIPT: case GUMBO_TAG_STYLE: case GUMBO_TAG_NOSCRIPT: case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_HEAD: case GUMBO_TAG_TITLE:
        return true;
    default:
        return false;
    }
}

bool isBlock(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_ADDRESS: case GUMBO_TAG_ARTICLE: case GUMBO_TAG_ASIDE: case GUMBO_TAG_BLOCKQUOTE:
    case GUMBO_TAG_BODY: case GUMBO_TAG_CAPTION: case GUMBO_TAG_CENTER: case GUMBO_TAG_DD: case GUMBO_TAG_DIR:
    case GUMBO_TAG_DIV: case GUMBO_TAG_DL: case GUMBO_TAG_DT: case GUMBO_TAG_FIELDSET: case GUMBO_TAG_FIGCAPTION:
    case GUMBO_TAG_FIGURE: case GUMBO_TAG_FOOTER: case GUMBO_TAG_FORM: case GUMBO_TAG_H1: case GUMBO_TAG_H2:
    case GUMBO_TAG_H3: case GUMBO_TAG_H4: case GUMBO_TAG_H5: case GUMBO_TAG_H6: case GUMBO_TAG_HEADER:
    case GUMBO_TAG_HGROUP: case GUMBO_TAG_HR: case GUMBO_TAG_LEGEND: case GUMBO_TAG_LI: case GUMBO_TAG_LISTING:
    case GUMBO_TAG_MAIN: case GUMBO_TAG_MENU: case GUMBO_TAG_NAV: case GUMBO_TAG_OL: case GUMBO_TAG_P:
    case GUMBO_TAG_PRE: case GUMBO_TAG_SECTION: case GUMBO_TAG_TABLE: case GUMBO_TAG_TBODY: case GUMBO_TAG_THEAD:
    case GUMBO_TAG_TFOOT: case GUMBO_TAG_TR: case GUMBO_TAG_UL: case GUMBO_TAG_SUMMARY: case GUMBO_TAG_DETAILS:
        return true;
    default:
        return false;
    }
}

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

class TextWriter {
public:
    void text(const QString& s)
    {
        for (QChar c : s) {
            if (isSpace(c)) {
                pendingSpace_ = true;
                continue;
            }
            put(c);
        }
    }

    void preformatted(const QString& s)
    {
        for (QChar c : s) {
            if (c == u'\r')
                continue;
            if (c == u'\n') {
                lineBreak();
                continue;
            }
            put(c);
        }
    }

    // A block's edge: a line end unless the line is empty.
    void blockEdge()
    {
        pendingSpace_ = false;
        if (lineHasText_)
            pendingBreaks_ = qMax(pendingBreaks_, 1);
    }

    void lineBreak()
    {
        pendingSpace_ = false;
        ++pendingBreaks_;
        lineHasText_ = false;
    }

    void cellSeparator()
    {
        pendingSpace_ = false;
        pendingTab_ = true;
    }

    QString result() const { return out_; }

private:
    void put(QChar c)
    {
        if (!out_.isEmpty()) {
            const bool newLine = pendingBreaks_ > 0;
            for (; pendingBreaks_ > 0; --pendingBreaks_)
                out_ += QStringLiteral("\r\n");
            if (pendingTab_)
                out_ += u'\t';
            else if (pendingSpace_ && !newLine && lineHasText_)
                out_ += u' ';
        }
        pendingBreaks_ = 0;
        pendingTab_ = false;
        pendingSpace_ = false;
        out_ += c;
        lineHasText_ = true;
    }

    QString out_;
    int pendingBreaks_ = 0;
    bool pendingSpace_ = false;
    bool pendingTab_ = false;
    bool lineHasText_ = false;
};

struct TextFrame {
    const GumboNode* element;
    bool inPre;
    bool block;
    unsigned nextChild;
};

// Writes a node's own text, or opens an element whose children are walked next.
void enterTextNode(const GumboNode* node, bool inPre, TextWriter& out, std::vector<TextFrame>& frames)
{
    switch (node->type) {
    case GUMBO_NODE_TEXT:
    case GUMBO_NODE_WHITESPACE:
    case GUMBO_NODE_CDATA: {
        const QString s = QString::fromUtf8(node->v.text.text);
        if (inPre)
            out.preformatted(s);
        else
            out.text(s);
        return;
    }
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE:
        break;
    default:
        return;
    }
    const GumboTag tag = node->v.element.tag;
    if (givesNoText(tag))
        return;
    if (tag == GUMBO_TAG_BR) {
        out.lineBreak();
        return;
    }
    const bool block = isBlock(tag);
    if (block)
        out.blockEdge();
    if ((tag == GUMBO_TAG_TD || tag == GUMBO_TAG_TH) && node->index_within_parent > 0) {
        // Only cells after another cell of the row are set apart.
        const GumboVector& siblings = node->parent->v.element.children;
        for (unsigned i = 0; i < node->index_within_parent; ++i) {
            const auto* before = static_cast<const GumboNode*>(siblings.data[i]);
            if (before->type == GUMBO_NODE_ELEMENT &&
                (before->v.element.tag == GUMBO_TAG_TD || before->v.element.tag == GUMBO_TAG_TH)) {
                out.cellSeparator();
                break;
            }
        }
    }
    const bool pre = inPre || tag == GUMBO_TAG_PRE || tag == GUMBO_TAG_LISTING || tag == GUMBO_TAG_TEXTAREA;
    frames.push_back({node, pre, block, 0});
}

// Walked with a stack of its own: a page may nest deeper than the call stack goes.
void writeText(const GumboNode* root, TextWriter& out)
{
    std::vector<TextFrame> frames;
    enterTextNode(root, false, out, frames);
    while (!frames.empty()) {
        TextFrame& frame = frames.back();
        const GumboVector& children = frame.element->v.element.children;
        if (frame.nextChild < children.length) {
            const auto* child = static_cast<const GumboNode*>(children.data[frame.nextChild++]);
            enterTextNode(child, frame.inPre, out, frames);
            continue;
        }
        if (frame.block)
            out.blockEdge();
        frames.pop_back();
    }
}

}  // namespace

QString innerText(const GumboInternalNode* body)
{
    if (!body)
        return {};
    TextWriter out;
    writeText(body, out);
    return out.result();
}

}  // namespace browser
