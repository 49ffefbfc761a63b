#include "pupils/YearEndReset.h"

#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"

namespace pupils {

int resetLoansAndBorrowers(db::Connection& connection)
{
    db::Transaction transaction(connection);
    int cleared = connection.execute(QStringLiteral(
        "UPDATE table1 SET EmpNom ='',EmpPrenom='',NumEmprunteur=0,DateEmprunt='',DateRetour='' WHERE EmpNom <> ''"));
    // Dates cleared to the zero date by older versions become empty too.
    cleared += connection.execute(QStringLiteral("UPDATE table1 SET DateEmprunt='',DateRetour='' WHERE DateEmprunt=0"));
    connection.execute(QStringLiteral("DELETE FROM Emprunteurs"));
    transaction.commit();
    return cleared;
}

}  // namespace pupils
