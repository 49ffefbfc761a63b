#pragma once
// Pupils written into the borrowers table, each import all or nothing: a refused row leaves
// the table as it was before the import.
#include "pupils/PupilFile.h"

#include <functional>

namespace db {
class Connection;
}

namespace pupils {

struct ImportOutcome {
    int added = 0;
    int updated = 0;
    int deleted = 0;
    // Leavers kept because copies are still out in their name: "SURNAME First (class)".
    QStringList keptHolders;
};

// Called once per pupil line, so that a gauge moves.
using ImportProgress = std::function<void()>;

// Every pupil of the file becomes a new borrower; the text file's school and mail go with it.
ImportOutcome addPupils(db::Connection& connection, const PupilFile& file, const ImportProgress& progress);

// The updating import. Pupils are matched by surname and first name (trimmed, without regard to
// case): a pupil met for the first time is added with the mark "0" (his card is a new card), and
// the marks "0" of the previous updating import are cleared; a known pupil keeps his number,
// takes the class of the file and loses his mark; borrowers with an empty mark who are not in the
// file have left and are deleted, unless copies are still out in their name. Several borrowers of
// the same names are all kept as known, their classes unchanged, since the file cannot tell them
// apart.
ImportOutcome updatePupils(db::Connection& connection, const PupilFile& file, const ImportProgress& progress);

}  // namespace pupils
