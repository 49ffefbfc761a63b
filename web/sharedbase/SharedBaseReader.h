#pragma once
// The look-up chain's last source: the shared online base, asked when nobody before it found
// the book. The maker's FTP host must answer first: when it does not, the base is left alone
// until the program ends. A record fills the entry tab and its cover is stored as the code's.
#include "web/BookSource.h"

namespace web {
class CoverDownload;
class PageFetch;
}  // namespace web

namespace sharedbase {

class SharedBaseReader : public web::BookSource {
public:
    SharedBaseReader(web::PageFetch& pages, web::CoverDownload& covers) : m_pages(pages), m_covers(covers) {}

    bool enabled(const app::Settings& settings) const override;
    QString label() const override { return QStringLiteral("QvlZantorBase"); }
    bool labelAfter() const override { return true; }
    void ask(app::TFrmPrin& frm) override { ReadSharedBaseRecord(frm); }

    void ReadSharedBaseRecord(app::TFrmPrin& frm);
    void FetchSharedBaseCover(app::TFrmPrin& frm);

private:
    web::PageFetch& m_pages;
    web::CoverDownload& m_covers;
};

}  // namespace sharedbase
