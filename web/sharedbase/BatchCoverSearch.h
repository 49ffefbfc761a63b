#pragma once
// The batch cover search: every book of the catalogue from a start number on (books and other
// media), in book-number order, gets a cover when it has none in the covers folder, from the
// first source that has one: the Decitre and AbeBooks picture servers, Amazon, the shared base
// by code, then by title, and the local image bank. The web is asked only for ISBN books and only
// with the FTP exchange on; press issues and product numbers have their own steps. A cover found
// is stored under the book's code and named in the row, which is written by its book number.
#include <QString>

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}
namespace ui {
class RichEdit;
}
namespace web {
class CoverDownload;
class PageFetch;
}  // namespace web

namespace sharedbase {

class BatchPanel;
class SharedBaseHost;
class SharedBaseWeb;

class BatchCoverSearch {
public:
    // The HTML of each Amazon product page read is shown in `productPage`.
    BatchCoverSearch(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, ui::RichEdit& productPage,
                     BatchPanel& panel, SharedBaseHost& host, SharedBaseWeb& base, web::CoverDownload& covers,
                     web::PageFetch& pages);

    // The tools menu's "Recherche automatique couvertures": the batch panel.
    void Commencerlimportationdimage1Click();
    // "Commencer la recherche images".
    void Rimporterimages1Click();

private:
    struct Book;
    void searchCover(Book& book);
    bool hasCover(const Book& book) const;
    void storedFrom(Book& book, const QString& source);
    void FetchDecitreCover(Book& book);
    void FetchAbeBooksCover(Book& book);
    // Amazon's picture of the ISBN-10, else the picture its product page names.
    void FetchAmazonCover(Book& book);
    void showCandidate(const QString& address);
    // The book as far into the catalogue as the start number, with its cover; a cover that does
    // not decode is deleted.
    void showPreview(int start);
    void FetchSharedBaseCoverByCode(Book& book, const QString& path);
    void FetchSharedBaseCoverByTitle(Book& book);
    void CopyImageBankCover(Book& book);
    bool download(Book& book, const QString& url, const QString& source);
    // The maker's host is asked once a pass whether it answers.
    bool sharedBaseReachable();
    void setImages(Book& book, const QString& name);

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    ui::RichEdit& m_productPage;
    BatchPanel& m_panel;
    SharedBaseHost& m_host;
    SharedBaseWeb& m_base;
    web::CoverDownload& m_covers;
    web::PageFetch& m_pages;
    int m_reachable = -1;
};

}  // namespace sharedbase
