#pragma once
// What a reader sees of a loaded page: its title, the plain text of its body (InnerText.h says
// how it is laid out) and the HTML of its body.
#include <QString>

namespace browser {

struct PageDocument {
    QString title;
    QString innerText;
    QString innerHtml;

    static PageDocument fromHtml(const QString& html);
    // A plain-text file: no title, the text as it is, and the text in a <pre> as HTML.
    static PageDocument fromPlainText(const QString& text);
    // The page shown when no answer came: the readers find none of their markers in it, and
    // the ones that look for a cancelled navigation find "Navigation annulée".
    static PageDocument cancelledNavigation();
};

}  // namespace browser
