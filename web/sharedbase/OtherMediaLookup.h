#pragma once
// "Rechercher" of the other-media screen: a code is first looked for among the stored copies,
// then on the web. A product reference (10 characters or fewer, in "Ean10") is read from its
// Amazon product page: title, author, cover and details; a longer barcode is searched on Amazon,
// whose result page is kept as a dump, then on the price site in the screen's web view, whose
// page fills the fields once it has come. "Chasse livres" opens the price site's search in the
// desktop's browser.
#include "web/sharedbase/OtherMediaLookupControls.h"

#include <QString>

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct OtherMediaControls;
}
namespace web {
class CoverDownload;
class PageFetch;
}  // namespace web

namespace sharedbase {

class OtherMediaLookup {
public:
    OtherMediaLookup(app::TFrmPrin& frm, const catalogue::OtherMediaControls& media,
                     const OtherMediaLookupControls& controls, web::PageFetch& pages, web::CoverDownload& covers);

    void Button32Click();
    void Button3Click();
    // The price site's page of the web view: the product reference and title from its address,
    // its cover and category from its HTML.
    void EdgeBrowser1ExecuteScript(const QString& resultJson);
    // Lists and shows the stored copies of the code; whether there is one.
    bool FindOtherMediaCopies(const QString& code);
    void SearchOtherMediaOnline();

    // The ISBN of a product page's HTML: the digits and "X" of the 17 characters from the first
    // "978-" (or "979-"), kept only when they make 13 characters.
    static QString isbnOfPage(const QString& html, const QString& prefix);

private:
    void readProductPage();
    void readCover(const QString& html);
    void readDetails(const QString& html);

    app::TFrmPrin& m_frm;
    const catalogue::OtherMediaControls& m_media;
    OtherMediaLookupControls m_controls;
    web::PageFetch& m_pages;
    web::CoverDownload& m_covers;
    // Whether the web is still to be asked after the stored copies were looked at.
    bool m_webWanted = true;
};

}  // namespace sharedbase
