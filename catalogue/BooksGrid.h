#pragma once
// The book screen's tab "Tableau": every copy in a grid over the book table, where the librarian
// finds a copy (direct access, search in one field), corrects copies in bulk (search and
// replace), flips a copy's two flags and deletes a copy with its journal line.
#include <QChar>
#include <QString>

namespace app {
class TFrmPrin;
}

namespace catalogue {

class BooksGrid {
public:
    // Builds the tab's controls and binds its handlers.
    explicit BooksGrid(app::TFrmPrin& frm);

    // The controls of a search panel: this tab's search-and-replace panel, or the label screen's.
    struct PanelControls {
        const char* field;
        const char* operatorBox;
        const char* value;
        const char* countLabel;
    };
    static constexpr PanelControls kReplacePanel{"ComboBox18", "ComboBox20", "Edit157", "Label242"};
    static constexpr PanelControls kLabelScreenPanel{"ComboBox21", "ComboBox22", "Edit158", "Label250"};

    void Button96Click();
    void Edit67KeyPress(QChar& key);
    void Button38Click();
    void Button89Click();
    void Button47Click(const PanelControls& panel = kReplacePanel);
    void Button36Click();
    void Button98Click();
    void DBGrid1DblClick();
    void Button59Click();

private:
    enum class Searched { Filtered, Reset };
    Searched searchField(const char* field, const char* operatorBox, const char* value, const char* countLabel,
                         bool inField);
    void deleteCurrentCopy(bool onlyCopy);
    void renumberGroupOf(const QString& isbn13);

    app::TFrmPrin& m_frm;
};

}  // namespace catalogue
