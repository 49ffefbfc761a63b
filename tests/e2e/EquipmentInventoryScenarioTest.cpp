// A librarian registers the school's equipment: objects typed in through the record buttons,
// one refused and corrected, walked with "<" and ">", and found again at the next start.
#include "DriverRun.h"

#include <gtest/gtest.h>

namespace {

const QString kToNewObject = QStringLiteral(
    "answer Cancel\n"
    "wait 10\n"
    "answer \n"
    "answer Terminer\n"
    "menu Fichier > Administrateur\n"
    "menu Inventaire du matériel > Nouvel objet\n"
    "expect-visible Panel3\n");

// The record buttons of DBNavigator2, by their place from the window's corner.
const QString kInsert = QStringLiteral("clickat 137 721\n");
const QString kPost = QStringLiteral("clickat 257 721\n");

QStringList objects(const ProgramFolder& program, const char* field)
{
    return storedColumn(program, QStringLiteral("SELECT * FROM Inventaire ORDER BY [N°]"), QString::fromUtf8(field));
}

}  // namespace

TEST(EquipmentInventoryScenario, ObjectsAreRegisteredCorrectedAndWalked)
{
    ProgramFolder program;
    DriverResult run = play(program, kToNewObject + kInsert + QStringLiteral(
        "click DBEdit8\n"
        "type Ordinateur portable\n"
        "click DBEdit6\n"
        "type Informatique\n"
        "click DBEdit11\n"
        "type pc.jpg\n") + kPost + QStringLiteral(
        "expect-text DBEdit5 1\n") + kInsert + QStringLiteral(
        "click DBEdit8\n"
        "type Ballon\n"
        "click DBEdit6\n"
        "type %1\n"
        "answer OK\n").arg(QString(51, u'x')) + kPost + QStringLiteral(
        // Refused: the object is still being typed, and is corrected.
        "expect-text DBEdit8 Ballon\n"
        "click DBEdit6\n"
        "key End\n") + QStringLiteral("key Backspace\n").repeated(51) + QStringLiteral(
        "type Sport\n") + kPost + QStringLiteral(
        "expect-text DBEdit5 2\n"
        // The new object was put before the one shown.
        "click Button5\n"
        "expect-text DBEdit8 Ordinateur portable\n"
        "expect-text DBEdit11 pc.jpg\n"
        "click Button5\n"
        "expect-text DBEdit8 Ordinateur portable\n"
        "click Button6\n"
        "expect-text DBEdit8 Ballon\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter(QStringLiteral("error: ")).size(), 1) << run.joined().toStdString();
    EXPECT_EQ(objects(program, "Nom"), (QStringList{"Ordinateur portable", "Ballon"}));
    EXPECT_EQ(objects(program, "Type"), (QStringList{"Informatique", "Sport"}));
    // The missing picture was shown as the placeholder, never written into the object.
    EXPECT_EQ(objects(program, "FichierPhoto"), (QStringList{"pc.jpg", ""}));

    // At the next start the register opens on its first object, with the labels of the language.
    run = play(program, kToNewObject + QStringLiteral(
        "expect-text DBEdit8 Ordinateur portable\n"
        "expect-text Label19 N°\n"
        "expect-text Label24 Lieu d'usage\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
}
