#include "exchange/labels/LabelSearchPanel.h"

#include "app/FrmPrin.h"
#include "catalogue/BooksGrid.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"

namespace labels {

LabelSearchPanel::LabelSearchPanel(app::TFrmPrin& frm, catalogue::BooksGrid& grid)
    : m_grid(grid),
      m_search{frm.get<ui::ComboBox>(QStringLiteral("ComboBox21")), frm.get<ui::ComboBox>(QStringLiteral("ComboBox22")),
               frm.get<ui::Edit>(QStringLiteral("Edit158")), frm.get<ui::Label>(QStringLiteral("Label250"))}
{
    frm.get<ui::Control>(QStringLiteral("Button56")).onClick = [this] { Button56Click(); };
    frm.get<ui::Control>(QStringLiteral("Button57")).onClick = [this] { Button57Click(); };
}

void LabelSearchPanel::Button56Click() { m_grid.Button47Click(m_search); }

void LabelSearchPanel::Button57Click()
{
    // The book grid's "Annuler" only hides its own panel; this one stays on its tab, so its
    // "Annuler" empties the search, which shows every copy in book-number order.
    m_grid.Button98Click();
    m_search.field.setText(QString());
    m_search.value.setText(QString());
    m_grid.Button47Click(m_search);
}

}  // namespace labels
