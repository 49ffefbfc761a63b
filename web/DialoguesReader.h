#pragma once
// Librairie Dialogues: the book page of the code gives the title, author and publisher in its
// title, the details in its text and a WebP cover.
#include "web/BookSource.h"

namespace browser {
class PageDocument;
}

namespace web {

class CoverDownload;
class PageFetch;

// What the book page says of its book; its picture is the cover's address.
BookRecord readDialoguesPage(const browser::PageDocument& page);

class DialoguesReader : public BookSource {
public:
    DialoguesReader(PageFetch& pages, CoverDownload& covers) : m_pages(pages), m_covers(covers) {}

    bool enabled(const app::Settings& settings) const override;
    std::optional<QString> labelBefore() const override { return QStringLiteral("Dialogues"); }
    BookRecord ask(const LookupQuery& query) override;
    void fetchCover(const LookupQuery& query, BookRecord& record) override;

private:
    PageFetch& m_pages;
    CoverDownload& m_covers;
};

}  // namespace web
