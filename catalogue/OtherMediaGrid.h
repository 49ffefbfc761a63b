#pragma once
// The other-media screen's "Tableau" tab: every item in a grid, the direct access to an item by
// its code or number, the two flags switched by a double click, and the deletion of an item,
// which is asked first and refused while the item is out on loan.
#include "platform/db/Params.h"

#include <QChar>
#include <QString>

namespace app {
class TFrmPrin;
}

namespace catalogue {

struct OtherMediaControls;
class OtherMediaScreen;

class OtherMediaGrid {
public:
    OtherMediaGrid(app::TFrmPrin& frm, const OtherMediaScreen& screen);

    void Edit128KeyPress(QChar& key);
    void Button10Click();
    void DBGrid2DblClick();
    void Button37Click();

private:
    void applyFilter(const QString& criteria, const db::Params& params);

    app::TFrmPrin& m_frm;
    const OtherMediaControls& m_controls;
};

}  // namespace catalogue
