#pragma once
// A copy found on the shelf during the stock-take: its code scanned into the entry tab's code
// field (or a periodical's code with its issue number confirmed in the issue panel) marks one
// copy of the title as found, shows the title, counts it and writes the journal's line.
#include <QString>

namespace app {
class TFrmPrin;
}
namespace db {
class DataSet;
}

namespace catalogue {

class BookEntryScreen;
struct BookEntryControls;
class StockTakeScreen;
struct StockTakeControls;

class StockTakeScan {
public:
    StockTakeScan(app::TFrmPrin& frm, const BookEntryScreen& entry, const StockTakeScreen& stockTake);

    // A code from the code field, already cleaned by its key handler: a book's code, or "I" and
    // the number of one copy.
    void RecordInventoryScan();
    // "OK" of the issue panel during the stock-take: the periodical's code stays in the code
    // field and the issue number is in the issue box.
    void RecordIssueScan();

private:
    // Shows the first row of the scratch query on the entry tab, with its cover.
    void showTitle(db::DataSet& copies);
    // Marks one unmarked copy among the scratch query's rows, preferring one on the shelf to one
    // out on loan (the copy in hand is never the lent one); false when every copy was marked.
    bool markOneCopy(db::DataSet& copies, bool fillOwner);

    app::TFrmPrin& m_frm;
    const BookEntryControls& m_entry;
    const StockTakeControls& m_stockTake;
};

}  // namespace catalogue
