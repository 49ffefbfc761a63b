#include "pupils/BorrowerNumbering.h"

#include "app/CsvValue.h"
#include "platform/db/Connection.h"
#include "platform/db/Query.h"
#include "platform/text/Windows1252.h"

#include <QSaveFile>

namespace pupils {

namespace {

const QString kUntitled = QStringLiteral("__LIVRE SANS TITRE ?");

const QStringList kColumns = {
    QStringLiteral("NumLivre"),      QStringLiteral("Titre"),          QStringLiteral("Auteur"),
    QStringLiteral("Editeur"),       QStringLiteral("Descripteur"),    QStringLiteral("Isbn10"),
    QStringLiteral("Type"),          QStringLiteral("Genre"),          QStringLiteral("MaxExemplaire"),
    QStringLiteral("NbrExemplaire"), QStringLiteral("Images"),         QStringLiteral("Isbn13"),
    QStringLiteral("Pages"),         QStringLiteral("Date_parution"),  QStringLiteral("CodeBarres"),
    QStringLiteral("IMP_CodeBarres"), QStringLiteral("EmpNom"),        QStringLiteral("EmpPrenom"),
    QStringLiteral("EmpClasse"),     QStringLiteral("NumEmprunteur"),  QStringLiteral("Empruntable"),
    QStringLiteral("LieuRangement"), QStringLiteral("Photo_rangement"), QStringLiteral("Resume"),
    QStringLiteral("Proprio"),       QStringLiteral("Mot_cle"),        QStringLiteral("Langue"),
};

}  // namespace

int copiesOut(db::Connection& connection)
{
    db::Query q(connection);
    q.setSql(QStringLiteral("Select * FROM table1 WHERE EmpNom <> ''"));
    q.open();
    return q.recordCount();
}

void DumpBooksToBibliotheque2(db::Connection& connection, const QString& nativePath)
{
    db::Query q(connection);
    q.setSql(QStringLiteral("Select * FROM table1 ORDER BY numlivre"));
    q.open();
    QString dump = kColumns.join(u';') + QStringLiteral("\r\n");
    for (q.first(); !q.eof(); q.next()) {
        QStringList values;
        for (const QString& column : kColumns)
            values << app::csvValue(q.fieldByName(column).asString(), app::CsvRule::RenumberingCopy);
        if (values[1].isEmpty())
            values[1] = kUntitled;
        if (values[11].isEmpty())
            values[11] = values[0];
        dump += values.join(u';') + QStringLiteral("\r\n");
    }
    QSaveFile file(nativePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(text::encodeWindows1252(dump)) < 0 || !file.commit())
        throw std::runtime_error(QStringLiteral("Le fichier %1 ne peut pas être écrit.").arg(nativePath).toStdString());
}

void restartBorrowerNumbering(db::Connection& connection)
{
    connection.execute(QStringLiteral("DELETE FROM Emprunteurs"));
    // The AutoNumber's counter lives in SQLite's own table, outside the Jet statements.
    connection.run(QStringLiteral("DELETE FROM sqlite_sequence WHERE name = 'Emprunteurs'"), {});
}

}  // namespace pupils
