#include "exchange/CsvLists.h"

#include "app/CsvValue.h"
#include "exchange/HtmlPage.h"
#include "exchange/SpreadsheetText.h"
#include "platform/db/Query.h"

namespace exchange {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The fields of the rows, read by name.
struct Columns {
    Columns(db::Query& ars, const QStringList& names)
    {
        for (const QString& n : names)
            fields.push_back(ars.fieldByName(n));
    }
    QStringList values() const
    {
        QStringList v;
        for (const db::Field& f : fields)
            v << f.asString();
        return v;
    }
    std::vector<db::Field> fields;
};

struct ListShape {
    QString sql;
    QString header;
    QStringList fileColumns;  // the second is the code, written after an apostrophe when codeAsText
    bool codeAsText;
    QStringList pageColumns;  // the first is the bold one
};

CsvList listOf(db::Query& ars, const ListShape& shape)
{
    ars.close();
    ars.setSql(shape.sql);
    ars.open();
    const Columns file(ars, shape.fileColumns);
    const Columns page(ars, shape.pageColumns);
    CsvList list;
    list.csv = shape.header + kCrLf;
    QString rows;
    for (ars.first(); !ars.eof(); ars.next()) {
        QStringList values = file.values();
        QString line = spreadsheetValue(values.takeFirst());
        if (shape.codeAsText)
            line += QStringLiteral(";'") + app::csvValue(values.takeFirst(), app::CsvRule::Lists);
        for (const QString& v : values)
            line += u';' + spreadsheetValue(v);
        list.csv += line + kCrLf;
        QStringList shown = page.values();
        const QString first = shown.takeFirst();
        rows += listRow(first, shown);
    }
    ars.close();
    ars.clearSql();
    list.page = pageHead(QStringLiteral("Bibliothèque")) + headingParagraph(QStringLiteral("Bibliothèque")) +
                tableStart(800) + rows + kPageEnd;
    return list;
}

}  // namespace

CsvList bookList(db::Query& ars)
{
    return listOf(ars, {QStringLiteral("Select * FROM table1 WHERE Type = 'LIVRE' ORDER BY Titre"),
                        QStringLiteral("NumLivre ; ISBN13 ; Titre ; Auteur ; Editeur ; pages ; Date_parution ; "
                                       "CodeBarres ; Descripteurs ; Mot_cle ; LieuRangement ; Genre ; langue ; "
                                       "prix_client ;"),
                        {"NumLivre", "Isbn13", "Titre", "Auteur", "Editeur", "pages", "Date_parution", "CodeBarres",
                         "Descripteur", "Mot_cle", "LieuRangement", "Genre", "langue", "prix_client"},
                        true,
                        {"NumLivre", "Titre", "Isbn13", "Auteur", "Editeur", "pages", "Date_parution", "CodeBarres",
                         "Descripteur", "LieuRangement", "Mot_cle", "Genre", "langue", "prix_client"}});
}

CsvList borrowerList(db::Query& ars)
{
    return listOf(ars, {QStringLiteral("Select * FROM Emprunteurs ORDER BY EmpNom"),
                        QStringLiteral("NumEmprunteur ; EmpNom ; EmpPrenom ; Classe ; Etablissement ; NumINE ; "
                                       "NbrEmpruntsTotal ; NbrEmpruntsEnCours ; Mail"),
                        {"NumEmprunteur", "EmpNom", "EmpPrenom", "Classe", "Etablissement", "NumINE",
                         "NbrEmpruntsTotal", "NbrEmpruntsEnCours", "Mail"},
                        false,
                        {"NumEmprunteur", "EmpNom", "EmpPrenom", "Classe", "Etablissement", "NumINE",
                         "NbrEmpruntsTotal", "Mail"}});
}

CsvList otherMediaList(db::Query& ars)
{
    return listOf(ars, {QStringLiteral("Select * FROM table1 WHERE Type <> 'LIVRE' ORDER BY Titre"),
                        QStringLiteral("NumLivre ; ISBN13 ; Titre ; Auteur ; Editeur ; pages ; Date_parution ; "
                                       "CodeBarres ; Descripteurs"),
                        {"NumLivre", "Isbn13", "Titre", "Auteur", "Editeur", "pages", "Date_parution", "CodeBarres",
                         "Descripteur"},
                        true,
                        {"NumLivre", "Titre", "Isbn13", "Auteur", "Editeur", "pages", "Date_parution", "CodeBarres"}});
}

}  // namespace exchange
