#include "tools/bench/Borrowers.h"

#include "platform/db/BulkScope.h"
#include "platform/db/Connection.h"

#include <QStringList>

namespace bench {

namespace {

const QStringList kSyllables{"BA", "LE", "MI", "RO", "TU", "VAN", "DOR", "SEL", "PIN", "GAU"};
const QStringList kFirstNames{"Jean", "Léa", "Hugo", "Chloé", "Louis", "Emma", "Noé", "Inès", "Jules", "Manon",
                              "Adam", "Zoé", "Nathan", "Lina", "Tom", "Jade", "Enzo", "Camille", "Théo", "Sarah"};
const QStringList kLevels{"CP", "CE1", "CE2", "CM1", "CM2", "6e"};

}  // namespace

QString borrowerSurname(int n)
{
    const int i = (n - 1) % 1000;
    return kSyllables[i / 100] + kSyllables[(i / 10) % 10] + kSyllables[i % 10];
}

QString borrowerFirstName(int n)
{
    return kFirstNames[(n - 1) % kFirstNames.size()];
}

QString borrowerClass(int n)
{
    const int c = (n - 1) % kClasses;
    return kLevels[c / 4] + u' ' + QChar(u'A' + c % 4);
}

void addBorrowers(const QString& path, int count)
{
    db::Connection c(QStringLiteral("Data Source=") + path);
    db::BulkScope scope(c);
    for (int n = 1; n <= count; ++n)
        c.execute(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe,Mail,Etablissement) "
                                 "Values (?,?,?,?,'Ecole du centre')"),
                  {borrowerSurname(n), borrowerFirstName(n), borrowerClass(n),
                   QStringLiteral("eleve%1@ecole.example").arg(n)});
}

}  // namespace bench
