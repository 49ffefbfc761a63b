#include "platform/browser/PageDocument.h"

#include "platform/browser/HtmlSerialiser.h"
#include "platform/browser/InnerText.h"
#include "platform/browser/PageNesting.h"
#include "platform/browser/PageParse.h"
#include "platform/browser/Texts.h"

#include <gumbo.h>
#include <memory>
#include <vector>

namespace browser {

namespace {

const GumboNode* childElement(const GumboNode* parent, GumboTag tag)
{
    if (!parent || parent->type != GUMBO_NODE_ELEMENT)
        return nullptr;
    const GumboVector& children = parent->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(children.data[i]);
        if (child->type == GUMBO_NODE_ELEMENT && child->v.element.tag == tag)
            return child;
    }
    return nullptr;
}

// The first element of that kind in document order, searched with a stack of its own: a page
// may nest deeper than the call stack goes.
const GumboNode* findElement(const GumboNode* root, GumboTag tag)
{
    std::vector<const GumboNode*> pending{root};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_DOCUMENT)
            continue;
        if (node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == tag)
            return node;
        const GumboVector& children =
            node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
        for (unsigned i = children.length; i > 0; --i)
            pending.push_back(static_cast<const GumboNode*>(children.data[i - 1]));
    }
    return nullptr;
}

QString collapsedText(const GumboNode* element)
{
    QString raw;
    const GumboVector& children = element->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(children.data[i]);
        if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_WHITESPACE)
            raw += QString::fromUtf8(child->v.text.text);
    }
    QString out;
    bool space = false;
    for (QChar c : raw) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f') {
            space = !out.isEmpty();
            continue;
        }
        if (space)
            out += u' ';
        space = false;
        out += c;
    }
    return out;
}

QString escapedText(const QString& s)
{
    return s.toHtmlEscaped().replace(QStringLiteral("&quot;"), QStringLiteral("\""));
}

const GumboNode* bodyOf(const PageParse& parsed)
{
    return childElement(parsed.output()->root, GUMBO_TAG_BODY);
}

}  // namespace

PageDocument PageDocument::fromHtml(const QString& html)
{
    QByteArray utf8 = html.toUtf8();
    utf8.truncate(lengthWithinNesting(utf8));
    const ParseBudget budget = ParseBudget::forPage(utf8.size());
    auto parsed = std::make_shared<const PageParse>(std::move(utf8), budget);
    if (!parsed->output())
        return cancelledNavigation();
    PageDocument page;
    if (const GumboNode* title = findElement(parsed->output()->document, GUMBO_TAG_TITLE))
        page.m_title = collapsedText(title);
    page.m_parsed = std::move(parsed);
    return page;
}

const QString& PageDocument::innerText() const
{
    if (!m_innerText)
        m_innerText = m_parsed ? browser::innerText(bodyOf(*m_parsed)) : QString();
    return *m_innerText;
}

const QString& PageDocument::innerHtml() const
{
    if (!m_innerHtml)
        m_innerHtml = m_parsed ? browser::innerHtml(bodyOf(*m_parsed)) : QString();
    return *m_innerHtml;
}

PageDocument PageDocument::fromPlainText(const QString& text)
{
    PageDocument page;
    page.m_innerText = text;
    page.m_innerHtml = QStringLiteral("<pre>") + escapedText(text) + QStringLiteral("</pre>");
    return page;
}

PageDocument PageDocument::cancelledNavigation()
{
    PageDocument page;
    page.m_title = texts().cancelledNavigation;
    page.m_innerText = page.m_title;
    page.m_innerHtml = QStringLiteral("<h1>") + page.m_title + QStringLiteral("</h1>");
    return page;
}

}  // namespace browser
