#pragma once
// The title banks of the title search: the local image bank's and the shared base's records kept
// under the title's key in their "alpha" folders, read before the search goes to the web. The
// librarian is then asked whether to keep what they gave.
#include <QString>
#include <optional>

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}
namespace web {
class CoverDownload;
class PageFetch;
struct BookRecord;
}  // namespace web

namespace sharedbase {

class TitleBanks {
public:
    TitleBanks(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, web::PageFetch& pages,
               web::CoverDownload& covers)
        : m_frm(frm), m_book(book), m_pages(pages), m_covers(covers)
    {
    }

    // Reads the local bank, then, when it had no title, the shared base, for the title in Edit4;
    // whether the librarian keeps what the banks gave (the question is asked whatever they gave).
    bool SearchTitleBanks();

private:
    // The local bank's record of the key; none when its file cannot be read.
    std::optional<web::BookRecord> readLocalTitleBank(const QString& key) const;
    void fetchLocalTitleBankCover(const QString& key, web::BookRecord& record) const;
    web::BookRecord readSharedTitleBank(const QString& key);
    void fetchSharedTitleBankCover(web::BookRecord& record);
    QString localTitleBankFile(const QString& name) const;

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    web::PageFetch& m_pages;
    web::CoverDownload& m_covers;
};

}  // namespace sharedbase
