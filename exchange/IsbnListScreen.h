#pragma once
// The tools menu's ISBN lists: the ISBNs of the catalogue exported, the screen where codes are
// added to the offline list, and the list's import into the book screen, where "ISBN Suivant"
// hands each entry in turn to the look-up.
#include "exchange/IsbnListControls.h"

#include <QStringList>

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}

namespace exchange {

class IsbnListScreen {
public:
    // The list is looked up on the book screen `book`.
    IsbnListScreen(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, IsbnListControls controls);

    const IsbnListControls& controls() const { return m_controls; }

    void ExporterISBN1Click();
    void AjouterlalisteISBN1Click();
    void Button30Click();
    void Lsitetouslivresn1Click();
    void Button31Click();

private:
    void rewriteList(const QStringList& lines);

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    IsbnListControls m_controls;
};

}  // namespace exchange
