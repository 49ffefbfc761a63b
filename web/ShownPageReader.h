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
namespace browser {
class PageDocument;
}
namespace catalogue {
struct BookEntryControls;
}

namespace web {

class CoverDownload;
class PageFetch;
class ShownPage;
struct BookRecord;
struct WebResultControls;

// What the entry tab holds that reading a shown page may keep, and the choices it reads by.
struct ShownEntry {
    QString code;                // Edit10
    QString isbn10;              // Edit2
    QString price;               // Edit92
    QString amazonSite;          // "fr", "de" or "com"
    bool signInChecked = false;  // CheckBox17: the page is read without its signed-in text
};

// How far reading a shown page went: to its end, or stopped on an Amazon page without title
// (the panel stays) or without the signed-in text (the warning comes up).
enum class ShownPageEnd { Read, Left, SignInAsked };

class ShownPageReader {
public:
    ShownPageReader(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, const WebResultControls& panel,
                    const ShownPage& shown, PageFetch& pages, CoverDownload& covers);

    void Button93Click();
    void SpeedButton3Click();

    // A Rakuten picture's "no picture" mark.
    static constexpr qint64 kRakutenNoPictureSize = 7794;

    // What a shown page says of its book; its picture is the cover's address.
    static BookRecord readRakutenPage(const QString& html, const ShownEntry& entry);
    static BookRecord readAmazonPage(const browser::PageDocument& page, const ShownEntry& entry, ShownPageEnd& end);

private:
    // Title and author from the page title. Returns where the author's search stopped: the
    // details cut the publisher's block there when the page has no French publisher marker.
    static int splitPageTitle(const QString& pageTitle, BookRecord& record);
    static void readDetails(const QString& bodyText, int authorCut, const ShownEntry& entry, BookRecord& record);
    static void readCodes(const QString& html, const ShownEntry& entry, BookRecord& record);
    static QString amazonShownPicture(const QString& html);
    void closePanel();
    // True once the page was taken (its title was not empty).
    bool TakeShownPageIntoRecord();

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    const WebResultControls& m_panel;
    const ShownPage& m_shown;
    PageFetch& m_pages;
    CoverDownload& m_covers;
};

}  // namespace web
