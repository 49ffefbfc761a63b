#pragma once
// The search screen (panel "Recherche"): six searches of the catalogue by words of the title, the
// descriptors, the summary, the author, the theme or the genre. Each writes its page of answers
// into the program folder, replacing the last one of its kind, and shows it on the screen.
#include "catalogue/SearchScreenControls.h"

namespace app {
class TFrmPrin;
}

namespace catalogue {

class SearchScreen {
public:
    // Binds its handlers to the screen's controls and on the main window.
    SearchScreen(app::TFrmPrin& frm, const SearchScreenControls& controls);

    const SearchScreenControls& controls() const { return m_controls; }

    // Menu Livres > "Rechercher" and the toolbar's "Recherche".
    void Rechercher1Click();
    void Button50Click();
    void Button51Click();
    void Button52Click();
    void Button75Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    // Opens the page shown in the desktop's browser, which prints it.
    void Image100Click();

    struct Kind;

private:
    void search(const Kind& kind);

    app::TFrmPrin& m_frm;
    SearchScreenControls m_controls;
};

}  // namespace catalogue
