#pragma once
// What a stock-take covers: the whole books table, or the copies of the genre chosen in the
// stock-take's genre box. The steps count and select the copies of that scope on the scratch
// query, and share the rule that says which copies are missing at the end.
#include "catalogue/StockTakeControls.h"

#include <QString>

namespace app {
class TFrmPrin;
}
namespace ui {
class CustomEdit;
}
namespace db {
class DataSet;
}

namespace catalogue {

// The genre box's word for "no genre": a stock-take of the whole table.
inline const QString kWholeTableWord = QStringLiteral("Complet");
// How the state file and the type field name a stock-take of the whole table.
inline const QString kWholeTableName = QStringLiteral(" Complet");

class StockTakeScope {
public:
    StockTakeScope(app::TFrmPrin& frm, const StockTakeControls& controls) : m_frm(frm), m_controls(controls) {}

    // The genre box's text, emptied first when it holds the word for the whole table.
    QString boxText();
    // The trimmed genre, empty for the whole table.
    QString genre();
    // The genre box's text, or " Complet" for the whole table: the stock-take's name.
    QString name();

    // The rows of the scope, and those of them already marked found.
    int countAll();
    int countFound();
    // Opens the scratch query on the rows of the scope (or only those marked found), in table order.
    db::DataSet& selectAll();
    db::DataSet& selectFound();

    // A copy of the current row of `rows` not found on the shelf. A copy out on loan counts as
    // there when "Les livres en cours d'emprunt considérés comme existants" is ticked.
    bool isMissing(db::DataSet& rows) const;

private:
    // The rows of the genre (every row for the whole table), only those marked found when asked.
    db::DataSet& select(bool foundOnly);

    app::TFrmPrin& m_frm;
    const StockTakeControls& m_controls;
};

// Counters are kept as texts in their fields; anything but a whole number counts as 0.
int counterValue(const ui::CustomEdit& counter);
void setCounter(ui::CustomEdit& counter, int value);

// The administrator's password asked again before each step that changes the stock-take: an
// empty answer is refused with a message, any other wrong one silently.
bool stockTakePasswordGiven(app::TFrmPrin& frm);

}  // namespace catalogue
