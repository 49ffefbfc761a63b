#pragma once
// What a reader sees of a loaded page: its title, the plain text of its body (InnerText.h says
// how it is laid out) and the HTML of its body. The two body texts are made when first read,
// as the old browser made them: a reader that needs only one does not pay for the other.
#include <QString>
#include <memory>
#include <optional>

namespace browser {

class PageParse;

class PageDocument {
public:
    PageDocument() = default;
    // A page past the parser's budget (PageParse.h) reads as the cancelled navigation.
    static PageDocument fromHtml(const QString& html);
    // A plain-text file: no title, the text as it is, and the text in a <pre> as HTML.
    static PageDocument fromPlainText(const QString& text);
    // The page shown when no answer came: the readers find none of their markers in it, and
    // the ones that look for a cancelled navigation find the text the program gave (Texts.h).
    static PageDocument cancelledNavigation();

    const QString& title() const { return m_title; }
    const QString& innerText() const;
    const QString& innerHtml() const;

private:
    QString m_title;
    // The parsed page while a body text has not been read yet.
    std::shared_ptr<const PageParse> m_parsed;
    mutable std::optional<QString> m_innerText;
    mutable std::optional<QString> m_innerHtml;
};

}  // namespace browser
