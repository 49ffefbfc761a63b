#pragma once
// The Amazon product page of the code (by its ISBN-10 or product number): whether the product
// exists is told by the page title, which also gives the title and author; on the French site
// the page also gives the summary, the cover and the details (binding, pages, publisher, date).
#include "web/BookSource.h"

namespace browser {
class PageDocument;
}

namespace web {

class CoverDownload;
class PageFetch;

class AmazonReader : public BookSource {
public:
    AmazonReader(PageFetch& pages, CoverDownload& covers) : m_pages(pages), m_covers(covers) {}

    bool enabled(const app::Settings& settings) const override;
    std::optional<QString> labelBefore() const override { return QStringLiteral("Amazonpage"); }
    BookRecord ask(const LookupQuery& query) override;
    void fetchCover(const LookupQuery& query, BookRecord& record) override;

    // What the product page says of the book the query names; its picture is the cover's
    // address, read only when no cover was stored yet.
    static BookRecord readPage(const browser::PageDocument& page, const LookupQuery& query);

    // Splits a product page's title into the book's title and author.
    static void splitTitle(const QString& pageTitle, QString& title, QString& author);
    // Whether the page title of the site ("fr", "de" or "com") says the product does not exist.
    // A title that is only the store's name (its robot check) also counts as missing.
    static bool isMissingProduct(const QString& site, const QString& pageTitle);

private:
    static QString summaryOf(const QString& bodyText);
    static QString pictureOf(const QString& bodyHtml);
    static void readDetails(BookRecord& record, const QString& bodyHtml);

    PageFetch& m_pages;
    CoverDownload& m_covers;
};

}  // namespace web
