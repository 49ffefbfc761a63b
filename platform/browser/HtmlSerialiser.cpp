#include "platform/browser/HtmlSerialiser.h"

#include <gumbo.h>
#include <utility>
#include <vector>

namespace browser {

namespace {

bool isVoid(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_AREA: case GUMBO_TAG_BASE: case GUMBO_TAG_BASEFONT: case GUMBO_TAG_BGSOUND: case GUMBO_TAG_BR:
    case GUMBO_TAG_COL: case GUMBO_TAG_EMBED: case GUMBO_TAG_FRAME: case GUMBO_TAG_HR: case GUMBO_TAG_IMG:
    case GUMBO_TAG_INPUT: case GUMBO_TAG_KEYGEN: case GUMBO_TAG_LINK: case GUMBO_TAG_META: case GUMBO_TAG_PARAM:
    case GUMBO_TAG_SOURCE: case GUMBO_TAG_TRACK: case GUMBO_TAG_WBR:
        return true;
    default:
        return false;
    }
}

bool keepsRawText(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_STYLE: case GUMBO_TAG_SCRIPT: case GUMBO_TAG_XMP: case GUMBO_TAG_IFRAME: case GUMBO_TAG_NOEMBED:
    case GUMBO_TAG_NOFRAMES: case GUMBO_TAG_PLAINTEXT: case GUMBO_TAG_NOSCRIPT:
        return true;
    default:
        return false;
    }
}

QString tagName(const GumboElement& element)
{
    if (element.tag != GUMBO_TAG_UNKNOWN)
        return QString::fromLatin1(gumbo_normalized_tagname(element.tag));
    GumboStringPiece original = element.original_tag;
    gumbo_tag_from_original_text(&original);
    return QString::fromUtf8(original.data, qsizetype(original.length)).toLower();
}

QString escaped(const QString& s, bool inAttribute)
{
    QString out;
    out.reserve(s.size());
    for (QChar c : s) {
        if (c == u'&')
            out += QStringLiteral("&amp;");
        else if (c == QChar(0xA0))
            out += QStringLiteral("&nbsp;");
        else if (inAttribute && c == u'"')
            out += QStringLiteral("&quot;");
        else if (!inAttribute && c == u'<')
            out += QStringLiteral("&lt;");
        else if (!inAttribute && c == u'>')
            out += QStringLiteral("&gt;");
        else
            out += c;
    }
    return out;
}

// Writes a node whole, or the start tag of an element whose children are written next.
void writeNodeStart(const GumboNode* node, QString& out, std::vector<std::pair<const GumboNode*, unsigned>>& open)
{
    switch (node->type) {
    case GUMBO_NODE_TEXT:
    case GUMBO_NODE_WHITESPACE: {
        const QString text = QString::fromUtf8(node->v.text.text);
        const bool raw = node->parent && node->parent->type == GUMBO_NODE_ELEMENT &&
                         keepsRawText(node->parent->v.element.tag);
        out += raw ? text : escaped(text, false);
        return;
    }
    case GUMBO_NODE_CDATA:
        out += QStringLiteral("<![CDATA[") + QString::fromUtf8(node->v.text.text) + QStringLiteral("]]>");
        return;
    case GUMBO_NODE_COMMENT:
        out += QStringLiteral("<!--") + QString::fromUtf8(node->v.text.text) + QStringLiteral("-->");
        return;
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE:
        break;
    default:
        return;
    }
    const GumboElement& element = node->v.element;
    out += u'<' + tagName(element);
    for (unsigned i = 0; i < element.attributes.length; ++i) {
        const auto* attribute = static_cast<const GumboAttribute*>(element.attributes.data[i]);
        out += u' ' + QString::fromUtf8(attribute->name) + QStringLiteral("=\"") +
               escaped(QString::fromUtf8(attribute->value), true) + u'"';
    }
    out += u'>';
    if (!isVoid(element.tag))
        open.push_back({node, 0});
}

// Written with a stack of its own: a page may nest deeper than the call stack goes.
void writeChildren(const GumboNode* parent, QString& out)
{
    std::vector<std::pair<const GumboNode*, unsigned>> open{{parent, 0}};
    while (!open.empty()) {
        auto& [element, nextChild] = open.back();
        const GumboVector& children = element->v.element.children;
        if (nextChild < children.length) {
            writeNodeStart(static_cast<const GumboNode*>(children.data[nextChild++]), out, open);
            continue;
        }
        if (open.size() > 1)
            out += QStringLiteral("</") + tagName(element->v.element) + u'>';
        open.pop_back();
    }
}

}  // namespace

QString innerHtml(const GumboInternalNode* element)
{
    QString out;
    if (element)
        writeChildren(element, out);
    return out;
}

}  // namespace browser
