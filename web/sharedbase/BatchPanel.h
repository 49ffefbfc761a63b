#pragma once
// The book screen's batch panel (Panel20), shared by the batch cover search and the automatic
// summaries: the start number, the start buttons of both passes, the gauge, and "Annuler",
// which ends a running pass once its current book is done. Only one pass runs at a time.
#include "exchange/ImportControls.h"
#include "web/sharedbase/BatchPanelControls.h"

#include <QString>

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}

namespace sharedbase {

class BatchPanel {
public:
    BatchPanel(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, const exchange::ImportControls& imports,
               const BatchPanelControls& controls);

    const BatchPanelControls& controls() const { return m_controls; }

    // Shows the panel on the entry tab with the controls of one pass: the cover search's start
    // button or the summaries'.
    enum class Pass { Covers, Summaries };
    void open(Pass pass);
    // "Annuler".
    void SpeedButton9Click();

    // The start number typed, as a whole number; throws the platform's conversion error.
    int startNumber() const;
    void showBookNumber(qint64 numLivre);
    // The share of the rows done, from the position of the row in the pass.
    void showProgress(int done, int total);
    void hide();

    // A pass runs between begin() and end(); stopRequested() turns true on "Annuler".
    bool begin();
    void end() { m_running = false; }
    bool stopRequested() const { return m_stopRequested; }

private:
    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    // The import's own controls in the shared panel, hidden while a pass shows it.
    exchange::ImportControls m_imports;
    BatchPanelControls m_controls;
    bool m_running = false;
    bool m_stopRequested = false;
};

}  // namespace sharedbase
