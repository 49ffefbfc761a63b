#include "pupils/PupilImport.h"

#include "platform/db/Connection.h"
#include "platform/db/Query.h"
#include "platform/db/Transaction.h"
#include "platform/text/PascalText.h"

#include <QHash>
#include <QSet>

namespace pupils {

namespace {


QString nameKey(const QString& surname, const QString& firstName)
{
    return (text::Trim(surname) + u'\n' + text::Trim(firstName)).toCaseFolded();
}

struct Borrower {
    qint64 number = 0;
    QString surname;
    QString firstName;
    QString className;
    QString mark;
};

std::vector<Borrower> borrowers(db::Connection& connection)
{
    db::Query q(connection);
    q.setSql(QStringLiteral("Select * From Emprunteurs"));
    q.open();
    std::vector<Borrower> rows;
    rows.reserve(size_t(q.recordCount()));
    for (q.first(); !q.eof(); q.next())
        rows.push_back({q.fieldByName(QStringLiteral("NumEmprunteur")).asString().toLongLong(),
                        q.fieldByName(QStringLiteral("EmpNom")).asString(),
                        q.fieldByName(QStringLiteral("EmpPrenom")).asString(),
                        q.fieldByName(QStringLiteral("Classe")).asString(),
                        q.fieldByName(QStringLiteral("NumINE")).asString()});
    return rows;
}

QSet<qint64> borrowersHoldingCopies(db::Connection& connection)
{
    db::Query q(connection);
    q.setSql(QStringLiteral("Select * From Table1 WHERE EmpNom <> ''"));
    q.open();
    QSet<qint64> holders;
    for (q.first(); !q.eof(); q.next())
        holders.insert(q.fieldByName(QStringLiteral("NumEmprunteur")).asString().toLongLong());
    return holders;
}

void insertPupil(db::Connection& connection, const PupilValues& p, const QString& mark)
{
    connection.execute(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,NumINE,Classe,Etablissement,Mail) "
                                      "Values (?,?,?,?,?,?)"),
                       {p.surname, p.firstName, mark, p.className, p.school, p.mail});
}

}  // namespace

ImportOutcome addPupils(db::Connection& connection, const PupilFile& file, const ImportProgress& progress)
{
    ImportOutcome outcome;
    db::Transaction transaction(connection);
    for (const PupilValues& pupil : file.pupils) {
        progress();
        insertPupil(connection, pupil, QString());
        ++outcome.added;
    }
    transaction.commit();
    return outcome;
}

ImportOutcome updatePupils(db::Connection& connection, const PupilFile& file, const ImportProgress& progress)
{
    ImportOutcome outcome;
    db::Transaction transaction(connection);
    connection.execute(QStringLiteral("UPDATE Emprunteurs SET NumINE='' WHERE NumINE='0'"));
    const std::vector<Borrower> known = borrowers(connection);
    QHash<QString, QList<const Borrower*>> byName;
    for (const Borrower& b : known)
        byName[nameKey(b.surname, b.firstName)] << &b;

    QSet<qint64> found;
    QSet<QString> addedNow;
    for (const PupilValues& pupil : file.pupils) {
        progress();
        const QString key = nameKey(pupil.surname, pupil.firstName);
        const QList<const Borrower*> matches = byName.value(key);
        if (matches.isEmpty()) {
            // A pupil twice in the file is added once.
            if (!addedNow.contains(key)) {
                insertPupil(connection, pupil, QStringLiteral("0"));
                addedNow.insert(key);
                ++outcome.added;
            }
            continue;
        }
        for (const Borrower* b : matches)
            found.insert(b->number);
        if (matches.size() == 1) {
            connection.execute(QStringLiteral("UPDATE Emprunteurs SET Classe = ?, NumINE = '' WHERE NumEmprunteur = ?"),
                               {pupil.className, matches.first()->number});
            ++outcome.updated;
        } else {
            for (const Borrower* b : matches)
                connection.execute(QStringLiteral("UPDATE Emprunteurs SET NumINE = '' WHERE NumEmprunteur = ?"), {b->number});
        }
    }

    const QSet<qint64> holders = borrowersHoldingCopies(connection);
    for (const Borrower& b : known) {
        const bool unmarked = b.mark.isEmpty() || b.mark == u'0';
        if (found.contains(b.number) || !unmarked)
            continue;
        if (holders.contains(b.number)) {
            outcome.keptHolders << QStringLiteral("%1 %2 (%3)").arg(b.surname, b.firstName, b.className);
            continue;
        }
        connection.execute(QStringLiteral("DELETE FROM Emprunteurs WHERE NumEmprunteur = ?"), {b.number});
        ++outcome.deleted;
    }
    transaction.commit();
    return outcome;
}

}  // namespace pupils
