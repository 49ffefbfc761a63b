// The books table repair on rows that need each of its passes, and the database summary.
#include "AdministratorWindowFixture.h"

#include "app/BooksTableRepair.h"
#include "app/DatabaseSummary.h"
#include "catalogue/BookEntryLayout.h"
#include "catalogue/BookEntryScreen.h"
#include "platform/db/Query.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"

namespace {

class BooksTableRepairTest : public AdministratorWindowTest {
protected:
    app::TFrmPrin& startAsAdministrator()
    {
        return AdministratorWindowTest::startAsAdministrator([](app::TFrmPrin& f) {
            // The book screen holds the repair's gauge and log.
            f.addPart<catalogue::BookEntryScreen>(f, catalogue::buildBookEntryControls(f));
            // Stands in for the barcode font's text: readable, and refusing what the real one refuses.
            f.addPart<app::BooksTableRepair>(f, [](const QString& code) {
                for (QChar c : code.left(12))
                    if (!c.isDigit() || code.size() < 12)
                        throw text::ConversionError(QStringLiteral("not a code"));
                return QStringLiteral("EAN ") + code.left(12);
            });
            f.addPart<app::DatabaseSummary>(f);
        });
    }
    // Adds a row with the given fields; returns its NumLivre.
    qint64 add(const std::vector<std::pair<const char*, QString>>& fields)
    {
        db::Query q(frm().db.ADOConnection1);
        q.setSql(QStringLiteral("SELECT * FROM Table1"));
        q.open();
        q.append();
        for (const auto& [name, value] : fields)
            q.fieldByName(QString::fromLatin1(name)).setAsString(value);
        q.post();
        return q.fieldByName(QStringLiteral("NumLivre")).asInteger();
    }
    QString stored(qint64 numLivre, const char* field)
    {
        db::Query q(frm().db.ADOConnection1);
        q.setSql(QStringLiteral("SELECT * FROM Table1 WHERE NumLivre = ?"), {numLivre});
        q.open();
        return q.fieldByName(QString::fromLatin1(field)).asString();
    }
};

}  // namespace

TEST_F(BooksTableRepairTest, EachPassMendsWhatItLooksAfter)
{
    app::TFrmPrin& w = startAsAdministrator();
    const qint64 a1 = add({{"Isbn13", "A"}, {"Titre", "Groupe"}, {"Type", "LIVRE"}});
    const qint64 a2 = add({{"Isbn13", "A"}, {"Titre", "Groupe"}, {"Type", "LIVRE"}});
    const qint64 b = add({{"Isbn13", "B"}, {"Titre", "Groupe"}, {"Type", "LIVRE"}});
    const qint64 internal = add({{"Isbn13", "00000"}, {"Titre", "Sans code"}, {"Type", "LIVRE"}});
    const qint64 hyphens = add({{"Isbn13", "978-2-07-061275-8"}, {"Titre", "Tirets"}, {"Isbn10", "207061275"}});
    const qint64 press = add({{"Isbn13", "3790000000001"}, {"Titre", "Revue"}, {"Isbn10", "*12*"}, {"Type", "REVUE"}});
    const qint64 zeroDue = add({{"Isbn13", "C"}, {"Titre", "Prêté"}, {"EmpNom", "Martin"}, {"NumEmprunteur", "7"},
                                {"DateRetour", "30/12/1899"}});
    const qint64 separators = add({{"Isbn13", "D"}, {"Titre", "Contes [illustré], tome 1; suite"}, {"Auteur", "Un \"deux\""}});
    const qint64 badCode = add({{"Isbn13", "978ABC"}, {"Titre", ""}, {"CodeBarres", "*978ABC*"}});
    dialogs.answer("OK");
    input.menu(QStringLiteral("Outils > Vérification Base Livre"));

    struct Expect { qint64 row; const char* field; QString value; };
    const QString code = QStringLiteral("%1").arg(internal, 5, 10, QChar(u'0'));
    const Expect expected[] = {
        {a1, "NbrExemplaire", "1"}, {a2, "NbrExemplaire", "2"}, {b, "NbrExemplaire", "1"},
        {a1, "MaxExemplaire", "Faux"}, {a2, "MaxExemplaire", "Vrai"}, {b, "MaxExemplaire", "Vrai"},
        {a1, "CodeBarres", "*A*"},
        {internal, "Isbn13", code}, {internal, "Images", code + ".jpg"}, {internal, "CodeBarres", "*" + code + "*"},
        {internal, "MaxExemplaire", "Vrai"},
        {hyphens, "Isbn13", "9782070612758"}, {hyphens, "CodeBarres", "EAN 978207061275"},
        {hyphens, "Isbn10", "207061275X"}, {hyphens, "Type", "LIVRE"},
        {press, "Isbn10", "*00012*"}, {press, "CodeBarres", "*00012*"}, {press, "Images", "3790000000001_00012.jpg"},
        {press, "Type", "REVUE"},
        {zeroDue, "EmpNom", ""}, {zeroDue, "NumEmprunteur", "0"}, {zeroDue, "DateRetour", ""},
        {separators, "Titre", "Contes illustré   tome 1  suite"}, {separators, "Auteur", "Un  deux "},
        {badCode, "Titre", "__LIVRE SANS TITRE ?"}, {badCode, "CodeBarres", "*978ABC*"},
    };
    for (const Expect& e : expected)
        EXPECT_EQ(stored(e.row, e.field), e.value) << e.row << " " << e.field;
    EXPECT_EQ(dialogTexts().last(), w.tables.message(201));
}

TEST_F(BooksTableRepairTest, SummaryCountsBooksOtherMediaObjectsAndBorrowers)
{
    app::TFrmPrin& w = startAsAdministrator();
    for (int i = 0; i < 10; ++i)
        add({{"Titre", "Livre"}, {"Type", "LIVRE"}, {"NumEmprunteur", i < 2 ? "3" : "0"}});
    for (int i = 0; i < 3; ++i)
        add({{"Titre", "Disque"}, {"Type", "CD"}});
    for (int i = 0; i < 4; ++i)
        w.db.ADOConnection1.execute("INSERT INTO Inventaire (Nom) VALUES ('Table')");
    for (int i = 0; i < 5; ++i)
        w.db.ADOConnection1.execute("INSERT INTO Emprunteurs (EmpNom) VALUES ('Martin')");
    dialogs.answer("OK");
    input.menu(QStringLiteral("Fichier > Info base"));
    EXPECT_EQ(dialogTexts().last(), "10 LIVRES\r2 LIVRES EMPRUNTES\r3 AUTRES que LIVRES\r0 AUTRES que LIVRES EMPRUNTES\r"
                                    "4 OJECTS A L'INVENTAIRE\r5 EMPRUNTEURS\r");
}
