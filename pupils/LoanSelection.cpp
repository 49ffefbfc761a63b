#include "pupils/LoanSelection.h"

#include "platform/db/Query.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"

namespace pupils {

QString listSelection(const QString& defaultSql, const ListFilters& filters)
{
    QString sql = defaultSql;
    if (!filters.bookCode.isEmpty())
        sql = QStringLiteral("Select * FROM table1 WHERE Isbn13 = ") + text::QuotedStr(text::Trim(filters.bookCode));
    if (!filters.title.isEmpty())
        sql = QStringLiteral("Select * FROM table1 WHERE Titre like ") +
              text::QuotedStr(text::Trim(filters.title) + u'%');
    if (!filters.borrowerNumber.isEmpty())
        sql = QStringLiteral("Select * FROM table1 WHERE NumEmprunteur = ") +
              text::IntToStr(text::StrToInt(text::Trim(filters.borrowerNumber)));
    return sql;
}

std::vector<LoanRow> loanRows(db::Connection& connection, const QString& sql)
{
    db::Query q(connection);
    q.setSql(sql);
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
