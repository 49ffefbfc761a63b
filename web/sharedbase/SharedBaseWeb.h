#pragma once
// The shared base as its readers see it: the maker's web host serves the tree the FTP account
// holds, and the hidden browser shows what it answers. A record counts as missing when its page
// says "ERREUR 404" or holds no ";"; a cover when its page title holds "404" or "Exception en
// GetImage". The periodical-issue panel reads the base through this too.
#include "catalogue/IssueSharedBase.h"

namespace app {
class TFrmPrin;
}
namespace web {
class CoverDownload;
class PageFetch;
}  // namespace web

namespace sharedbase {

class SharedBaseWeb : public catalogue::IssueSharedBase {
public:
    SharedBaseWeb(app::TFrmPrin& frm, web::PageFetch& pages, web::CoverDownload& covers)
        : m_frm(frm), m_pages(pages), m_covers(covers)
    {
    }

    // `path` from the root of the tree ("/livres/9782070/9782070612758.txt").
    Answer readRecord(const QString& path, QString& text) override;
    bool downloadCover(const QString& path, const QString& fileName, QString& url) override;
    // Whether the base shows a cover at `path`; `url` receives its address.
    bool hasCover(const QString& path, QString& url);

    QString address(const QString& path) const;

private:
    app::TFrmPrin& m_frm;
    web::PageFetch& m_pages;
    web::CoverDownload& m_covers;
};

}  // namespace sharedbase
