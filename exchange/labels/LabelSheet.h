#pragma once
// The barcode label sheet in the rich-edit control Richedit1: the flagged copies of the scratch
// query as rows of bar codes, each row followed by a row of titles in Courier New 8, one section
// per kind of label, each ending with "FIN". The sheet remembers which copies it placed, so
// that a confirmed print clears the flags of those copies only.
#include <QList>

namespace db {
class DataSet;
}
namespace ui {
class RichEdit;
}

namespace labels {

class LabelSheet {
public:
    LabelSheet(ui::RichEdit& sheet, db::DataSet& rows);

    // EAN-13 labels: rows whose CodeBarres is an EAN-13 font text (BarcodeFace.h), in "Code EAN13" 40.
    // Empties the sheet first.
    void BuildEan13Labels(int columns, int columnGap, int rowGap);
    // Code 39 labels of the other flagged rows, in "c39hrp36dltt" 30.
    void BuildCode39Labels(int columns, int columnGap, int rowGap);
    // One "*I" + NumLivre + "*" label per flagged copy, in "c39hrp36dltt" 30.
    void BuildNumberLabels(int columns, int columnGap, int rowGap);
    // Empties the sheet and lets Tab go into it (the rebuild without its EAN-13 section).
    void clear();

    // NumLivre of every label placed since the sheet was last emptied, in sheet order.
    const QList<qint64>& placedCopies() const { return m_placed; }

private:
    struct Section;
    void build(const Section& section, int columns, int columnGap, int rowGap);

    ui::RichEdit& m_sheet;
    db::DataSet& m_rows;
    QList<qint64> m_placed;
};

}  // namespace labels
