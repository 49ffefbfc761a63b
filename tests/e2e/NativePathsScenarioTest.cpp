// The librarian reads French and the files' places as they lie on this machine: messages named
// files by their Windows paths ("C:\Qvlzantor\ Emprunteurs_classe.csv"), and a missing language
// file left the program without a word.
#include "DriverRun.h"
#include "DeliveredLanguage.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(NativePathsScenario, AMissingLanguageFileIsNamedAndTheProgramSpeaksTheDeliveredFrench)
{
    ProgramFolder program;
    program.write(QStringLiteral("Fichier.ini"), "[Language]\r\nLanguage=klingon.txt\r\n");
    const DriverResult run = play(program, QStringLiteral(
        "answer OK\nanswer Cancel\n"
        "answer \nanswer Terminer\n"
        "menu Fichier > Administrateur\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.value(0), "dialog: QvlZantor | Le fichier de langue " + program.folder("Languages/klingon.txt") +
                                      " est introuvable ou illisible. | OK")
        << run.joined().toStdString();
    // The start-up question.
    EXPECT_EQ(run.lines.value(1), "dialog: " + deliveredFrench().dialog(2) + " | " + deliveredFrench().dialog(1) + " | OK,Annuler");
    // The password box asks in French too.
    EXPECT_TRUE(run.has(QStringLiteral("dialog: ") + deliveredFrench().dialog(33) + " | " + deliveredFrench().dialog(34) +
                        " | OK,Annuler"))
        << run.joined().toStdString();
}

TEST(NativePathsScenario, AMissingThesaurusIsNamedByItsPlace)
{
    ProgramFolder program;
    QFile::remove(program.folder("Thesaurus.txt"));
    const DriverResult run = play(program, QStringLiteral("answer Cancel\n"));
    EXPECT_TRUE(run.has("error: Erreur d'E/S : impossible d'ouvrir le fichier " + program.folder("Thesaurus.txt") + "."))
        << run.joined().toStdString();
}

TEST(NativePathsScenario, ListsSayWhereTheyWereWritten)
{
    ProgramFolder program;
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "click ToolButton3\n"
        "answer OK\nclick SpeedButton57\n"
        "menu Livres > Livres sortis\n"
        "answer OK\nanswer Cancel\nclick BitBtn5\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    const QString shown = run.joined();
    EXPECT_TRUE(shown.contains(deliveredFrench().message(55) + program.folder(" Emprunteurs_classe.csv") + "\\r"))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(deliveredFrench().message(55) + program.folder("Listes/livres_Sortis.csv") + " \\r"))
        << shown.toStdString();
    EXPECT_FALSE(shown.contains("C:\\")) << shown.toStdString();
}

}  // namespace
