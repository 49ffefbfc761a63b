#pragma once
// The book catalogue screen (Panel5): its options, "Réactualiser l'affichage" building
// Biblio_zantor.html row by row with its gauge and "Stop", printing, and "Sauvegarder sous"
// copying the page and the covers to a folder of the user's choice.
#include "exchange/BookCatalogue.h"
#include "exchange/BookCatalogueControls.h"

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}

namespace exchange {

class BookCatalogueScreen {
public:
    // The book screen's progress gauge is hidden while the catalogue shows.
    BookCatalogueScreen(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, BookCatalogueControls controls);

    const BookCatalogueControls& controls() const { return m_controls; }

    void CatalogueHtml1Click();
    void Button12Click();
    void SpeedButton34Click();
    void Button13Click();
    void Button84Click();
    void Button60Click();

private:
    BookCatalogueOptions options() const;

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    BookCatalogueControls m_controls;
    bool m_building = false;
    bool m_stopped = false;
};

}  // namespace exchange
