#pragma once
// The inserts of an import, one per line of its file, all in one transaction: a line that gives
// no insert, or whose insert the database refuses (too long for its column, no number where one
// is needed), is skipped and counted, and the others go in.
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

// `insertFor` gives a line's statement, or nothing for a record it refuses. `progress` is called
// with each line before it is read. Lines that `isRecord` turns down (markup around the records)
// are passed over and not counted.
ImportReport insertLines(db::Connection& connection, const QStringList& lines,
                         const std::function<std::optional<QString>(const QString&)>& insertFor,
                         const std::function<void(const QString&)>& progress = {},
                         const std::function<bool(const QString&)>& isRecord = {});

// The closing message's count: "N livre(s) ajouté(s), M ligne(s) ignorée(s).", with the copies
// given a fresh internal code when there are any.
QString importReportText(const ImportReport& report);

}  // namespace exchange
