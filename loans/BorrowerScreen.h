#pragma once
// The borrower screen (Panel2): a borrower added by hand from the entry fields, the borrowers
// browsed with "<" and ">" and the navigator, edited in the data-aware fields and the grid, each
// shown with the photo named after him. A borrower who still holds copies cannot be deleted.
#include "loans/BorrowerControls.h"

#include <QString>

#include <memory>

namespace app {
class TFrmPrin;
}
namespace ui {
class DataWatch;
}

namespace loans {

class BorrowerScreen {
public:
    BorrowerScreen(app::TFrmPrin& frm, const BorrowerControls& controls);
    ~BorrowerScreen();

    const BorrowerControls& controls() const { return m_controls; }

    void Nouveaux2Click();
    void Button4Click();
    void Button15Click();
    void Button16Click();

private:
    void showPhoto();
    QString currentBorrower() const;
    void followCurrentRow();
    bool mayDeleteCurrentBorrower();

    app::TFrmPrin& m_frm;
    BorrowerControls m_controls;
    // The photo follows the current row wherever it moves (grid, navigator, buttons).
    std::unique_ptr<ui::DataWatch> m_rowWatch;
    QString m_shownFor;
};

}  // namespace loans
