#pragma once
// The borrower cards screen (Panel17): the page of every card (of one class, of one borrower, or
// all) and the page of the new pupils' cards of the last updating import, written into
// emprunteurs.html and shown in the screen's browser; the word processor opens the page for
// retouching.
#include "pupils/BorrowerCardsControls.h"

class QString;

namespace app {
class TFrmPrin;
}

namespace pupils {

class BorrowerCardsScreen {
public:
    BorrowerCardsScreen(app::TFrmPrin& frm, const BorrowerCardsControls& controls);

    const BorrowerCardsControls& controls() const { return m_controls; }

    // Menu Emprunteurs "Cartes Emprunteurs".
    void CartesEmprunteur1Click();
    // All cards, and the new cards.
    void Button65Click();
    void BitBtn9Click();
    void Image40Click();
    void Image60Click();
    // The page in LibreOffice Writer, standing in for Word.
    void Image78Click();

    // The class picker: each class of the borrowers once, in order, the empty class left out.
    void fillClasses();
    // The updating import makes new cards, which carry no class.
    void hideClassOnCards();

private:
    void showPage(const QString& page);

    app::TFrmPrin& m_frm;
    BorrowerCardsControls m_controls;
};

}  // namespace pupils
