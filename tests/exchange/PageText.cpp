#include "tests/exchange/PageText.h"

#include <gumbo.h>

namespace {

void pageNodeText(const GumboNode* node, QString& text)
{
    if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE) {
        text += QString::fromUtf8(node->v.text.text);
    } else if (node->type == GUMBO_NODE_ELEMENT) {
        const GumboVector& children = node->v.element.children;
        for (unsigned i = 0; i < children.length; ++i)
            pageNodeText(static_cast<const GumboNode*>(children.data[i]), text);
    }
}

struct PageWalk {
    QString title;
    QStringList rows;
    QStringList images;
    QStringList paragraphs;
    int tables = 0;
    bool titleSeen = false;

    void walk(const GumboNode* node, bool inTable)
    {
        if (node->type != GUMBO_NODE_ELEMENT)
            return;
        const GumboTag tag = node->v.element.tag;
        // Continuation heads of printed sheets repeat a title; the page's own is the first.
        if (tag == GUMBO_TAG_TITLE && !titleSeen) {
            pageNodeText(node, title);
            titleSeen = true;
        }
        if (tag == GUMBO_TAG_TABLE) {
            ++tables;
            inTable = true;
        }
        if (tag == GUMBO_TAG_TR) {
            QString text;
            pageNodeText(node, text);
            rows << text;
        }
        if (tag == GUMBO_TAG_P && !inTable) {
            QString text;
            pageNodeText(node, text);
            paragraphs << text;
        }
        if (tag == GUMBO_TAG_IMG)
            if (const GumboAttribute* src = gumbo_get_attribute(&node->v.element.attributes, "src"))
                images << QString::fromUtf8(src->value);
        const GumboVector& children = node->v.element.children;
        for (unsigned i = 0; i < children.length; ++i)
            walk(static_cast<const GumboNode*>(children.data[i]), inTable);
    }
};

}  // namespace

ParsedPage::ParsedPage(const QString& page)
{
    const QByteArray utf8 = page.toUtf8();
    GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, utf8.constData(), size_t(utf8.size()));
    PageWalk w;
    w.walk(output->root, false);
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    m_title = w.title;
    m_rows = w.rows;
    m_images = w.images;
    m_paragraphs = w.paragraphs;
    m_tables = w.tables;
}
