#pragma once
// The web result panel's two ways of taking the book from the page it shows: "Lire la page"
// reads an Amazon product page or a Rakuten page into the entry tab and fetches the cover;
// "Prendre la page" takes an Amazon page's picture, cover and back-cover summary into the
// current copy of the table (on the entry tab) or only writes the page to disk (on the
// Compléments tab).
#include <QString>

namespace app {
class TFrmPrin;
}

namespace web {

class CoverDownload;
class PageFetch;
class ShownPage;

class ShownPageReader {
public:
    ShownPageReader(app::TFrmPrin& frm, const ShownPage& shown, PageFetch& pages, CoverDownload& covers);

    void Button93Click();
    void SpeedButton3Click();

    // A Rakuten picture's "no picture" mark.
    static constexpr qint64 kRakutenNoPictureSize = 7794;

private:
    void ReadRakutenPage(const QString& html);
    void readAmazonPage(const QString& title, const QString& html);
    // Title and author from the page title. Returns where the author's search stopped: the
    // details cut the publisher's block there when the page has no French publisher marker.
    int splitPageTitle(const QString& pageTitle);
    void readDetails(const QString& bodyText, int authorCut);
    void readCodes(const QString& html);
    void readAmazonPicture(const QString& html);
    void closePanel();
    // True once the page was taken (its title was not empty).
    bool TakeShownPageIntoRecord();

    app::TFrmPrin& m_frm;
    const ShownPage& m_shown;
    PageFetch& m_pages;
    CoverDownload& m_covers;
};

}  // namespace web
