// The administrator sets the program and the school up, and reads the help, as a school does
// after installing it; played by the driver on a copy of the assembled program folder.
#include "DriverRun.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// The start-up question answered Cancel, the administrator's password, the tips window closed.
QString logInAs(const QString& password)
{
    return QStringLiteral("answer Cancel\nwait 10\nanswer %1\nanswer Terminer\nmenu Fichier > Administrateur\n")
        .arg(password);
}

void addSchool(const ProgramFolder& program)
{
    files::setProgramFolder(program.folder());
    db::Connection connection(app::buildConnectionString(files::appDir()),
                              [](const QString& p) { return files::nativePath(p); });
    connection.execute(QStringLiteral("INSERT INTO identification (NUMERO, Nom, Ville, F5) VALUES "
                                      "('0370001A', 'ECOLE DES TILLEULS', 'TOURS', 'ce.0370001a@ac-orleans-tours.fr')"));
}

}  // namespace

TEST(SetupScreensScenario, ConfigurationValuesAreSavedAndShownAgainAtTheNextStart)
{
    ProgramFolder program;
    const DriverResult set = play(program, logInAs(QString()) + QStringLiteral(
        "menu Outils > Configuration\n"
        "expect-visible Panel16\n"
        "click Edit65\ntype adm\n"
        "click Edit66\ntype adm\n"
        "click Edit68\ntype ens\n"
        "click Edit69\ntype ens\n"
        "click CheckBox19\n"
        "click Edit122\ntype ftp.ecole.test\n"
        "click Button63\n"
        "expect-hidden Panel16\n"
        "answer OK\n"
        "quit\n"));
    ASSERT_EQ(set.exitCode, 0) << set.joined().toStdString();
    const QByteArray ini = program.read(QStringLiteral("Fichier.ini"));
    EXPECT_TRUE(ini.contains("MDP_Administrateur=adm\r\n")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("[ChasseLivrebool]\r\nChasseLivrebool=0\r\n")) << ini.toStdString();

    // The new password opens administrator mode; the screen shows what was saved.
    const DriverResult again = play(program, logInAs(QStringLiteral("adm")) + QStringLiteral(
        "menu Outils > Configuration\n"
        "expect-text Edit65 adm\n"
        "expect-text Edit69 ens\n"
        "expect-text Edit122 ftp.ecole.test\n"
        "click Button62\n"
        "expect-hidden Panel16\n"));
    EXPECT_EQ(again.exitCode, 0) << again.joined().toStdString();
}

TEST(SetupScreensScenario, SchoolCoordinatesAreLookedUpSavedAndShownAfterARestart)
{
    ProgramFolder program;
    ASSERT_EQ(play(program, QStringLiteral("answer Cancel\n")).exitCode, 0);
    addSchool(program);
    const DriverResult set = play(program, logInAs(QString()) + QStringLiteral(
        "menu Outils > Coordonnées\n"
        "expect-visible Identification\n"
        "expect-hidden Button69\n"
        "click Edit70\ntype 0370001a\n"
        "click Button67\n"
        "expect-text Edit72 ECOLE DES TILLEULS\n"
        "expect-text Edit75 orl\n"
        "click Button69\n"
        "answer OK\n"
        "quit\n"));
    ASSERT_EQ(set.exitCode, 0) << set.joined().toStdString();

    const DriverResult again = play(program, logInAs(QString()) + QStringLiteral(
        "menu Outils > Coordonnées\n"
        "expect-visible Edit72\n"
        "expect-text Edit70 0370001A\n"
        "expect-text Edit73 TOURS\n"
        "expect-text Edit74 ce.0370001a@ac-orleans-tours.fr\n"
        "expect-text Edit75 orl\n"
        "click Button70\n"
        "expect-hidden Identification\n"));
    EXPECT_EQ(again.exitCode, 0) << again.joined().toStdString();
}

TEST(SetupScreensScenario, HelpMenuOpensTheGuideBeforeAnyLogin)
{
    ProgramFolder program;
    const DriverResult run = play(program, QStringLiteral("answer Cancel\nmenu Aide > Aide\n"));
    EXPECT_EQ(run.exitCode, 0) << run.joined().toStdString();
    const QString guide = program.folder(QStringLiteral("Documentation/QvlZantor_ecole.html"));
    EXPECT_TRUE(run.has("open: " + guide)) << run.joined().toStdString();
    EXPECT_TRUE(QFileInfo(guide).isFile());
}
