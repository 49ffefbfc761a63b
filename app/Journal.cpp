#include "app/Journal.h"

#include "app/TextRoutines.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"

#include <QStringList>

namespace journal {

namespace {

QString fieldText(const QString& value)
{
    return ReplaceAll(ReplaceAll(ReplaceAll(value, QStringLiteral("\r"), QString()), QStringLiteral("\n"), QString()),
                      QStringLiteral(";"), QStringLiteral(" "));
}

QString journalLine(const QString& kind, const QDate& date, const QStringList& values)
{
    QStringList fields{kind, text::shortDateText(date)};
    for (const QString& value : values)
        fields << fieldText(value);
    return fields.join(u';');
}

bool isPressCode(const QString& code)
{
    return code.startsWith(QStringLiteral("378")) || code.startsWith(QStringLiteral("379"));
}

// A loan by copy number ends the first name with " *" + number + "* "; the blank before the
// first "*" goes with it.
QString withoutCopyMark(const QString& firstName)
{
    const int star = text::Pos(QStringLiteral("*"), firstName);
    return star > 0 ? text::Copy(firstName, 1, star - 2) : firstName;
}

}  // namespace

QString newBookLine(const QDate& date, const QString& code, const QString& title, const QString& author,
                    const QString& publisher, const QString& genre)
{
    const QString blank = QStringLiteral(" ");
    return journalLine(QStringLiteral("NouveauLivre"), date,
                       {text::Trim(code), text::Trim(title), text::Trim(author), text::Trim(publisher), blank, blank,
                        blank, text::Trim(genre)});
}

QString loanLine(const QDate& date, const QString& code, const QString& title, const QString& issue,
                 const QString& author, const QString& surname, const QString& firstName,
                 const QString& className, int borrowerNo, const QString& genre)
{
    const QString titleField = (isPressCode(code) ? title + u'-' + issue : title) + QStringLiteral(" []");
    return journalLine(QStringLiteral("Sortie"), date,
                       {code, titleField, author, surname, firstName, className, QString::number(borrowerNo), genre});
}

QString returnLine(const QDate& date, const QString& code, qint64 numLivre, const QString& title,
                   const QString& author, const QString& surname, const QString& firstName,
                   const QString& className, const QString& borrowerNo, const QString& genre)
{
    const QString codeField = code + QStringLiteral(" [") + QString::number(numLivre) + u']';
    return journalLine(QStringLiteral("Retour"), date,
                       {codeField, title, author, surname, withoutCopyMark(firstName), className, borrowerNo, genre});
}

QString inventoryLine(const QDate& date, const QString& isbn13, const QString& title, const QString& author,
                      const QString& publisher, const QString& publicationDate, const QString& pages,
                      const QString& isbn10, const QString& genre, const QString& storagePlace)
{
    return journalLine(QStringLiteral("Inventaire"), date,
                       {isbn13, title, author, publisher, publicationDate, pages, isbn10, genre, storagePlace});
}

QString deletionLine(bool atStockTake, const QDate& date, const QString& isbn13, const QString& title,
                     const QString& author, const QString& publisher, const QString& images)
{
    const QString kind = atStockTake ? QStringLiteral("Suppression à l'inventaire") : QStringLiteral("Suppression ");
    return journalLine(kind, date, {isbn13, title, author, publisher, images});
}

bool appendJournalLine(files::TextFileRecord& file, const QString& appDir, const QString& line)
{
    try {
        file.assign(appDir + QStringLiteral("Journal.csv"));
        file.append();
        file.writeln(line);
        file.close();
        return true;
    } catch (const std::runtime_error&) {  // the file's errors and an unusable path alike
        try {
            file.close();
        } catch (const files::FileError&) {
            // Closing after a failed write fails the same way; the record is closed all the same.
        }
        return false;
    }
}

}  // namespace journal
