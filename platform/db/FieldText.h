#pragma once
// A field of a data set's current row in its text form, by its column name: the one way the
// program's screens read a row value as text (rows.fieldByName(name).asString()).
#include "platform/db/DataSet.h"
#include "platform/db/Field.h"

#include <QString>

namespace db {

inline QString fieldText(DataSet& rows, const QString& name) { return rows.fieldByName(name).asString(); }
inline QString fieldText(DataSet& rows, const char* name) { return fieldText(rows, QString::fromLatin1(name)); }

}  // namespace db
