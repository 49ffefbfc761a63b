// The covers of a backup folder put back by "&Restauration", as a school restores a backup by
// hand before it replays the journal.
#include "DriverRun.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(JournalReplayScenario, RestaurationCopiesTheCoversOfTheChosenBackup)
{
    ProgramFolder program;
    // Past its first start, the program shows its messages in the language of its settings.
    ASSERT_EQ(play(program, QStringLiteral("answer Cancel\n")).exitCode, 0);
    QDir().mkpath(program.drive(QStringLiteral("Sauvegarde1/livres/Jaquettes")));
    QFile cover(program.drive(QStringLiteral("Sauvegarde1/livres/Jaquettes/9782070612758.jpg")));
    ASSERT_TRUE(cover.open(QIODevice::WriteOnly));
    cover.write("cover of the backup");
    cover.close();

    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "answer OK\n"
        "answer C:\\Sauvegarde1\n"
        "answer OK\n"
        "answer OK\n"
        "menu Outils > Restauration\n"));
    EXPECT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(program.read(QStringLiteral("livres/Jaquettes/9782070612758.jpg")), "cover of the backup");
    EXPECT_TRUE(run.has(QStringLiteral("dialog: QvlZantor | Les couvertures ont été restaurées. | OK")))
        << run.joined().toStdString();
}
