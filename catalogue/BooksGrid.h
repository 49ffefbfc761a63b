#pragma once
// The book screen's tab "Tableau": every copy in a grid over the book table, where the librarian
// finds a copy (direct access, search in one field), corrects copies in bulk (search and
// replace), flips a copy's two flags and deletes a copy with its journal line.
#include "catalogue/BooksGridControls.h"

#include <QChar>
#include <QString>

namespace app {
class TFrmPrin;
}

namespace catalogue {

class BookEntryScreen;

class BooksGrid {
public:
    // Binds its handlers to the tab's controls.
    BooksGrid(app::TFrmPrin& frm, const BookEntryScreen& entry, const BooksGridControls& controls);

    const BooksGridControls& controls() const { return m_controls; }

    void Button96Click();
    void Edit67KeyPress(QChar& key);
    void Button38Click();
    void Button89Click();
    // "Chercher" of a search panel: this tab's search-and-replace panel, or the label screen's.
    void Button47Click(const GridSearchControls& panel);
    void Button36Click();
    void Button98Click();
    void DBGrid1DblClick();
    void Button59Click();

private:
    enum class Searched { Filtered, Reset };
    Searched searchField(const GridSearchControls& panel, bool inField);
    void deleteCurrentCopy(bool onlyCopy);
    void renumberGroupOf(const QString& isbn13);

    app::TFrmPrin& m_frm;
    BooksGridControls m_controls;
};

}  // namespace catalogue
