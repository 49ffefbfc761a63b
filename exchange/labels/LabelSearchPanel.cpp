#include "exchange/labels/LabelSearchPanel.h"

#include "catalogue/BooksGrid.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"

namespace labels {

LabelSearchPanel::LabelSearchPanel(const LabelScreenControls& controls, catalogue::BooksGrid& grid)
    : m_controls(controls), m_grid(grid)
{
    m_controls.find.onClick = [this] { Button56Click(); };
    m_controls.cancelSearch.onClick = [this] { Button57Click(); };
}

void LabelSearchPanel::Button56Click() { m_grid.Button47Click(m_controls.search); }

void LabelSearchPanel::Button57Click()
{
    // The book grid's "Annuler" only hides its own panel; this one stays on its tab, so its
    // "Annuler" empties the search, which shows every copy in book-number order.
    m_grid.Button98Click();
    m_controls.search.field.setText(QString());
    m_controls.search.value.setText(QString());
    m_grid.Button47Click(m_controls.search);
}

}  // namespace labels
