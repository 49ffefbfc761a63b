#pragma once
// The tools menu's import of the other program's ".HTM" export: the help, the import panel on
// the book screen, and "Démarrer l'importation" reading the file into Table1, numbering the
// books left without code and renumbering the copies.
#include "exchange/ImportControls.h"

namespace app {
class TFrmPrin;
}

namespace exchange {

class BcdiImportScreen {
public:
    // `controls` are the import panel's, on the book screen `book`.
    BcdiImportScreen(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, const ImportControls& controls);

    const ImportControls& controls() const { return m_controls; }

    void ImporteruneBibliothquedeBcdi1Click();
    // Button1, "Démarrer l'importation".
    void ImporterBibliothqueBCDI31Click();

private:
    void advanceGauge();

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    ImportControls m_controls;
    int m_progress = 0;
};

}  // namespace exchange
