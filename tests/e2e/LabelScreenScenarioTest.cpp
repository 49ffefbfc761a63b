// The label screen opened from its menu after each other screen: whatever the screen before left
// in the shared scratch query (borrowers, a statement of its own), the sheet of the copies to
// label is built and no error is shown.
#include "DriverRun.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"

#include <gtest/gtest.h>

namespace {

struct ScreenBeforeLabels {
    const char* menu;
    const char* answers = "";  // for the dialogs the screen shows
};

const ScreenBeforeLabels kScreensBeforeLabels[] = {
    {"Emprunts > Emprunter"},
    {"Emprunts > Retours"},
    {"Livres > Nouveaux livres"},
    {"Livres > Livres sortis"},
    {"Livres > Rechercher"},
    {"Livres > Listes (csv) des livres"},
    {"Livres > Catalogue Html Livre"},
    {"Autres_supports > Nouvelle entrée"},
    {"Autres_supports > Listes (csv) Autres_support"},
    {"Autres_supports > Catalogue Html Autre _support"},
    {"Inventaire du matériel > Nouvel objet"},
    {"Inventaire du matériel > Catalogue Html inventaire", "answer OK\n"},
    {"Emprunteurs > Nouvel emprunteur"},
    {"Emprunteurs > Cartes Emprunteurs"},
    {"Emprunteurs > Listes (csv) des emprunteurs"},
    {"Emprunteurs > Voir tous les livres déjà emprumtés"},
    {"Outils > Ajouter des N°  à la liste ISBN"},
    {"Outils > Eléments statistiques"},
    {"Outils > Configuration"},
    {"Outils > Coordonnées"},
};

TEST(LabelScreenScenario, TheSheetIsBuiltWhateverScreenCameBefore)
{
    for (const ScreenBeforeLabels& before : kScreensBeforeLabels) {
        SCOPED_TRACE(before.menu);
        ProgramFolder program;
        {
            files::setProgramFolder(program.folder());
            db::Connection connection(app::buildConnectionString(files::appDir()),
                                      [](const QString& p) { return files::nativePath(p); });
            connection.execute(QStringLiteral(
                "Insert into Table1 (Titre,Isbn13,CodeBarres,Type,IMP_CodeBarres,NbrExemplaire,MaxExemplaire) "
                "Values ('Le Petit Prince','00012','*00012*','LIVRE',True,1,True)"));
            connection.execute(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('MARTIN','Léa','CP')"));
        }
        const DriverResult run =
            play(program, logInScript() + QString::fromUtf8(before.answers) +
                              QStringLiteral("menu %1\nmenu Livres > Etiquettes Codebarre\nexpect-visible Richedit1\n"
                                             "show Richedit1\n")
                                  .arg(QString::fromUtf8(before.menu)));
        EXPECT_EQ(run.exitCode, 0) << run.joined().toStdString();
        EXPECT_EQ(run.lines.filter(QStringLiteral("error:")).size(), 0) << run.joined().toStdString();
        const QString shown = run.joined();
        EXPECT_TRUE(shown.contains(QStringLiteral("*00012*")) && shown.contains(QStringLiteral("Le Petit Prince")) &&
                    shown.contains(QStringLiteral("*I")))
            << shown.toStdString();
    }
}

}  // namespace
