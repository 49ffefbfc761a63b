#include "exchange/LibraryExport.h"

#include "app/BackupCsvExport.h"
#include "exchange/SpreadsheetText.h"
#include "platform/db/BulkScope.h"
#include "platform/db/Query.h"
#include "platform/files/TextFileRecord.h"

namespace exchange {

namespace {

const QString kAllCopies = QStringLiteral("Select * FROM table1 ");
const QString kTitleHeader = QStringLiteral(
    "Titre;Auteur;Editeur;Descripteur;Isbn10;Type;Genre;Images;Isbn13;Pages;Date_parution;CodeBarres;Resume;Mot_cle;"
    "Langue;Prix_Client;Lien_pedago");

void reopen(db::Query& ars)
{
    ars.close();
    ars.setSql(kAllCopies);
    ars.open();
}

std::vector<db::Field> fieldsOf(db::Query& ars, const QString& header)
{
    std::vector<db::Field> fields;
    for (const QString& name : header.split(u';'))
        fields.push_back(ars.fieldByName(name));
    return fields;
}

QStringList valuesOf(const std::vector<db::Field>& fields)
{
    QStringList values;
    for (const db::Field& f : fields)
        values << f.asString();
    return values;
}

}  // namespace

void repairBeforeExport(db::Query& ars)
{
    reopen(ars);
    db::BulkScope scope(ars.connection());
    db::Field title = ars.fieldByName(QStringLiteral("Titre"));
    db::Field code = ars.fieldByName(QStringLiteral("Isbn13"));
    db::Field number = ars.fieldByName(QStringLiteral("NumLivre"));
    for (ars.first(); !ars.eof(); ars.next()) {
        const bool noTitle = title.asString().isEmpty();
        const bool noCode = code.asString().isEmpty();
        if (!noTitle && !noCode)
            continue;
        ars.edit();
        if (noTitle)
            title.setAsString(kUntitledBook);
        if (noCode)
            code.setAsString(number.asString());
        ars.post();
    }
}

void writeLibraryCsv(db::Query& ars, const QString& windowsPath)
{
    reopen(ars);
    const QString header = app::backupCsvHeader();
    const std::vector<db::Field> fields = fieldsOf(ars, header);
    files::TextFileRecord file;
    file.assign(windowsPath);
    file.rewrite();
    file.writeln(header);
    for (ars.first(); !ars.eof(); ars.next())
        file.writeln(csvLine(valuesOf(fields)));
    file.close();
}

void writeTitleExport(db::Query& ars, const QString& windowsPath)
{
    reopen(ars);
    const std::vector<db::Field> fields = fieldsOf(ars, kTitleHeader);
    const db::Field copyNumber = ars.fieldByName(QStringLiteral("NbrExemplaire"));
    files::TextFileRecord file;
    file.assign(windowsPath);
    file.rewrite();
    file.writeln(kTitleHeader);
    for (ars.first(); !ars.eof(); ars.next()) {
        const QString n = copyNumber.asString();
        if (n == u'1' || n == u'0')
            file.writeln(spreadsheetLine(valuesOf(fields) << QStringLiteral("Nb.Ex")));
    }
    file.close();
}

}  // namespace exchange
