#pragma once
// The yearly stock-take's panel on the book screen: opening it switches the stock-take mode on
// (the codes scanned into the entry tab then mark copies as found) and reports the stock-take
// under way; a new stock-take clears the marks of its scope; suspending keeps the counters for
// another day. The ending steps are StockTakeEnding's.
#include "catalogue/StockTakeControls.h"

namespace app {
class TFrmPrin;
}

namespace catalogue {

class BookEntryScreen;

class StockTakeScreen {
public:
    // Binds its handlers to the panel's controls and on the main window.
    StockTakeScreen(app::TFrmPrin& frm, const BookEntryScreen& entry, const StockTakeControls& controls);

    const StockTakeControls& controls() const { return m_controls; }

    // Tools menu "Inventaire complet et inventaire partiel".
    void Inventaireannuel1Click();
    // "Nouvel inventaire".
    void SpeedButton52Click();
    // "Suspendre et continuer plus tard".
    void SpeedButton32Click();

private:
    app::TFrmPrin& m_frm;
    const BookEntryScreen& m_entry;
    StockTakeControls m_controls;
};

}  // namespace catalogue
