#include "exchange/LineInserts.h"

#include "platform/db/Connection.h"
#include "platform/db/Error.h"
#include "platform/db/Transaction.h"

namespace exchange {

QString insertStatement(const QString& table, const QStringList& columns)
{
    const QStringList marks(columns.size(), QStringLiteral("?"));
    return QStringLiteral("Insert into %1 (%2) Values (%3)").arg(table, columns.join(u','), marks.join(u','));
}

ImportReport insertLines(db::Connection& connection, const QString& insert, const QStringList& lines,
                         const std::function<std::optional<db::Params>(const QString&)>& valuesFor,
                         const std::function<void(const QString&)>& progress,
                         const std::function<bool(const QString&)>& isRecord)
{
    ImportReport report;
    db::Transaction transaction(connection);
    for (const QString& line : lines) {
        if (progress)
            progress(line);
        if (isRecord && !isRecord(line))
            continue;
        const std::optional<db::Params> values = valuesFor(line);
        if (!values) {
            ++report.skipped;
            continue;
        }
        try {
            connection.execute(insert, *values);
            ++report.added;
        } catch (const db::Error&) {
            ++report.skipped;
        }
    }
    transaction.commit();
    return report;
}

QString importReportText(const ImportReport& report)
{
    QString text = QStringLiteral("%1 livre(s) ajouté(s), %2 ligne(s) ignorée(s)").arg(report.added).arg(report.skipped);
    if (report.recoded > 0)
        text += QStringLiteral(", %1 livre(s) recodé(s) : leur code interne était déjà pris ici").arg(report.recoded);
    return text + u'.';
}

}  // namespace exchange
