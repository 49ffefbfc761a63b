#pragma once
#include "platform/db/Query.h"

#include <QString>

namespace loans {

// A field of the current row in its text form; the desk reads rows by their field names.
inline QString fieldText(db::Query& rows, const char* name)
{
    return rows.fieldByName(QString::fromLatin1(name)).asString();
}

}  // namespace loans
