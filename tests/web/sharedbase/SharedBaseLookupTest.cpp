// The look-up chain's steps of the image bank and the shared base, and the periodical-issue
// panel reading the base.
#include "SharedBaseFixture.h"

#include "platform/text/Windows1252.h"
#include "tests/support/HostilePages.h"

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

// The base answers the record's address with a web page of 4 MiB whose parse grows past its
// budget: the base counts as out of reach, as with a cancelled navigation.
TEST_F(SharedBaseLookupTest, ARecordPagePastTheParsersBudgetLeavesTheBaseAloneUntilTheEnd)
{
    servers.write(QStringLiteral("livres/9782070/9782070612758.txt.moved"), "/grande-page");
    servers.write(QStringLiteral("grande-page"), hostile_pages::formattingReopened(4 * 1024 * 1024));
    dialogs.answer(QStringLiteral("OK"));
    scan(kLookedUpCode);
    EXPECT_EQ(dialogTexts().last(), notFoundText());
    EXPECT_FALSE(frm().settings.Qvlbool);
    EXPECT_EQ(edit("Edit4").text(), "");
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

TEST_F(SharedBaseLookupTest, AnIssueOfAPeriodicalIsReadFromTheBase)
{
    const QString code = QStringLiteral("3791234567892");
    servers.write(QStringLiteral("livres/3791234/3791234567892_00007.txt"),
                  "Le Journal des enfants;3791234567892;Milan;;;16;3791234567892_00007.jpg;;PERIODIQUE;Presse;;;;;2\r\n");
    servers.write(QStringLiteral("livres/3791234/3791234567892_00007.jpg"), BookSites::cover("JPEG"));
    edit("Edit10").setText(code);
    control("NumJourno").show();
    fill("Edit97", QStringLiteral("7"));
    input.click(QStringLiteral("Button90"));
    EXPECT_EQ(edit("Edit4").text(), "Le Journal des enfants");
    EXPECT_EQ(program.read(QStringLiteral("livres/Jaquettes/3791234567892_00007.jpg")),
              servers.read(QStringLiteral("livres/3791234/3791234567892_00007.jpg")));
    // An issue the base has not got leaves the base in use.
    edit("Edit10").setText(code);
    control("NumJourno").show();
    fill("Edit97", QStringLiteral("8"));
    input.click(QStringLiteral("Button90"));
    EXPECT_TRUE(frm().settings.Qvlbool);
}

TEST_F(SharedBaseLookupTest, TheCoverSearchTakesOnlyRealPicturesFromTheBank)
{
    frm().settings.ftpbool = false;
    addBook(QStringLiteral("3791234567892"), QStringLiteral("Journal"), QStringLiteral("3791234567892_00001.jpg"));
    addBook(QStringLiteral("3791234567892"), QStringLiteral("Journal"), QStringLiteral("3791234567892_00002.jpg"));
    addBook(kLookedUpCode, QStringLiteral("Le Petit Prince"), QString());
    const QString bank = program.drive(QStringLiteral("Banque_images/3791234/"));
    QDir().mkpath(bank);
    QFile real(bank + "3791234567892_00001.jpg");
    ASSERT_TRUE(real.open(QIODevice::WriteOnly));
    real.write(BookSites::cover("JPEG"));
    real.close();
    // A placeholder of the bank, by its size.
    QFile placeholder(bank + "3791234567892_00002.jpg");
    ASSERT_TRUE(placeholder.open(QIODevice::WriteOnly));
    placeholder.write(QByteArray(22551, 'x'));
    placeholder.close();

    dialogs.answer(QStringLiteral("OK"));
    input.menu(QStringLiteral("Outils > Recherche automatique couvertures"));
    fill("Edit98", booksColumn("NumLivre").first());
    for (int i = 0; i < 3; ++i)
        dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button91"));
    EXPECT_TRUE(QFile::exists(program.folder(QStringLiteral("livres/Jaquettes/3791234567892_00001.jpg"))));
    EXPECT_FALSE(QFile::exists(program.folder(QStringLiteral("livres/Jaquettes/3791234567892_00002.jpg"))));
    EXPECT_FALSE(QFile::exists(bank + "3791234567892_00002.jpg"));
    // Without the exchange the web is not asked; the ISBN book gets its cover name all the same.
    EXPECT_FALSE(QFile::exists(program.folder(QStringLiteral("livres/Jaquettes/9782070612758.jpg"))));
    EXPECT_EQ(booksColumn("Images").last(), "9782070612758.jpg");
    EXPECT_FALSE(control("Panel20").visible());
}
