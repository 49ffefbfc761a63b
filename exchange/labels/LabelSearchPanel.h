#pragma once
// The search panel RelativePanel2 of the label screen's choice tab: "Chercher" filters the books
// table shown in the choice grid on one field, as the book grid's search panel does, and counts
// the copies found; "Annuler" gives the search up and shows every copy again.
#include "catalogue/BooksGridControls.h"

namespace app {
class TFrmPrin;
}
namespace catalogue {
class BooksGrid;
}

namespace labels {

class LabelSearchPanel {
public:
    LabelSearchPanel(app::TFrmPrin& frm, catalogue::BooksGrid& grid);

    void Button56Click();
    void Button57Click();

private:
    catalogue::BooksGrid& m_grid;
    catalogue::GridSearchControls m_search;  // ComboBox21, ComboBox22, Edit158, Label250
};

}  // namespace labels
