#include "exchange/labels/LabelSearchPanel.h"

#include "app/FrmPrin.h"
#include "catalogue/BooksGrid.h"
#include "platform/ui/Edit.h"

namespace labels {

LabelSearchPanel::LabelSearchPanel(app::TFrmPrin& frm, catalogue::BooksGrid& grid) : m_frm(frm), m_grid(grid)
{
    frm.get<ui::Control>(QStringLiteral("Button56")).onClick = [this] { Button56Click(); };
    frm.get<ui::Control>(QStringLiteral("Button57")).onClick = [this] { Button57Click(); };
}

void LabelSearchPanel::Button56Click() { m_grid.Button47Click(catalogue::BooksGrid::kLabelScreenPanel); }

void LabelSearchPanel::Button57Click()
{
    // The book grid's "Annuler" only hides its own panel; this one stays on its tab, so its
    // "Annuler" empties the search, which shows every copy in book-number order.
    m_grid.Button98Click();
    const catalogue::BooksGrid::PanelControls& panel = catalogue::BooksGrid::kLabelScreenPanel;
    m_frm.get<ui::CustomEdit>(QString::fromLatin1(panel.field)).setText(QString());
    m_frm.get<ui::CustomEdit>(QString::fromLatin1(panel.value)).setText(QString());
    m_grid.Button47Click(panel);
}

}  // namespace labels
