#pragma once
// BookFinder: the search of the code lists the book's title, author and publisher on lines 7
// to 9 of its text; the cover comes from the AbeBooks pictures.
#include "web/BookSource.h"

namespace web {

class CoverDownload;
class PageFetch;

class BookFinderReader : public BookSource {
public:
    BookFinderReader(PageFetch& pages, CoverDownload& covers) : m_pages(pages), m_covers(covers) {}

    bool enabled(const app::Settings& settings) const override;
    QString label() const override { return QStringLiteral("BookFinder"); }
    void ask(app::TFrmPrin& frm) override { ReadBookFinderPage(frm); }

    void ReadBookFinderPage(app::TFrmPrin& frm);

private:
    PageFetch& m_pages;
    CoverDownload& m_covers;
};

}  // namespace web
