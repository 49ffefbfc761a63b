#pragma once
// The replay of Journal.csv onto a database put back from an older copy: within a window of
// days, "Sortie" lines re-create the loans the database no longer shows and "Retour" lines clear
// the loans they end. Journal values are parsed, never pasted into statements.
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace db {
class Connection;
}

namespace app {

// A journal line's first ten fields: each the text before the next ";", at most 100
// characters; the text after the last ";" is never a field, missing fields are empty.
QStringList journalFields(const QString& line);

// A date typed in the window: its 3rd and 6th characters are taken as the separators; the
// text must then be 10 characters of a day dd/mm/yyyy. `typed` receives the text with its
// separators put in place.
std::optional<QDate> replayWindowDate(QString& typed);

// Days of a loan period as the loan screen reads it: "7 jours", "14 jours", else the first two
// characters as months of 30 days; a text that gives no days is the loan screen's first
// choice, 7 days.
int loanPeriodDays(const QString& periodText);

class JournalReplay {
public:
    using Log = std::function<void(const QString& text)>;

    // Loans re-created today are due after the loan period.
    JournalReplay(db::Connection& connection, const QDate& today, const QString& loanPeriodText, Log log);

    // Replays the line when its date lies in [from, to]; "Fin" is logged for a line after `to`.
    void replayLine(const QString& line, const QDate& from, const QDate& to);

private:
    void replayReturn(const QStringList& fields, qint64 borrower);
    void replayLoan(const QStringList& fields, qint64 borrower);

    db::Connection& m_connection;
    QDate m_today;
    int m_loanDays;
    Log m_log;
};

}  // namespace app
