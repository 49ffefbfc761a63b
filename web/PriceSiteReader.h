#pragma once
// The price-comparison site, read in the book screen's web view: the book's price page (its
// search page for a 979 code) is loaded and its HTML asked of the page once it completed. The
// title comes from the page's address, which names the book after its ISBN-10; the cover,
// author, date and publisher from the page. The book counts as found only when a title came
// from the page within the wait; a page that comes later is not read.
#include "web/BookSource.h"

namespace app {
class TFrmPrin;
}
namespace ui {
class Memo;
class WinControl;
class WebBrowser;
}  // namespace ui

namespace web {

class CoverDownload;

// The cover picture's address that a page of the price site links as its image, up to its
// ".jpg"; empty when it links none of the site's pictures.
QString priceSitePictureAddress(const QString& pageText);
// What the page of `code` at `address` says of its book; its picture is the cover's address.
BookRecord readPriceSitePage(const QString& html, const QString& address, const QString& code);

class PriceSiteReader : public BookSource {
public:
    // Its page view and the page's text lie hidden on the book screen `screen`.
    PriceSiteReader(app::TFrmPrin& frm, ui::WinControl& screen, CoverDownload& covers);

    bool enabled(const app::Settings& settings) const override;
    std::optional<QString> labelBefore() const override { return QStringLiteral("ChasseLivre"); }
    BookRecord ask(const LookupQuery& query) override;
    void fetchCover(const LookupQuery& query, BookRecord& record) override;

    void EdgeBrowser2NavigationCompleted(bool isSuccess);
    void EdgeBrowser2ExecuteScript(const QString& resultJson);

    // How long the look-up waits for the page and its HTML (real time).
    static constexpr int kPageWaitMs = 20'000;

private:
    app::TFrmPrin& m_frm;
    CoverDownload& m_covers;
    ui::WebBrowser& m_view;  // EdgeBrowser2
    ui::Memo& m_pageText;    // Memo10
    bool m_waiting = false;
    // The code asked for, and what its page gave within the wait.
    QString m_code;
    BookRecord m_record;
};

}  // namespace web
