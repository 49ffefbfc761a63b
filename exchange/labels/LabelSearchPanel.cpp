#include "exchange/labels/LabelSearchPanel.h"

#include "catalogue/BooksGrid.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"

namespace labels {

LabelSearchPanel::LabelSearchPanel(const LabelScreenControls& controls, catalogue::BooksGrid& grid)
    : m_controls(controls), m_grid(grid)
{
    m_controls.search.onClick = [this] { Button56Click(); };
    m_controls.cancelSearch.onClick = [this] { Button57Click(); };
}

void LabelSearchPanel::Button56Click() { m_grid.Button47Click(catalogue::BooksGrid::kLabelScreenPanel); }

void LabelSearchPanel::Button57Click()
{
    // The book grid's "Annuler" only hides its own panel; this one stays on its tab, so its
    // "Annuler" empties the search, which shows every copy in book-number order.
    m_grid.Button98Click();
    m_controls.searchField.setText(QString());
    m_controls.searchValue.setText(QString());
    m_grid.Button47Click(catalogue::BooksGrid::kLabelScreenPanel);
}

}  // namespace labels
