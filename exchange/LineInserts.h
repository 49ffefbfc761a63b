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
};

// `insertFor` gives a line's statement, or nothing for a line that is no record. `progress` is
// called with each line before it is read.
ImportReport insertLines(db::Connection& connection, const QStringList& lines,
                         const std::function<std::optional<QString>(const QString&)>& insertFor,
                         const std::function<void(const QString&)>& progress = {});

// The closing message's count: "N livre(s) ajouté(s), M ligne(s) ignorée(s)."
QString importReportText(const ImportReport& report);

}  // namespace exchange
