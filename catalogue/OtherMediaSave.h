#pragma once
// "Accepter" of the other-media entry tab: the item typed or found is cleaned, stored as one more
// copy of its code (numbered after the copies already there, from 1), an item without a code gets
// the internal code of its number, and its cover flies away before the next entry. The row and
// its numbering are written together or not at all.
#include <QString>

namespace app {
class TFrmPrin;
}
namespace db {
class Query;
}

namespace catalogue {

struct OtherMediaControls;
class OtherMediaScreen;

class OtherMediaSave {
public:
    OtherMediaSave(app::TFrmPrin& frm, const OtherMediaScreen& screen);

    void Button33Click();

    // Opens copies on the stored copies of the code in their numbering order and lists them in
    // RichEdit5 as "title n"; returns how many there are. The query stays open.
    static int listStoredCopies(app::TFrmPrin& frm, db::Query& copies, const QString& code);

private:
    QString cleanFields();
    void insertItem(const QString& code, int copyNumber);
    void clearEntry();
    void farewell(const QString& code);

    app::TFrmPrin& m_frm;
    const OtherMediaControls& m_controls;
};

}  // namespace catalogue
