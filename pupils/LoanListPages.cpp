#include "pupils/LoanListPages.h"

#include "app/BorrowerPhotoFile.h"
#include "catalogue/IsbnConversions.h"
#include "platform/text/DateText.h"
#include "platform/text/HtmlText.h"

#include <QUrl>

namespace pupils {

namespace {

using text::htmlText;

const QString kCrLf = QStringLiteral("\r\n");
const QString kNext = QStringLiteral("</p><p>");
const QString kListStyle = QStringLiteral(".Style1 {font-size: 36px}");
const QString kPictureStyle = QStringLiteral(".Style1 {font-size: 36px;font-family:Arabic Typesetting}");

QString pageOf(const PageTexts& texts, const QString& style, const QString& rows)
{
    return text::pageTitleHead(texts.title) + QStringLiteral("<style type=\"text/css\"><!--") + style +
           QStringLiteral("--></style></HEAD><BODY><p>Page g&eacute;n&eacute;r&eacute;e par QvlZantor :<a href=\"") +
           htmlText(texts.webSite) + QStringLiteral("\" target=\"_blank\">") + htmlText(texts.webSite) +
           QStringLiteral("</a>&nbsp;</p><p class=\"Style1\">") + htmlText(texts.heading) +
           QStringLiteral("</p><table width=\"800\" border=\"1\">") + rows + QStringLiteral("</table></BODY></HTML>");
}

QString textRow(const QString& lead, const QString& tail)
{
    return QStringLiteral("<tr><td></td><td></td></td><td width=\"900\"><p><b>") + htmlText(lead) +
           QStringLiteral("</b>; ") + tail + QStringLiteral("</p></td></tr>");
}

QString joinedEscaped(const QStringList& values)
{
    QStringList escaped;
    for (const QString& v : values)
        escaped << htmlText(v);
    return escaped.join(QStringLiteral("; "));
}

QString coverCell(const LoanRow& row, const QString& coverEnd)
{
    const QString isbn10 = row.isbn13.size() == 13 ? catalogue::Isbn13To10(row.isbn13) : QString();
    return QStringLiteral("<tr><td width=\"130\"> <a href=\" ") + htmlText(kCoverLinkStore) +
           QStringLiteral("/gp/product/") + htmlText(isbn10) + QStringLiteral("\" target=\"_blank\">") +
           QStringLiteral("<img src=\"livres/Jaquettes/") + htmlText(row.images) + coverEnd;
}

QString photoCell(const LoanRow& row)
{
    return QStringLiteral("<td width=\"130\"><img src=\"") +
           htmlText(app::borrowerPhotoPageLink(row.surname, row.firstName)) + QStringLiteral("\" width=\"120\"height=\"100\"></td>");
}

QString borrowerText(const LoanRow& row)
{
    return htmlText(row.borrowerNumber) + u' ' + htmlText(row.surname) + u' ' + htmlText(row.firstName) + u' ' +
           htmlText(row.className);
}

}  // namespace

ListFiles booksOutList(const std::vector<LoanRow>& rows, const QString& className, const PageTexts& texts)
{
    ListFiles files;
    files.csv = QStringLiteral(" EmpNom ; EmpPrenom ; EmpClasse ; NumEmprunteur ; Titre ; NumLivre ;ISBN13 ; DateRetour ") + kCrLf;
    QString pageRows;
    for (const LoanRow& row : rows) {
        const QString code = codeValue(row);
        files.csv += QStringList{row.surname, row.firstName, row.className, row.borrowerNumber, row.title,
                                 row.numLivre, codeValue(row, QStringLiteral("'")), row.returnDate}
                         .join(u';') + kCrLf;
        if (inClass(row, className))
            pageRows += textRow(row.surname, QStringLiteral("; ") + joinedEscaped({row.firstName, row.className,
                                                                                   row.borrowerNumber, row.title,
                                                                                   row.numLivre, code, row.returnDate}));
    }
    files.page = pageOf(texts, kListStyle, pageRows);
    return files;
}

ListFiles overdueList(const std::vector<LoanRow>& rows, const QString& className, const QDate& today,
                      const PageTexts& texts)
{
    ListFiles files;
    files.csv = QStringLiteral("Titre;Isbn13;Auteur;genre;Lieurangement;EmpNom;EmpPrenom;Classe;DateRetour;mail;ImageLivre;\r");
    QString pageRows;
    for (const LoanRow& row : rows) {
        const QDate due = dueDate(row, today);
        if (!(today > due) || !inClass(row, className))
            continue;
        const QStringList values{row.title, u'\'' + row.isbn13, row.author, row.genre, row.storagePlace,
                                 row.surname, row.firstName, row.className, text::shortDateText(due), row.mail,
                                 row.images};
        pageRows += textRow(row.title, joinedEscaped(values));
        files.csv += values.join(u';') + kCrLf;
    }
    files.page = pageOf(texts, kListStyle, pageRows);
    return files;
}

QString booksOutPicturePage(const std::vector<LoanRow>& rows, const QString& className, const PageTexts& texts)
{
    QString pageRows;
    for (const LoanRow& row : rows) {
        if (row.borrowerNumber == u'0' || !inClass(row, className))
            continue;
        pageRows += coverCell(row, QStringLiteral("\" width=\"100\"height=\"150\"></a></td>")) + photoCell(row) +
                    QStringLiteral("</td><td width=\"600\"><p><b>") + htmlText(row.title) + QStringLiteral(" (") +
                    htmlText(row.numLivre) + QStringLiteral(")</b>") + kNext + htmlText(codeValue(row)) + u' ' +
                    htmlText(row.author) + kNext + htmlText(row.genre) + QStringLiteral(" Rangement -&gt; ") +
                    htmlText(row.storagePlace) + kNext + borrowerText(row) + kNext + htmlText(row.returnDate) +
                    QStringLiteral("</p></td></tr>");
    }
    return pageOf(texts, kPictureStyle, pageRows);
}

QString reminderSubject()
{
    return QStringLiteral("Livre en retard");
}

QString reminderBody(const LoanRow& row, const QDate& due, const ReminderText& reminder)
{
    return reminder.beforeTitle + row.title + u' ' + reminder.beforeDate + text::shortDateText(due);
}

QString mailtoAddress(const QString& mail, const QString& subject, const QString& body)
{
    return QStringLiteral("mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(mail, "@")) +
           QStringLiteral("?subject=") + QString::fromLatin1(QUrl::toPercentEncoding(subject)) +
           QStringLiteral("&body=") + QString::fromLatin1(QUrl::toPercentEncoding(body));
}

ListFiles reminderList(const std::vector<LoanRow>& rows, const QString& className, const QDate& today,
                       const ReminderText& reminder, const PageTexts& texts)
{
    ListFiles files;
    files.csv = QStringLiteral("Titre;Isbn13;Auteur;genre;Lieurangement;EmpNom;EmpPrenom;Classe;DateRetour;mail;ImageLivre") + kCrLf;
    QString pageRows;
    for (const LoanRow& row : rows) {
        const QDate due = dueDate(row, today);
        if (!(today > due) || !inClass(row, className))
            continue;
        const QString dueText = text::shortDateText(due);
        QString link;
        if (!row.mail.isEmpty())
            link = QStringLiteral("</p><p><A HREF=\"") +
                   htmlText(mailtoAddress(row.mail, reminderSubject(), reminderBody(row, due, reminder))) +
                   QStringLiteral("\">") + htmlText(row.mail) + QStringLiteral("</A>");
        pageRows += coverCell(row, QStringLiteral("\" width=\"100\"height=\"150\"></td>")) + photoCell(row) +
                    QStringLiteral("</td><td width=\"600\"><p><b>") + htmlText(row.title) + QStringLiteral("</b>") +
                    kNext + htmlText(codeValue(row, QStringLiteral("'"))) + kNext + htmlText(row.author) + kNext + htmlText(row.genre) +
                    u' ' + htmlText(row.storagePlace) + QStringLiteral("</p><p><b>") + borrowerText(row) + link +
                    QStringLiteral("</b></p><p>le retour était prévu : ") + dueText + QStringLiteral("</p></td></tr>");
        files.csv += QStringList{row.title, codeValue(row, QStringLiteral("'")), row.author, row.genre,
                                 row.storagePlace, row.surname, row.firstName, row.className, dueText, row.mail,
                                 row.images}
                         .join(u';') + kCrLf;
    }
    files.page = pageOf(texts, kListStyle, pageRows);
    return files;
}

QString pupilsWithoutLoanPage(const QStringList& lines, const PageTexts& texts)
{
    QString rows;
    for (const QString& line : lines)
        rows += htmlText(line) + QStringLiteral("<br>");
    return pageOf(texts, kListStyle, rows);
}

}  // namespace pupils
