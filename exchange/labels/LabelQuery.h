#pragma once
// The query both label forms run: the flagged copies of the chosen types, in the chosen order.
// The type boxes "LIVRE" and "AUTRE QUE LIVRE" are the sheet tab's; each tab has its order
// buttons.
#include <QString>

namespace labels {

enum class LabelOrder { Title, StoragePlace, Isbn13, Entry };

// "Type <> ''", "Type = 'LIVRE'", "Type <> 'LIVRE'" or "Type = ''".
QString typeCondition(bool books, bool otherMedia);
// The same choice as a filter of the books table: "Type<>''", "Type='LIVRE'", ...
QString typeFilter(bool books, bool otherMedia);
// "SELECT * FROM table1 WHERE " + condition + " and IMP_CodeBarres = True" and the order clause.
QString labelQuerySql(const QString& condition, LabelOrder order);

}  // namespace labels
