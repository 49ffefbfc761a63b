#pragma once
// Librairie Dialogues: the book page of the code gives the title, author and publisher in its
// title, the details in its text and a WebP cover.
#include "web/BookSource.h"

namespace web {

class CoverDownload;
class PageFetch;

class DialoguesReader : public BookSource {
public:
    DialoguesReader(PageFetch& pages, CoverDownload& covers) : m_pages(pages), m_covers(covers) {}

    bool enabled(const app::Settings& settings) const override;
    QString label() const override { return QStringLiteral("Dialogues"); }
    void ask(app::TFrmPrin& frm) override { ReadDialoguesPage(frm); }

    void ReadDialoguesPage(app::TFrmPrin& frm);

private:
    void readDetails(app::TFrmPrin& frm, const QString& bodyText);
    void readCover(app::TFrmPrin& frm, const QString& bodyHtml);

    PageFetch& m_pages;
    CoverDownload& m_covers;
};

}  // namespace web
