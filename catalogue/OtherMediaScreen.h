#pragma once
// The other-media screen (Panel7): CDs, DVDs, games, kits and everything else that is not a book,
// kept in Table1 beside the books. Its opener, the entry tab's code field and "Annuler", the
// browsing of the stored items with their barcode, cover and storage place, and the page of
// every cover. The accept of the entry tab is OtherMediaSave, the grid tab OtherMediaGrid; the
// look-up of a code is the web look-up's "Button32Click".
#include "catalogue/OtherMediaControls.h"

#include <QChar>
#include <QString>

namespace app {
class TFrmPrin;
}

namespace catalogue {

// The filter under which the screen shows its items.
inline const QString kOtherMediaFilter = QStringLiteral("Type<>'LIVRE'");

class OtherMediaScreen {
public:
    // Binds its handlers to the screen's controls and on the main window.
    OtherMediaScreen(app::TFrmPrin& frm, const OtherMediaControls& controls);

    const OtherMediaControls& controls() const { return m_controls; }

    // Menu Autres_supports > "Nouvelle entrée" and the toolbar's "Ajouter d'autres supports".
    void Nouvelleentre1Click();
    void Edit30KeyPress(QChar& key);
    void Button34Click();
    // Previous and next item of the browsing tab.
    void ChoixAutoClick();
    void AstucesClick();
    void Button28Click();
    void PageControl3Change();

    // Where the cover page is written, under the program folder.
    static inline const QString kCoverPage = QStringLiteral("Livres\\Biblio_zantor.html");

private:
    void browse(int step);
    void showBarcodePreview();
    void showCover();
    void showStoragePlace();
    void writeCoverPage();

    app::TFrmPrin& m_frm;
    OtherMediaControls m_controls;
};

}  // namespace catalogue
