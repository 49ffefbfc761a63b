#pragma once
// The page the web result panel's view shows, as its engine had it once loaded (its scripts
// run): title, body text and body HTML made by the hidden browser's rules, so that the readers
// find their markers in the same form whichever browser showed the page.
#include "platform/browser/PageDocument.h"

namespace web {

class ShownPage {
public:
    // Keeps the view's answer to the whole-document script; an answer without a document
    // forgets the page.
    void keep(const QString& resultJson);
    const browser::PageDocument& document() const { return m_document; }

private:
    browser::PageDocument m_document;
};

}  // namespace web
