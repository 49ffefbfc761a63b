// The look-up chain's steps of the image bank and the shared base, and the periodical-issue
// panel reading the base.
#include "SharedBaseFixture.h"

#include "platform/text/Windows1252.h"

namespace {

const QString kLookedUpCode = QStringLiteral("9782070612758");
const QByteArray kBaseRecord = text::encodeWindows1252(QString::fromUtf8(
    "Le Petit Prince;9782070612758;Saint-Exupéry;Gallimard;1999;96;9782070612758.jpg;.ROSE;LIVRE;Conte;"
    "Un aviateur rencontre un enfant.;aviateur;français;8,50;3\r\n"));

class SharedBaseLookupTest : public SharedBaseTest {
protected:
    void SetUp() override
    {
        SharedBaseTest::SetUp();
        app::Settings& s = frm().settings;
        s.dialoguebool = s.bookfinderbool = s.decitrebool = s.Amazonbool = s.ChasseLivrebool = false;
    }
    void scan(const QString& code)
    {
        input.click(QStringLiteral("Edit1"));
        input.scan(code);
    }
    QString notFoundText() { return frm().tables.dialog(5); }
};

}  // namespace

TEST_F(SharedBaseLookupTest, ACodeOnlyTheSharedBaseHoldsFillsTheRecord)
{
    servers.write(QStringLiteral("livres/9782070/9782070612758.txt"), kBaseRecord);
    servers.write(QStringLiteral("livres/9782070/9782070612758.jpg"), BookSites::cover("JPEG"));
    scan(kLookedUpCode);
    EXPECT_EQ(edit("Edit4").text(), "Le Petit Prince");
    EXPECT_EQ(edit("Edit10").text(), kLookedUpCode);
    EXPECT_EQ(edit("Edit5").text(), QString::fromUtf8("Saint-Exupéry"));
    EXPECT_EQ(edit("Edit12").text(), "Gallimard");
    EXPECT_EQ(edit("RichEdit4").text(), "Un aviateur rencontre un enfant.");
    EXPECT_EQ(edit("Edit61").text(), "QvlZantorBase");
    EXPECT_EQ(program.read(QStringLiteral("livres/Jaquettes/9782070612758.jpg")),
              servers.read(QStringLiteral("livres/9782070/9782070612758.jpg")));
    EXPECT_TRUE(image("Image99").picture());
    EXPECT_FALSE(dialogTexts().contains(notFoundText()));
    EXPECT_TRUE(control("SpeedButton20").visible());
}

TEST_F(SharedBaseLookupTest, ATitleTheBaseHasNotGotLeavesTheBaseInUse)
{
    dialogs.answer(QStringLiteral("OK"));
    scan(kLookedUpCode);
    EXPECT_EQ(dialogTexts().last(), notFoundText());
    EXPECT_TRUE(frm().settings.Qvlbool);
    EXPECT_EQ(edit("Edit4").text(), "");
}

TEST_F(SharedBaseLookupTest, AHostOutOfReachLeavesTheBaseAloneUntilTheEnd)
{
    frm().settings.maker.ftpHost.clear();
    servers.write(QStringLiteral("livres/9782070/9782070612758.txt"), kBaseRecord);
    dialogs.answer(QStringLiteral("OK"));
    scan(kLookedUpCode);
    EXPECT_EQ(dialogTexts().last(), notFoundText());
    EXPECT_FALSE(frm().settings.Qvlbool);
}

TEST_F(SharedBaseLookupTest, TheImageBankIsReadBeforeTheWeb)
{
    frm().settings.Qvlbool = false;
    QDir().mkpath(program.drive(QStringLiteral("Banque_images/9782070")));
    QFile record(program.drive(QStringLiteral("Banque_images/9782070/9782070612758.txt")));
    ASSERT_TRUE(record.open(QIODevice::WriteOnly));
    record.write(kBaseRecord);
    record.close();
    QFile cover(program.drive(QStringLiteral("Banque_images/9782070/9782070612758.jpg")));
    ASSERT_TRUE(cover.open(QIODevice::WriteOnly));
    cover.write(BookSites::cover("JPEG"));
    cover.close();
    scan(kLookedUpCode);
    EXPECT_EQ(edit("Edit4").text(), "Le Petit Prince");
    // The bank's records also give keywords, language and price.
    EXPECT_EQ(edit("Edit26").text(), "aviateur");
    EXPECT_EQ(edit("Edit92").text(), "8,50");
    EXPECT_EQ(frm().BookLanguage, QString::fromUtf8("français"));
    EXPECT_TRUE(QFile::exists(program.folder(QStringLiteral("livres/Jaquettes/9782070612758.jpg"))));
}

TEST_F(SharedBaseLookupTest, ABankRecordCannotNameACoverOutsideItsFolder)
{
    frm().settings.Qvlbool = false;
    QDir().mkpath(program.drive(QStringLiteral("Banque_images/9782070")));
    QFile record(program.drive(QStringLiteral("Banque_images/9782070/9782070612758.txt")));
    ASSERT_TRUE(record.open(QIODevice::WriteOnly));
    record.write("Titre;9782070612758;;;;;../../Test1.bib;\r\n");
    record.close();
    scan(kLookedUpCode);
    EXPECT_EQ(edit("Edit4").text(), "Titre");
    EXPECT_EQ(edit("Edit61").text(), "9782070612758.jpg");
}
