#pragma once
// Decitre: the book page gives the title, subtitle, author, summary and publisher in its HTML;
// the book counts as found only once its cover came from the site's pictures.
#include "web/BookSource.h"

namespace web {

class CoverDownload;
class PageFetch;

// What the book page of `code` says of its book; a title already on the tab (`title`) stays.
BookRecord readDecitrePage(const QString& bodyHtml, const QString& code, const QString& title);

class DecitreReader : public BookSource {
public:
    DecitreReader(PageFetch& pages, CoverDownload& covers) : m_pages(pages), m_covers(covers) {}

    bool enabled(const app::Settings& settings) const override;
    std::optional<QString> labelBefore() const override { return QStringLiteral("decitre"); }
    std::optional<QString> labelAfter() const override { return QStringLiteral("Decitre"); }
    BookRecord ask(const LookupQuery& query) override;
    void fetchCover(const LookupQuery& query, BookRecord& record) override;

private:
    PageFetch& m_pages;
    CoverDownload& m_covers;
};

}  // namespace web
