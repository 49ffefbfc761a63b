#include "app/JournalReplay.h"

#include "platform/db/Query.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"

#include <QDateTime>
#include <QRegularExpression>

namespace app {

namespace {

constexpr int kFields = 10;
constexpr int kFieldLength = 100;
const QString kSeparator = QStringLiteral(" ");

QString field(const QStringList& fields, int number) { return fields.value(number - 1); }

std::optional<qint64> wholeNumber(const QString& text)
{
    bool ok = false;
    const qint64 n = text::Trim(text).toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

// A "Retour" line gives "code [copy number]"; a line without the brackets gives the code alone.
struct ReturnedCopy {
    QString code;
    std::optional<qint64> numLivre;
};

ReturnedCopy returnedCopy(const QString& codeField)
{
    static const QRegularExpression bracketed(QStringLiteral("^(.*?)\\s*\\[\\s*(\\d+)\\s*\\]\\s*$"));
    const QRegularExpressionMatch m = bracketed.match(codeField);
    if (m.hasMatch())
        return {text::Trim(m.captured(1)), m.captured(2).toLongLong()};
    return {text::Trim(codeField), std::nullopt};
}

void openRows(db::Query& q, const QString& where, const db::Params& params)
{
    q.setSql(QStringLiteral("SELECT * FROM table1 WHERE ") + where, params);
    q.open();
}

void clearLoan(db::Query& q)
{
    q.edit();
    for (const char* name : {"DateEmprunt", "DateRetour", "EmpNom", "EmpPrenom", "EmpClasse"})
        q.fieldByName(QString::fromLatin1(name)).clear();
    q.fieldByName(QStringLiteral("NumEmprunteur")).setAsInteger(0);
    q.post();
}

}  // namespace

QStringList journalFields(const QString& line)
{
    QStringList fields;
    QString rest = line;
    for (int i = 0; i < kFields; ++i) {
        const int separator = rest.indexOf(u';');
        if (separator < 0) {
            fields << QString();
            rest.clear();
            continue;
        }
        fields << rest.left(separator).left(kFieldLength);
        rest = rest.mid(separator + 1);
    }
    return fields;
}

std::optional<QDate> replayWindowDate(QString& typed)
{
    if (typed.size() < 6)
        return std::nullopt;
    typed[2] = u'/';
    typed[5] = u'/';
    static const QRegularExpression day(QStringLiteral("^\\d\\d/\\d\\d/\\d\\d\\d\\d$"));
    if (!day.match(typed).hasMatch())
        return std::nullopt;
    return text::parseShortDate(typed);
}

int loanPeriodDays(const QString& periodText)
{
    if (periodText == QStringLiteral("7 jours"))
        return 7;
    if (periodText == QStringLiteral("14 jours"))
        return 14;
    bool ok = false;
    const int months = periodText.left(2).toInt(&ok);
    return ok && months > 0 ? months * 30 : 7;
}

JournalReplay::JournalReplay(db::Connection& connection, const QDate& today, const QString& loanPeriodText, Log log)
    : m_connection(connection), m_today(today), m_loanDays(loanPeriodDays(loanPeriodText)), m_log(std::move(log))
{
}

void JournalReplay::replayLine(const QString& line, const QDate& from, const QDate& to)
{
    const QStringList fields = journalFields(line);
    const QDate date = text::parseShortDate(field(fields, 2)).value_or(text::jetEpoch());
    if (date > to) {
        m_log(QStringLiteral("Fin"));
        return;
    }
    if (date < from)
        return;
    m_log(field(fields, 1) + kSeparator + field(fields, 2) + kSeparator + field(fields, 4) + u'\r');
    const QString kind = field(fields, 1);
    if (kind != QStringLiteral("Retour") && kind != QStringLiteral("Sortie"))
        return;
    const std::optional<qint64> borrower = wholeNumber(field(fields, 9));
    if (!borrower) {
        m_log(QStringLiteral("Numéro d'emprunteur illisible, ligne ignorée : ") + field(fields, 9) + u'\r');
        return;
    }
    if (kind == QStringLiteral("Retour"))
        replayReturn(fields, *borrower);
    else
        replayLoan(fields, *borrower);
}

void JournalReplay::replayReturn(const QStringList& fields, qint64 borrower)
{
    const ReturnedCopy copy = returnedCopy(field(fields, 3));
    db::Query q(m_connection);
    if (copy.numLivre)
        openRows(q, QStringLiteral("NumLivre = ? AND NumEmprunteur = ?"), {*copy.numLivre, borrower});
    else
        openRows(q, QStringLiteral("Isbn13 = ? AND NumEmprunteur = ?"), {copy.code, borrower});
    if (q.recordCount() != 1)
        return;
    m_log(QStringLiteral("1") + kSeparator + field(fields, 3) + kSeparator + field(fields, 9) + kSeparator);
    q.first();
    clearLoan(q);
}

void JournalReplay::replayLoan(const QStringList& fields, qint64 borrower)
{
    const QString code = text::Trim(field(fields, 3));
    db::Query q(m_connection);
    openRows(q, QStringLiteral("Isbn13 = ? AND NumEmprunteur = ?"), {code, borrower});
    if (!q.isEmpty()) {
        m_log(QStringLiteral("Ce livre est déjà enregistré ") + field(fields, 4));
        return;
    }
    openRows(q, QStringLiteral("Isbn13 = ?"), {code});
    if (q.isEmpty()) {
        m_log(QStringLiteral("pas de livre disponible à emprunter"));
        return;
    }
    for (q.first(); !q.eof(); q.next()) {
        if (!q.fieldByName(QStringLiteral("EmpNom")).asString().isEmpty() ||
            !q.fieldByName(QStringLiteral("Empruntable")).asBoolean())
            continue;
        const QString today = text::shortDateText(m_today);
        m_log(QStringList{today, q.fieldByName(QStringLiteral("Titre")).asString(),
                          q.fieldByName(QStringLiteral("Auteur")).asString(), text::Trim(field(fields, 6)),
                          text::Trim(field(fields, 8)), text::Trim(field(fields, 9)), text::Trim(field(fields, 10)),
                          today}
                  .join(kSeparator));
        db::Field timesLent = q.fieldByName(QStringLiteral("NbreFoisEmprunte"));
        const qint64 lent = wholeNumber(timesLent.asString()).value_or(0);
        q.edit();
        q.fieldByName(QStringLiteral("EmpNom")).setAsString(text::Trim(field(fields, 6)));
        q.fieldByName(QStringLiteral("EmpPrenom")).setAsString(text::Trim(field(fields, 7)));
        q.fieldByName(QStringLiteral("EmpClasse")).setAsString(text::Trim(field(fields, 8)));
        q.fieldByName(QStringLiteral("NumEmprunteur")).setAsInteger(borrower);
        q.fieldByName(QStringLiteral("DateEmprunt")).setAsDateTime(QDateTime(m_today, QTime()));
        q.fieldByName(QStringLiteral("DateRetour")).setAsDateTime(QDateTime(m_today.addDays(m_loanDays), QTime()));
        timesLent.setAsString(QStringLiteral("%1").arg(lent + 1, 5, 10, QChar(u'0')));
        q.post();
        m_log(QStringLiteral("Livre enregistré ") + field(fields, 4));
        return;
    }
}

}  // namespace app
