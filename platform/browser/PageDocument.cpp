#include "platform/browser/PageDocument.h"

#include "platform/browser/HtmlSerialiser.h"
#include "platform/browser/InnerText.h"

#include <gumbo.h>
#include <memory>

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

const GumboNode* findElement(const GumboNode* node, GumboTag tag)
{
    if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_DOCUMENT)
        return nullptr;
    if (node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == tag)
        return node;
    const GumboVector& children =
        node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        if (const GumboNode* found = findElement(static_cast<const GumboNode*>(children.data[i]), tag))
            return found;
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

}  // namespace

PageDocument PageDocument::fromHtml(const QString& html)
{
    const QByteArray utf8 = html.toUtf8();
    std::unique_ptr<GumboOutput, void (*)(GumboOutput*)> output(
        gumbo_parse_with_options(&kGumboDefaultOptions, utf8.constData(), size_t(utf8.size())),
        [](GumboOutput* o) { gumbo_destroy_output(&kGumboDefaultOptions, o); });
    PageDocument page;
    if (const GumboNode* title = findElement(output->document, GUMBO_TAG_TITLE))
        page.title = collapsedText(title);
    const GumboNode* body = childElement(output->root, GUMBO_TAG_BODY);
    page.innerText = browser::innerText(body);
    page.innerHtml = browser::innerHtml(body);
    return page;
}

PageDocument PageDocument::fromPlainText(const QString& text)
{
    PageDocument page;
    page.innerText = text;
    page.innerHtml = QStringLiteral("<pre>") + escapedText(text) + QStringLiteral("</pre>");
    return page;
}

PageDocument PageDocument::cancelledNavigation()
{
    const QString text = QStringLiteral("Navigation annulée");
    return {text, text, QStringLiteral("<h1>") + text + QStringLiteral("</h1>")};
}

}  // namespace browser
