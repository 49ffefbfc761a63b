// "Coordonnées": the school looked up by its id in the school directory, validated and kept.
#include "SetupScreensFixture.h"

#include "app/SettingsFile.h"

namespace {

class SchoolCoordinatesTest : public SetupScreensTest {
protected:
    void addSchool(const char* id, const char* name, const char* town, const char* mail)
    {
        frm().db.ADOConnection1.execute(QStringLiteral("INSERT INTO identification (NUMERO, Nom, Ville, F5) VALUES "
                                                       "(?, ?, ?, ?)"),
                                        {id, name, town, mail});
    }
    // Opens the screen and looks the id up as typed.
    void lookUp(const QString& typed)
    {
        input.menu(QStringLiteral("Outils > Coordonn\u00e9es"));
        retype("Edit70", typed);
        input.click(control("Button67"));
    }
};

}  // namespace

TEST_F(SchoolCoordinatesTest, OpeningANewInstallationOffersOnlyTheIdAndTheLookUp)
{
    startAsAdministrator();
    input.menu(QStringLiteral("Outils > Coordonn\u00e9es"));
    EXPECT_TRUE(control("Identification").visible());
    EXPECT_EQ(control("Identification").color(), ui::colors::green);
    for (const char* shown : {"Edit70", "Edit74", "Edit75", "Button67", "Button70"})
        EXPECT_TRUE(control(shown).visible()) << shown;
    for (const char* hidden : {"Edit72", "Edit73", "Button69"})
        EXPECT_FALSE(control(hidden).visible()) << hidden;
    EXPECT_FALSE(control("Panel13").visible());
}

TEST_F(SchoolCoordinatesTest, AnIdTypedInLowerCaseIsLookedUpValidatedAndStored)
{
    startAsAdministrator();
    addSchool("0370001A", "ECOLE DES TILLEULS", "TOURS", "ce.0370001a@ac-orleans-tours.fr");
    lookUp(QStringLiteral("  0370001a "));

    EXPECT_EQ(edit("Edit72").text(), "ECOLE DES TILLEULS");
    EXPECT_EQ(edit("Edit73").text(), "TOURS");
    EXPECT_EQ(edit("Edit74").text(), "ce.0370001a@ac-orleans-tours.fr");
    EXPECT_EQ(edit("Edit75").text(), "orl");
    EXPECT_TRUE(control("Button69").visible());
    EXPECT_TRUE(control("Button70").visible());

    retype("Edit73", QStringLiteral(" tours nord "));
    input.click(control("Button69"));
    const app::Settings& s = frm().settings;
    EXPECT_EQ(s.RNE, "0370001A");
    EXPECT_EQ(s.NOM_Ecole, "ECOLE DES TILLEULS");
    EXPECT_EQ(s.VILLE_Ecole, "TOURS NORD");
    EXPECT_EQ(s.MailEcole, "ce.0370001a@ac-orleans-tours.fr");
    EXPECT_EQ(s.Academie, "");  // read again at the next start
    EXPECT_TRUE(settingsBytes().contains("[Coordonnees]\r\nRNE=0370001A\r\nNOM_Ecole=ECOLE DES TILLEULS\r\n"
                                         "VILLE_Ecole=TOURS NORD\r\nMailEcole=ce.0370001a@ac-orleans-tours.fr\r\n"
                                         "Academie=orl\r\n"));
    EXPECT_TRUE(control("Identification").visible());
    EXPECT_EQ(control("Identification").color(), ui::colors::navy);
    EXPECT_EQ(app::SettingsFile().readAll(QString()).Academie, "orl");

    // Opened again, the screen shows what is kept.
    input.menu(QStringLiteral("Outils > Coordonn\u00e9es"));
    EXPECT_EQ(control("Identification").color(), ui::colors::green);
    EXPECT_TRUE(control("Edit72").visible());
    EXPECT_EQ(edit("Edit70").text(), "0370001A");
    EXPECT_EQ(edit("Edit73").text(), "TOURS NORD");
    EXPECT_FALSE(control("Button69").visible());
}

TEST_F(SchoolCoordinatesTest, AnUnknownIdIsReportedAndItsNameMustBeTyped)
{
    startAsAdministrator();
    addSchool("0370001A", "ECOLE DES TILLEULS", "TOURS", "ce.0370001a@ac-orleans-tours.fr");
    input.menu(QStringLiteral("Outils > Coordonn\u00e9es"));
    edit("Edit74").setText("old@mail");
    retype("Edit70", QStringLiteral("0999999Z"));
    dialogs.clearLog();
    dialogs.answer("OK");
    input.click(control("Button67"));
    EXPECT_EQ(dialogTexts(), QStringList({frm().tables.message(70) + u'\r' + frm().tables.message(71)}));
    for (const char* name : {"Edit72", "Edit73", "Edit74", "Edit75"})
        EXPECT_EQ(edit(name).text(), "") << name;
    EXPECT_TRUE(control("Button69").visible());

    const QByteArray before = settingsBytes();
    input.click(control("Button69"));
    EXPECT_EQ(frm().activeControl(), &control("Edit72"));
    EXPECT_EQ(settingsBytes(), before);

    retype("Edit72", QStringLiteral("\u00e9cole du lac"));
    input.click(control("Button69"));
    EXPECT_EQ(frm().settings.NOM_Ecole, QStringLiteral("\u00e9COLE DU LAC"));  // a to z only
}

TEST_F(SchoolCoordinatesTest, AnEmptyOrShortIdIsRefused)
{
    startAsAdministrator();
    addSchool("0370001A", "ECOLE DES TILLEULS", "TOURS", "ce@x.fr");
    lookUp(QStringLiteral("0370001A"));
    const QByteArray before = settingsBytes();
    struct Case {
        QString id;
        QStringList messages;
    };
    for (const Case& c : {Case{"", {}}, Case{"0370001", {frm().tables.message(76)}}}) {
        SCOPED_TRACE(c.id.toStdString());
        retype("Edit70", c.id);
        dialogs.clearLog();
        if (!c.messages.isEmpty())
            dialogs.answer("OK");
        input.click(control("Button69"));
        EXPECT_EQ(dialogTexts(), c.messages);
        EXPECT_EQ(frm().activeControl(), &control("Edit70"));
    }
    EXPECT_EQ(settingsBytes(), before);
    EXPECT_EQ(frm().settings.RNE, "");
}

TEST_F(SchoolCoordinatesTest, AShortMailGivesAnEmptyAcademieAndAnnulerHides)
{
    startAsAdministrator();
    addSchool("0370001A", "ECOLE", "TOURS", "ecole@ac-x.fr");
    lookUp(QStringLiteral("0370001A"));
    EXPECT_EQ(edit("Edit75").text(), "");
    input.click(control("Button69"));
    EXPECT_TRUE(settingsBytes().contains("Academie=\r\n"));
    input.click(control("Button70"));
    EXPECT_FALSE(control("Identification").visible());
}

TEST_F(SchoolCoordinatesTest, AFailedLookUpIsReportedAndTheScreenCanStillBeLeft)
{
    startAsAdministrator();
    input.menu(QStringLiteral("Outils > Coordonn\u00e9es"));
    // The database file is no database any more.
    program.write("Test1.bib", QByteArray(4096, 'x'));
    frm().db.reopenAfterFileReplaced();
    retype("Edit70", QStringLiteral("0370001A"));
    input.click(control("Button67"));
    EXPECT_EQ(dialogs.errors().size(), 1);
    EXPECT_TRUE(control("Button69").visible());
    EXPECT_TRUE(control("Button70").visible());
    input.click(control("Button70"));
    EXPECT_FALSE(control("Identification").visible());
}
