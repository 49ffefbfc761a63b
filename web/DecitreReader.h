#pragma once
// Decitre: the book page gives the title, subtitle, author, summary and publisher in its HTML;
// the book counts as found only once its cover came from the site's pictures.
#include "web/BookSource.h"

namespace web {

class CoverDownload;
class PageFetch;

class DecitreReader : public BookSource {
public:
    DecitreReader(PageFetch& pages, CoverDownload& covers) : m_pages(pages), m_covers(covers) {}

    bool enabled(const app::Settings& settings) const override;
    QString label() const override { return QStringLiteral("Decitre"); }
    bool labelAfter() const override { return true; }
    void ask(app::TFrmPrin& frm) override { ReadDecitrePage(frm); }

    void ReadDecitrePage(app::TFrmPrin& frm);

private:
    void readTitle(app::TFrmPrin& frm, const QString& bodyHtml);

    PageFetch& m_pages;
    CoverDownload& m_covers;
};

}  // namespace web
