#pragma once
// The list screen ("Liste"): the plain lists of books, borrowers and other media written to the
// folder "Listes\" for a spreadsheet and shown as a page that can be printed.
#include "exchange/ListControls.h"

#include <QString>
#include <utility>

namespace app {
class TFrmPrin;
}

namespace exchange {

struct CsvList;

class ListScreen {
public:
    ListScreen(app::TFrmPrin& frm, ListControls controls);

    const ListControls& controls() const { return m_controls; }

    // Menus Livres and Emprunteurs, and Autres_supports.
    void Listes1Click();
    void Button53Click();
    void Button54Click();
    void BitBtn8Click();
    // Button83 and Image15.
    void Button83Click();

private:
    // Writes the list and its page, then tells where the list is with the two message entries
    // that stand before and after its path.
    void publish(const CsvList& list, const QString& fileName, const QString& pageName, std::pair<int, int> messages);
    void offerSpreadsheet(const QString& question, const QString& fileName);

    app::TFrmPrin& m_frm;
    ListControls m_controls;
};

}  // namespace exchange
