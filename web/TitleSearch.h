#pragma once
// The search of a book by the title typed on the entry tab: a title the library already holds
// is shown and confirmed first; with the shared base in use, the title banks are read and the
// librarian may keep what they gave; otherwise the price-comparison site's search opens in the
// web result panel, and every page its web view completes gives the book's cover.
#include "web/BookRecord.h"

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
struct OtherMediaControls;
}

namespace web {

class CoverDownload;
class ShownPage;
struct WebResultControls;

class TitleSearch {
public:
    // Every page the panel's view completes is kept in `shown`. The other-media screen, when
    // built, must be built before.
    TitleSearch(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, const WebResultControls& panel,
                CoverDownload& covers, ShownPage& shown);

    void SpeedButton2Click();
    // The Compléments tab's search of the copy at the online booksellers, by its title and author.
    void SpeedButton11Click();
    // True when the catalogue holds copies of the title; they are listed and the last one shown.
    bool CheckDuplicateTitle(const QString& title);
    void EdgeBrowser3NavigationCompleted(bool isSuccess);
    void EdgeBrowser3ExecuteScript(const QString& resultJson);

    // The search address of the title's words, with the author and the publisher when their
    // boxes are ticked; every word percent-encoded.
    static QString searchAddress(const QString& title, const QString& author, const QString& publisher);
    // What a page of the search gives the book of `code` whose ISBN-10 field holds `isbn10`:
    // the book counts as found, and the page's picture is its cover's address.
    static BookRecord readTitleSearchPage(const QString& html, const QString& code, const QString& isbn10);

private:
    void showSaveButtons();
    void openWebSearch(const QString& title);
    // Opens the result panel over the book screen on the search address.
    void searchInPanel(const QString& address);
    void writePageDumps(const QString& html, const QString& address);

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    const WebResultControls& m_panel;
    CoverDownload& m_covers;
    ShownPage& m_shown;
    // The other-media screen lists the copies of a title already held; nullptr when not built.
    const catalogue::OtherMediaControls* m_otherMedia = nullptr;
};

}  // namespace web
