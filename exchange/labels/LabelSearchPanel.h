#pragma once
// The search panel RelativePanel2 of the label screen's choice tab: "Chercher" filters the books
// table shown in the choice grid on one field, as the book grid's search panel does, and counts
// the copies found; "Annuler" gives the search up and shows every copy again.
#include "exchange/labels/LabelScreenControls.h"

namespace catalogue {
class BooksGrid;
}

namespace labels {

class LabelSearchPanel {
public:
    LabelSearchPanel(const LabelScreenControls& controls, catalogue::BooksGrid& grid);

    void Button56Click();
    void Button57Click();

private:
    LabelScreenControls m_controls;
    catalogue::BooksGrid& m_grid;
};

}  // namespace labels
