// A librarian enters CDs and games on the other-media screen, browses and corrects them, finds
// one by its code in the grid and deletes it; the input the accept must refuse leaves nothing
// behind.
#include "DriverRun.h"

#include "platform/text/Windows1252.h"

#include <gtest/gtest.h>

namespace {

const QString kToNewItem = QStringLiteral(
    "answer Cancel\n"
    "wait 10\n"
    "answer \n"
    "answer Terminer\n"
    "menu Fichier > Administrateur\n"
    "menu Autres_supports > Nouvelle entrée\n"
    "expect-visible Panel7\n"
    "expect-focus Edit30\n");

// One column of the stored items, in the order of their numbers.
QStringList items(const ProgramFolder& program, const char* field)
{
    return storedColumn(program, QStringLiteral("SELECT * FROM Table1 WHERE Type <> 'LIVRE' ORDER BY NumLivre"),
                        QString::fromLatin1(field));
}

}  // namespace

TEST(OtherMediaScenario, ItemsAreEnteredBrowsedCorrectedFoundAndDeleted)
{
    ProgramFolder program;
    const DriverResult run = play(program, kToNewItem + QStringLiteral(
        "type ABC123\n"
        "click Edit31\n"
        "type Le Carnaval des animaux\n"
        "click Edit32\n"
        "type Camille Saint-Saëns\n"
        "click Edit87\n"
        "type 15,90\n"
        "click Button33\n"
        "expect-text Edit31\n"
        "expect-text RichEdit5\n"
        "expect-focus Edit30\n"
        // A game without a code, then a second copy of the CD.
        "click Edit31\n"
        "type Jeu de l'oie\n"
        "click Button33\n"
        "type ABC123\n"
        "click Edit31\n"
        "type Le Carnaval des animaux\n"
        "click Button33\n"
        // Browsing from the last item back, and a correction saved by "Nouveau / Enregistrer".
        "tab TabSheet5\n"
        "expect-text DBEdit26 Le Carnaval des animaux\n"
        "click Image96\n"
        "expect-text DBEdit26 Jeu de l'oie\n"
        "expect-text DBEdit27 00002\n"
        "click Image96\n"
        "click DBEdit32\n"
        "key End\n"
        "type  (compositeur)\n"
        "click Button28\n"
        // The game found by its number, then deleted.
        "tab TabSheet6\n"
        "click Edit128\n"
        "type 2\n"
        "click Button10\n"
        "expect-text Edit128\n"
        "tab TabSheet5\n"
        "expect-text DBEdit26 Jeu de l'oie\n"
        "tab TabSheet6\n"
        "answer OK\n"
        "click Button37\n"
        "tab TabSheet14\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(items(program, "Titre"), (QStringList{"Le Carnaval des animaux", "Le Carnaval des animaux"}));
    EXPECT_EQ(items(program, "Auteur"), (QStringList{"Camille Saint-Saëns (compositeur)", ""}));
    EXPECT_EQ(items(program, "NbrExemplaire"), (QStringList{"1", "2"}));
    EXPECT_EQ(items(program, "Prix_Client").first(), "15,9");
    EXPECT_EQ(items(program, "CodeBarres"), (QStringList{"*ABC123*", "*ABC123*"}));
    const QString page = text::decodeWindows1252(program.read(QStringLiteral("livres/Biblio_zantor.html")));
    EXPECT_TRUE(page.contains(QStringLiteral("src=\"Jaquettes/ABC123.jpg\""))) << page.toStdString();
}

TEST(OtherMediaScenario, RefusedInputLeavesNothingHalfDone)
{
    ProgramFolder program;
    const DriverResult run = play(program, kToNewItem + QStringLiteral(
        // No title: refused, the title field waits for it.
        "type XYZ\n"
        "click Button33\n"
        "expect-focus Edit31\n"
        // A type longer than its column: the database refuses, the entry stays as typed.
        "type Valise\n"
        "click ComboBox6\n"
        "key End\n"
        "type %1\n"
        "answer OK\n"
        "click Button33\n"
        "expect-text Edit31 Valise\n"
        "expect-text Edit30 XYZ\n"
        // "Annuler" gives a clean entry.
        "click Button34\n"
        "expect-text Edit31\n"
        "expect-text ComboBox6 Musique\n"
        "expect-focus Edit30\n").arg(QString(50, u'x')));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter(QStringLiteral("error: ")).size(), 1) << run.joined().toStdString();
    EXPECT_TRUE(items(program, "Titre").isEmpty());
}
