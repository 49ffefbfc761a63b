#include "exchange/labels/LabelQuery.h"

namespace labels {

QString typeCondition(bool books, bool otherMedia)
{
    if (books)
        return otherMedia ? QStringLiteral("Type <> ''") : QStringLiteral("Type = 'LIVRE'");
    return otherMedia ? QStringLiteral("Type <> 'LIVRE'") : QStringLiteral("Type = ''");
}

QString typeFilter(bool books, bool otherMedia)
{
    if (books)
        return otherMedia ? QStringLiteral("Type<>''") : QStringLiteral("Type='LIVRE'");
    return otherMedia ? QStringLiteral("Type<>'LIVRE'") : QStringLiteral("Type =''");
}

QString labelQuerySql(const QString& condition, LabelOrder order)
{
    QString sql = QStringLiteral("SELECT * FROM table1 WHERE ") + condition + QStringLiteral(" and IMP_CodeBarres = True");
    switch (order) {
    case LabelOrder::Title:
        return sql + QStringLiteral(" ORDER BY titre");
    case LabelOrder::StoragePlace:
        return sql + QStringLiteral(" ORDER BY LieuRangement");
    case LabelOrder::Isbn13:
        return sql + QStringLiteral(" ORDER BY Isbn13");
    case LabelOrder::Entry:
        break;
    }
    return sql;
}

}  // namespace labels
