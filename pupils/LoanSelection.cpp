#include "pupils/LoanSelection.h"

#include "platform/db/Query.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"

namespace pupils {

db::Command listSelection(const QString& defaultSql, const ListFilters& filters)
{
    if (!filters.borrowerNumber.isEmpty())
        return {QStringLiteral("Select * FROM table1 WHERE NumEmprunteur = ?"),
                {text::StrToInt(text::Trim(filters.borrowerNumber))}};
    if (!filters.title.isEmpty())
        return {QStringLiteral("Select * FROM table1 WHERE Titre like ?"), {text::Trim(filters.title) + u'%'}};
    if (!filters.bookCode.isEmpty())
        return {QStringLiteral("Select * FROM table1 WHERE Isbn13 = ?"), {text::Trim(filters.bookCode)}};
    return {defaultSql, {}};
}

std::vector<LoanRow> loanRows(db::Connection& connection, const db::Command& selection)
{
    db::Query q(connection);
    q.setSql(selection.sql, selection.params);
    q.open();
    const auto value = [&q](const char* name) { return q.fieldByName(QString::fromLatin1(name)).asString(); };
    std::vector<LoanRow> rows;
    rows.reserve(size_t(q.recordCount()));
    for (q.first(); !q.eof(); q.next())
        rows.push_back({value("NumLivre"), value("Titre"), value("Auteur"), value("Genre"), value("LieuRangement"),
                        value("Isbn13"), value("Images"), value("EmpNom"), value("EmpPrenom"), value("EmpClasse"),
                        value("NumEmprunteur"), value("DateRetour"), value("Photo_rangement")});
    return rows;
}

bool inClass(const LoanRow& row, const QString& className)
{
    return className.isEmpty() || row.className == className;
}

QString codeValue(const LoanRow& row, const QString& prefix)
{
    return row.images.size() > 17 ? text::Copy(row.images, 1, 19) : prefix + row.isbn13;
}

QDate dueDate(const LoanRow& row, const QDate& today)
{
    if (row.returnDate.isEmpty())
        return today;
    const std::optional<QDateTime> due = text::parseDateTimeText(row.returnDate);
    if (!due)
        throw text::ConversionError(QStringLiteral("'%1' n'est pas une date correcte").arg(row.returnDate));
    return due->date();
}

bool isOverdue(const LoanRow& row, const QDate& today)
{
    return today > dueDate(row, today);
}

}  // namespace pupils
