#pragma once
// The look-up of a book code typed or scanned into the entry tab's code field: the code is
// cleaned (French-keyboard digits, hyphens, ISBN-10 to ISBN-13), looked up in the catalogue, and
// when the library does not hold the book yet, asked of the outside sources one after the other
// until one finds it. Codes that nobody knows go to Isbn_non_trouves.csv.
#include "web/BookSource.h"

#include <QChar>
#include <memory>
#include <vector>

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}
namespace db {
class Query;
}

namespace web {

class BookLookup {
public:
    BookLookup(app::TFrmPrin& frm, const catalogue::BookEntryControls& book);

    // The code field's key-press handler: every key cleans the code, Enter (or a code of 13
    // characters or more) starts the look-up.
    void EditKeyPress(QChar& key);
    // "Stop recherche": the source under way finishes, the others are skipped.
    void SpeedButton41Click();

    // The outside sources in the order they are asked.
    void addSource(std::unique_ptr<BookSource> source) { m_sources.push_back(std::move(source)); }

    // The code was taken as a 10-character product number.
    bool AsinEntry = false;
    bool StopRequested = false;

private:
    void startLookup();
    // The save, new-entry and correct buttons of a book on the tab.
    void showEntryButtons();
    void NormaliseBookCode();
    void lookUpLocally();
    void askSources();
    // The book on the entry tab, as the sources are told it.
    LookupQuery query();
    // Asks one source and shows its record, then fetches and shows its cover.
    void askSource(BookSource& source);
    // True when the title is to be typed next (the focus is on it).
    bool RecordIsbnNotFound();
    void closingStep();
    void AutoValidateBook();
    // The copies of a code, on the scratch query, in book-number order; their count is shown.
    db::Query& selectCopiesOf(const QString& code);
    // Fills the tab from the first row of the scratch query and shows its cover.
    void showCatalogueRow();
    // Shows a cover of the covers folder unless it is missing or a source's placeholder, in which
    // case the placeholder is shown when asked; whether it was shown.
    bool showCover(const QString& name, bool placeholderWhenNone = true);
    // A periodical's code: the title's data from its copies, then the issue panel asks the issue.
    void FindPeriodicalByCode();
    // During the stock-take a code marks a copy found; a periodical's waits for its issue.
    void routeStockTakeCode();

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    std::vector<std::unique_ptr<BookSource>> m_sources;
    // The sources wait on the web with the queue running: a code entered meanwhile waits for
    // the next Enter instead of resetting the look-up under way.
    bool m_lookingUp = false;
};

}  // namespace web
