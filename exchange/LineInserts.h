#pragma once
// The inserts of an import, one per line of its file, all in one transaction: a line that gives
// no insert, or whose insert the database refuses (too long for its column, no number where one
// is needed), is skipped and counted, and the others go in.
#include "platform/db/Params.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace db {
class Connection;
}

namespace exchange {

struct ImportReport {
    int added = 0;
    int skipped = 0;
    int recoded = 0;  // copies whose internal code was taken here and that got a fresh one
};

// "Insert into Table1 (a,b) Values (?,?)": the one statement of an import, run for each record
// with its values.
QString insertStatement(const QString& table, const QStringList& columns);

// `valuesFor` gives the values of a line's record for `insert`, or nothing for a record it
// refuses. `progress` is called with each line before it is read. Lines that `isRecord` turns
// down (markup around the records) are passed over and not counted.
ImportReport insertLines(db::Connection& connection, const QString& insert, const QStringList& lines,
                         const std::function<std::optional<db::Params>(const QString&)>& valuesFor,
                         const std::function<void(const QString&)>& progress = {},
                         const std::function<bool(const QString&)>& isRecord = {});

// The closing message's count: "N livre(s) ajouté(s), M ligne(s) ignorée(s).", with the copies
// given a fresh internal code when there are any.
QString importReportText(const ImportReport& report);

}  // namespace exchange
