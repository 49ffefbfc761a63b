#pragma once
// The HTML label page Etiquettes.html: one table row per copy of the label query (cover,
// storage-place picture, bar code in a barcode face through a style class, title, code and
// author) with a forced page break after a chosen number of rows. Every value is escaped.
#include <QList>
#include <QString>
#include <functional>

namespace db {
class DataSet;
}

namespace labels {

struct LabelPageText {
    QString page;
    QList<qint64> copies;  // NumLivre of every row, in page order
};

// The page of every row of `rows` from the first. `rowsPerPage` is asked at the start and again
// after each page break; 0 or below never breaks. With `copyNumbers`, the bar code is the copy
// label "*I" + NumLivre + "*" instead of CodeBarres.
LabelPageText labelPage(db::DataSet& rows, const QString& webSite, bool copyNumbers,
                        const std::function<int()>& rowsPerPage);

// The form written after a confirmed print: headed "Etiquettes", no page breaks, bar codes from
// CodeBarres.
LabelPageText printedLabelPage(db::DataSet& rows, const QString& webSite);

}  // namespace labels
