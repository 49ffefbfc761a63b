#include "app/BackupCsvExport.h"

#include "app/CsvValue.h"
#include "app/TextRoutines.h"
#include "platform/db/Query.h"
#include "platform/files/TextFileRecord.h"

#include <QStringList>

namespace app {

namespace {

const char* const kColumns[] = {
    "Titre", "Auteur", "Editeur", "Descripteur", "Isbn10", "Type", "Genre", "MaxExemplaire", "NbrExemplaire",
    "Images", "Isbn13", "Pages", "Date_parution", "CodeBarres", "IMP_CodeBarres", "EmpNom", "EmpPrenom",
    "EmpClasse", "NumEmprunteur", "Empruntable", "LieuRangement", "Photo_rangement", "Resume", "Proprio",
    "Mot_cle", "Langue"};

}  // namespace

QString backupCsvHeader()
{
    QStringList names;
    for (const char* name : kColumns)
        names << QString::fromLatin1(name);
    return names.join(u';');
}

QString backupCsvLine(const QStringList& values)
{
    QStringList cleaned;
    for (const QString& value : values)
        cleaned << csvValue(value, CsvRule::Backup);
    return ReplaceAll(cleaned.join(u';'), QStringLiteral("__"), QStringLiteral("_"));
}

void writeBackupCsv(db::Query& ars, const QString& windowsPath)
{
    ars.close();
    ars.setSql(QStringLiteral("Select * FROM table1 "));
    ars.open();
    std::vector<db::Field> fields;
    for (const char* name : kColumns)
        fields.push_back(ars.fieldByName(QString::fromLatin1(name)));
    files::TextFileRecord file;
    file.assign(windowsPath);
    file.rewrite();
    file.writeln(backupCsvHeader());
    for (ars.first(); !ars.eof(); ars.next()) {
        QStringList values;
        for (const db::Field& field : fields)
            values << field.asString();
        file.writeln(backupCsvLine(values));
    }
    file.close();
}

}  // namespace app
