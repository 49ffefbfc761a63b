#pragma once
// The books grid's controls on the book screen's tab "Tableau" (TabSheet1): the grid of every
// field, its navigator, the delete button, the direct access, the search in one field and the
// search-and-replace panel. Enter in the direct-access box clicks at a fixed offset from the
// window's corner, so Button96 lies under it.
#include "catalogue/BooksGridControls.h"

#include <QRect>
#include <QStringList>

namespace app {
class TFrmPrin;
}
namespace ui {
class TabSheet;
}

namespace catalogue {

namespace layout {
constexpr QRect kGrid(4, 4, 984, 298);
constexpr QRect kDirectAccessButton(210, 380, 420, 28);
// The grid's columns, every field of a copy.
const QStringList& booksGridColumns();
// The fields offered by the field lists ("Proprio" twice, as the lists have always shown it).
const QStringList& booksGridFieldList();
// The comparisons offered beside a field list, the equality first.
const QStringList& booksGridOperators();
}  // namespace layout

// Creates the tab's controls on the book screen's tab "Tableau".
BooksGridControls buildBooksGridControls(app::TFrmPrin& frm, ui::TabSheet& tab);

}  // namespace catalogue
