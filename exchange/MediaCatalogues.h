#pragma once
// The catalogues of the other media (one row per title, with its cover) and of the school's
// equipment (one row per item, with its photo, and the plain list Inventaire.csv).
#include <QString>

namespace db {
class DataSet;
class Query;
}

namespace exchange {

struct PictureSize {
    QString width;
    QString height;
};

// Opens the query on the last copy of every title that is not a book, in title order.
QString otherMediaPage(db::Query& ars, const QString& heading, const PictureSize& size);

struct EquipmentCatalogue {
    QString page;
    QString csv;  // one line per item, each ended by CR LF
};
// Walks the whole equipment table from its first row. With `placeAndRemarks` (the screen's
// "OK") each row shows the item's place and remarks, else its owner.
EquipmentCatalogue equipmentCatalogue(db::DataSet& items, const PictureSize& size, bool placeAndRemarks);

}  // namespace exchange
