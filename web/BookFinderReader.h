#pragma once
// BookFinder: the search of the code lists the book's title, author and publisher on lines 7
// to 9 of its text; the cover comes from the AbeBooks pictures.
#include "web/BookSource.h"

namespace browser {
class PageDocument;
}

namespace web {

class CoverDownload;
class PageFetch;

// What the search page of `code` says of its book; its picture is the code's AbeBooks cover.
BookRecord readBookFinderPage(const browser::PageDocument& page, const QString& code);

class BookFinderReader : public BookSource {
public:
    BookFinderReader(PageFetch& pages, CoverDownload& covers) : m_pages(pages), m_covers(covers) {}

    bool enabled(const app::Settings& settings) const override;
    std::optional<QString> labelBefore() const override { return QStringLiteral("BookFinder"); }
    BookRecord ask(const LookupQuery& query) override;
    void fetchCover(const LookupQuery& query, BookRecord& record) override;

private:
    PageFetch& m_pages;
    CoverDownload& m_covers;
};

}  // namespace web
