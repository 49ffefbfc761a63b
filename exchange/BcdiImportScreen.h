#pragma once
// The tools menu's import of the other program's ".HTM" export: the help, the import panel on
// the book screen, and "Démarrer l'importation" reading the file into Table1, numbering the
// books left without code and renumbering the copies.
namespace app {
class TFrmPrin;
}

namespace exchange {

class BcdiImportScreen {
public:
    explicit BcdiImportScreen(app::TFrmPrin& frm);

    void ImporteruneBibliothquedeBcdi1Click();
    // Button1, "Démarrer l'importation".
    void ImporterBibliothqueBCDI31Click();

private:
    void advanceGauge();

    app::TFrmPrin& m_frm;
    int m_progress = 0;
};

}  // namespace exchange
