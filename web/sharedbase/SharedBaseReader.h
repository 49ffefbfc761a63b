#pragma once
// The look-up chain's last source: the shared online base, asked when nobody before it found
// the book. The maker's FTP host must answer first: when it does not, the base is left alone
// until the program ends. A record gives the book and its cover is stored as the code's.
#include "web/BookSource.h"

namespace app {
class TFrmPrin;
}
namespace web {
class CoverDownload;
class PageFetch;
}  // namespace web

namespace sharedbase {

class SharedBaseReader : public web::BookSource {
public:
    SharedBaseReader(app::TFrmPrin& frm, web::PageFetch& pages, web::CoverDownload& covers)
        : m_frm(frm), m_pages(pages), m_covers(covers)
    {
    }

    bool enabled(const app::Settings& settings) const override;
    std::optional<QString> labelAfter() const override { return QStringLiteral("QvlZantorBase"); }
    web::BookRecord ask(const web::LookupQuery& query) override;
    void fetchCover(const web::LookupQuery& query, web::BookRecord& record) override;

private:
    app::TFrmPrin& m_frm;
    web::PageFetch& m_pages;
    web::CoverDownload& m_covers;
};

}  // namespace sharedbase
