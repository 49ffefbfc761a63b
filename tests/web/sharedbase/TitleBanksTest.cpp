// "Recherche sur titre" with the shared base in use: the local image bank's and the shared base's
// records kept under the title's key are offered before the web; OK keeps them, Cancel goes on to
// the web result panel.
#include "SharedBaseFixture.h"

#include "platform/text/Windows1252.h"
#include "platform/ui/WebBrowser.h"

namespace {

const QString kBankTitle = QString::fromUtf8("L'île aux trésors");
const QString kBankKey = QStringLiteral("L_iLE_AUX_TRESORS");
const QByteArray kTitleRecord = text::encodeWindows1252(QString::fromUtf8(
    "L'île aux trésors;9782070000001;Stevenson;Gallimard;2002;320;9782070000001.jpg;.PIRATE.TRESOR;ROMAN;Aventure;"
    "Jim Hawkins part en mer.;mer;anglais;7,20;4\r\n"));

enum class TitleBank { Local, Shared };

class TitleBanksTest : public SharedBaseTest {
protected:
    void SetUp() override
    {
        SharedBaseTest::SetUp();
        fill("Edit4", kBankTitle);
    }
    void putRecord(TitleBank bank)
    {
        if (bank == TitleBank::Shared) {
            servers.write(QStringLiteral("livres/alpha/") + kBankKey + QStringLiteral(".txt"), kTitleRecord);
            servers.write(QStringLiteral("livres/alpha/") + kBankKey + QStringLiteral(".jpg"), BookSites::cover("JPEG"));
            return;
        }
        const QString folder = program.drive(QStringLiteral("Banque_images/alpha/"));
        QDir().mkpath(folder);
        const std::pair<QString, QByteArray> files[] = {{QStringLiteral(".txt"), kTitleRecord},
                                                        {QStringLiteral(".jpg"), BookSites::cover("JPEG")}};
        for (const auto& [extension, bytes] : files) {
            QFile file(folder + kBankKey + extension);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
    }
    void searchAndAnswer(const char* answer)
    {
        dialogs.answer(QString::fromLatin1(answer));
        input.click(QStringLiteral("SpeedButton2"));
    }
    const ui::DialogRecord& lastDialog() const { return dialogs.log().back(); }
    void expectBankQuestion()
    {
        ASSERT_FALSE(dialogs.log().empty());
        EXPECT_EQ(lastDialog().text, kBankTitle + frm().tables.dialog(23));
        EXPECT_EQ(lastDialog().caption, frm().tables.dialog(24));
        EXPECT_FALSE(frm().tables.dialog(23).isEmpty());
    }
};

struct TitleBankCase {
    TitleBank bank;
    // Where the cover waits for the save, and what the cover-name field shows.
    QString coverFile;
    QString coverName;
    // The summary and the keywords reach the tab only from the local bank.
    QString summary;
    QString keywords;
};

TEST_F(TitleBanksTest, ARecordOfEitherBankIsKeptOnOkAndTheWebIsNotAsked)
{
    const TitleBankCase cases[] = {
        {TitleBank::Local, kBankKey + QStringLiteral(".jpg"), kBankKey + QStringLiteral(".jpg"),
         QStringLiteral("Jim Hawkins part en mer."), QStringLiteral("mer")},
        {TitleBank::Shared, QStringLiteral(".jpg"), QStringLiteral("9782070000001.jpg"), QString(), QString()},
    };
    for (const TitleBankCase& c : cases) {
        SCOPED_TRACE(c.bank == TitleBank::Local ? "local bank" : "shared base");
        putRecord(c.bank);
        edit("Edit26").clear();
        searchAndAnswer("OK");
        expectBankQuestion();
        EXPECT_EQ(edit("Edit4").text(), kBankTitle);
        EXPECT_EQ(edit("Edit5").text(), QStringLiteral("Stevenson"));
        EXPECT_EQ(edit("Edit12").text(), QStringLiteral("Gallimard"));
        EXPECT_EQ(edit("Edit6").text(), QStringLiteral("2002"));
        EXPECT_EQ(edit("Edit7").text(), QStringLiteral("320"));
        EXPECT_EQ(edit("ComboBox12").text(), QStringLiteral("Aventure"));
        // A book found by its title keeps no code.
        EXPECT_EQ(edit("Edit10").text(), QString());
        EXPECT_EQ(edit("Edit84").text(), QString());
        EXPECT_EQ(edit("Edit61").text(), c.coverName);
        EXPECT_EQ(edit("RichEdit4").text(), c.summary);
        EXPECT_EQ(edit("Edit26").text(), c.keywords);
        EXPECT_EQ(program.read(QStringLiteral("livres/Jaquettes/") + c.coverFile), BookSites::cover("JPEG"));
        EXPECT_TRUE(image("Image99").picture());
        EXPECT_FALSE(control("Panel21").visible());
        EXPECT_TRUE(control("SpeedButton20").visible());
        EXPECT_TRUE(frm().settings.Qvlbool);
        // The bank's record is not taken for the next title.
        QFile::remove(program.drive(QStringLiteral("Banque_images/alpha/") + kBankKey + QStringLiteral(".txt")));
        QFile::remove(program.drive(QStringLiteral("Banque_images/alpha/") + kBankKey + QStringLiteral(".jpg")));
    }
    EXPECT_EQ(edit("Edit116").text(), servers.webSite() + QStringLiteral("/livres/alpha/") + kBankKey + QStringLiteral(".jpg"));
}

TEST_F(TitleBanksTest, CancelGoesOnToTheWebWhateverTheBanksGave)
{
    for (TitleBank bank : {TitleBank::Local, TitleBank::Shared}) {
        SCOPED_TRACE(bank == TitleBank::Local ? "local bank" : "shared base");
        putRecord(bank);
        control("Panel21").hide();
        searchAndAnswer("Cancel");
        expectBankQuestion();
        EXPECT_EQ(edit("Edit5").text(), QStringLiteral("Stevenson"));
        EXPECT_TRUE(control("Panel21").showing());
        // The search words are the title as typed; the author the bank gave is not ticked in.
        EXPECT_EQ(edit("Edit99").text(),
                  QStringLiteral("https://www.chasse-aux-livres.fr/search?query=L%27%C3%AEle+aux+tr%C3%A9sors"));
        QDir(program.drive(QStringLiteral("Banque_images"))).removeRecursively();
    }
}

TEST_F(TitleBanksTest, ATitleTheSharedBaseHasNotGotLeavesItAloneAndOpensTheWeb)
{
    searchAndAnswer("OK");
    expectBankQuestion();
    EXPECT_FALSE(frm().settings.Qvlbool);
    EXPECT_TRUE(control("Panel21").showing());
    EXPECT_FALSE(QFile::exists(program.folder(QStringLiteral("livres/Jaquettes/.jpg"))));

    // No bank is read and no question asked until the program ends.
    putRecord(TitleBank::Shared);
    control("Panel21").hide();
    const size_t asked = dialogs.log().size();
    input.click(QStringLiteral("SpeedButton2"));
    EXPECT_EQ(dialogs.log().size(), asked);
    EXPECT_TRUE(control("Panel21").showing());
    EXPECT_EQ(edit("Edit5").text(), QString());
}

TEST_F(TitleBanksTest, TheRecordsDescriptorsAndTypeGoWithTheBookToItsSaveAndNowhereElse)
{
    addBook(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"), QStringLiteral("9782070612758.jpg"));
    frm().db.ADOTable1.close();
    frm().db.ADOTable1.open();
    frm().db.ADOTable1.last();
    putRecord(TitleBank::Local);
    searchAndAnswer("OK");
    input.click(QStringLiteral("SpeedButton20"));
    const QString books = QStringLiteral("SELECT * FROM Table1 ORDER BY NumLivre");
    EXPECT_EQ(column(books, "Titre"), (QStringList{QStringLiteral("Le Petit Prince"), kBankTitle}));
    EXPECT_EQ(column(books, "Type"), (QStringList{QStringLiteral("LIVRE"), QStringLiteral("ROMAN")}));
    EXPECT_EQ(column(books, "Descripteur"), (QStringList{QString(), QStringLiteral(".PIRATE.TRESOR")}));

    // A book typed by hand next is a book again, with its own descriptors.
    saveByHand(QString(), QStringLiteral("Le chat"));
    EXPECT_EQ(column(books, "Type").value(2), QStringLiteral("LIVRE"));
    EXPECT_NE(column(books, "Descripteur").value(2), QStringLiteral(".PIRATE.TRESOR"));
}

}  // namespace

