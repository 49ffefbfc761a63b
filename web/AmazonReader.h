#pragma once
// The Amazon product page of the code (by its ISBN-10 or product number): whether the product
// exists is told by the page title, which also gives the title and author; on the French site
// the page also gives the summary, the cover and the details (binding, pages, publisher, date).
#include "web/BookSource.h"

namespace web {

class CoverDownload;
class PageFetch;

class AmazonReader : public BookSource {
public:
    AmazonReader(PageFetch& pages, CoverDownload& covers) : m_pages(pages), m_covers(covers) {}

    bool enabled(const app::Settings& settings) const override;
    QString label() const override { return QStringLiteral("Amazonpage"); }
    void ask(app::TFrmPrin& frm) override { ReadAmazonPage(frm); }

    void ReadAmazonPage(app::TFrmPrin& frm);
    // Only the cover of the book in the entry fields, taken from its product page.
    void FetchMissingCover(app::TFrmPrin& frm);

    // Splits a product page's title into the book's title and author.
    static void splitTitle(const QString& pageTitle, QString& title, QString& author);
    // Whether the page title of the site ("fr", "de" or "com") says the product does not exist.
    // A title that is only the store's name (its robot check) also counts as missing.
    static bool isMissingProduct(const QString& site, const QString& pageTitle);

private:
    static QString summaryOf(const QString& bodyText);
    void readCover(app::TFrmPrin& frm, const QString& bodyHtml, const QString& code);
    static void readDetails(app::TFrmPrin& frm, const QString& bodyHtml);

    PageFetch& m_pages;
    CoverDownload& m_covers;
};

}  // namespace web
