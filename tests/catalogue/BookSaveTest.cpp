// The save of the entry tab: codes, copy groups, cleaning and cutting of the fields, covers,
// barcode texts, and all or nothing when the database refuses a row.
#include "BookScreenFixture.h"

#include "platform/db/Connection.h"
#include "platform/text/Windows1252.h"

#include <QFile>

namespace {

QString journalText(const ProgramFolder& program)
{
    return text::decodeWindows1252(program.read(QStringLiteral("Journal.csv")));
}

}  // namespace

TEST_F(BookScreenTest, NewCopiesJoinTheGroupOfTheirCodeAndOnlyTheLastIsMarkedLast)
{
    startBookScreens();
    addBook(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"), QString());
    addBook(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"), QString());
    logIn();
    saveByHand(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"), QStringLiteral("3"));
    EXPECT_EQ(booksColumn("NbrExemplaire"), (QStringList{"1", "1", "3", "4", "5"}));
    EXPECT_EQ(booksColumn("MaxExemplaire"), (QStringList{"Faux", "Faux", "Faux", "Faux", "Vrai"}));
    EXPECT_EQ(control("Label183").caption(), "5");
    EXPECT_EQ(journalText(program).count(QStringLiteral("NouveauLivre;")), 1);
}

TEST_F(BookScreenTest, EachKindOfCodeGetsItsBarcodeTextCoverNameAndLabelFlag)
{
    struct Case {
        const char* typed;
        const char* isbn10;
        const char* issue;
        const char* isbn13;
        const char* barcode;
        const char* cover;
        const char* label;
    };
    const Case cases[] = {
        {"12", "", "", "00012", "*00012*", "00012.jpg", "Vrai"},
        {"9782070612758", "", "", "9782070612758", "9HSMARA*gbchfi+", "9782070612758.jpg", "Faux"},
        {"9791032100007", "", "", "9791032100007", "*9791032100007*", "9791032100007.jpg", "Faux"},
        {"3791234567890", "*00012*", "12", "3791234567890", "*00012*", "3791234567890_00012.jpg", "Vrai"},
        {"B00ABCDEFG", "B00ABCDEFG", "", "B00ABCDEFG", "*B00ABCDEFG*", "B00ABCDEFG.jpg", "Vrai"},
        {"DVD-ROM 7", "", "", "DVD-ROM 7", "*DVD-ROM 7*", "DVD-ROM 7.jpg", "Vrai"},
    };
    startAndLogIn();
    for (const Case& c : cases) {
        input.click(QStringLiteral("SpeedButton18"));
        edit("Edit2").setText(QString::fromUtf8(c.isbn10));
        edit("Edit97").setText(QString::fromUtf8(c.issue));
        saveByHand(QString::fromUtf8(c.typed), QStringLiteral("Un livre"));
        EXPECT_EQ(booksColumn("Isbn13").last(), c.isbn13) << c.typed;
        EXPECT_EQ(booksColumn("CodeBarres").last(), c.barcode) << c.typed;
        EXPECT_EQ(booksColumn("Images").last(), c.cover) << c.typed;
        EXPECT_EQ(booksColumn("IMP_CodeBarres").last(), c.label) << c.typed;
        input.click(QStringLiteral("SpeedButton19"));
    }
}

TEST_F(BookScreenTest, FieldsAreCleanedAndCutAsTheyAreStored)
{
    startAndLogIn();
    input.click(QStringLiteral("SpeedButton18"));
    edit("Edit5").setText(QStringLiteral("Dupont; \"Jean\"\tet ~ Marie"));
    edit("Edit91").setText(QStringLiteral("Broché"));
    edit("Edit7").setText(QStringLiteral("96"));
    edit("Edit92").setText(QStringLiteral("12.50"));
    edit("Edit95").setText(QStringLiteral(" 843 "));
    edit("RichEdit4").setText(QStringLiteral("Présentation de l'éditeur\r\nUn CHAT et son chien : Ã©tonnant ; Amazon.fr"));
    frm().BookLanguage = QStringLiteral("Anglais");
    saveByHand(QString(), QStringLiteral("Le chat, Ã©tonnant<br>\"héros\""));

    EXPECT_EQ(booksColumn("Titre").last(), "Le chat  étonnant  héros");
    EXPECT_EQ(booksColumn("Auteur").last(), "Dupont   Jean  et   Marie");
    EXPECT_EQ(booksColumn("Pages").last(), "Broché 96");
    EXPECT_EQ(booksColumn("Prix_Client").last(), "12,5");
    EXPECT_EQ(booksColumn("Resume").last(), "Un CHAT et son chien   étonnant");
    EXPECT_TRUE(booksColumn("Descripteur").last().startsWith(".Dewey 843.")) << booksColumn("Descripteur").last().toStdString();
    EXPECT_EQ(booksColumn("Langue").last(), "Anglais");
    EXPECT_EQ(booksColumn("Empruntable").last(), "Vrai");
    EXPECT_EQ(booksColumn("Type").last(), "LIVRE");

    // The next book has no language of its own: the interface's file name stands for it.
    saveByHand(QStringLiteral("9782070612758"), QStringLiteral("Suivant"));
    EXPECT_EQ(booksColumn("Langue").last(), "francais.txt");
    EXPECT_EQ(booksColumn("Prix_Client").last(), "0");
}

TEST_F(BookScreenTest, MoreThanThreeCopiesAreAnnouncedFirst)
{
    startAndLogIn();
    dialogs.answer(QStringLiteral("OK"));
    saveByHand(QStringLiteral("9782070612758"), QStringLiteral("Cinq"), QStringLiteral("5"));
    EXPECT_EQ(dialogs.log().back().text, frm().tables.message(85) + "5" + frm().tables.message(86));
    EXPECT_EQ(booksColumn("Titre").size(), 5);
}

TEST_F(BookScreenTest, CoversStoredBeforeTheCodeWasKnownTakeTheirNamesAfterTheSave)
{
    startAndLogIn();
    const QByteArray cover = program.read(QStringLiteral("Reserve/Accueil.jpg"));
    program.write(QStringLiteral("livres/Jaquettes/.jpg"), cover);
    saveByHand(QStringLiteral("9782070612758"), QStringLiteral("Avec couverture"));
    EXPECT_EQ(program.read(QStringLiteral("livres/Jaquettes/9782070612758.jpg")), cover);
    EXPECT_FALSE(QFile::exists(program.folder("livres/Jaquettes/.jpg")));

    program.write(QStringLiteral("livres/Jaquettes/00000.jpg"), cover);
    saveByHand(QString(), QStringLiteral("Sans code"));
    const QString code = booksColumn("NumLivre").last().rightJustified(5, u'0');
    EXPECT_EQ(program.read(QStringLiteral("livres/Jaquettes/") + code + QStringLiteral(".jpg")), cover);
}

TEST_F(BookScreenTest, ARowTheDatabaseRefusesLeavesTheWholeSaveUnwritten)
{
    startBookScreens();
    addBook(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"), QString());
    // A disk that fills up at the third row.
    frm().db.ADOConnection1.run(QStringLiteral("CREATE TRIGGER full BEFORE INSERT ON Table1 "
                                               "WHEN (SELECT count(*) FROM Table1) >= 3 "
                                               "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END"),
                                {});
    logIn();
    const QByteArray journal = program.read(QStringLiteral("Journal.csv"));
    saveByHand(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"), QStringLiteral("3"));
    EXPECT_EQ(dialogs.log().back().kind, ui::DialogRecord::Kind::Error);
    EXPECT_EQ(booksColumn("NbrExemplaire"), QStringList{"1"});
    EXPECT_EQ(booksColumn("MaxExemplaire"), QStringList{"Vrai"});
    EXPECT_EQ(program.read(QStringLiteral("Journal.csv")), journal);
}

TEST_F(BookScreenTest, AJournalThatCannotBeWrittenIsReportedAndTheBookStays)
{
    startAndLogIn();
    QFile::remove(program.folder("Journal.csv"));
    dialogs.answer(QStringLiteral("OK"));
    saveByHand(QStringLiteral("9782070612758"), QStringLiteral("Sans journal"));
    EXPECT_TRUE(dialogs.log().back().text.contains(QStringLiteral("Journal.csv")));
    EXPECT_EQ(booksColumn("Titre"), QStringList{"Sans journal"});
    EXPECT_FALSE(QFile::exists(program.folder("Journal.csv")));
}

TEST_F(BookScreenTest, AfterTheSaveTheNewestCoverRestsInItsSlotOfTheStrip)
{
    startAndLogIn();
    const QRect newestSlot(521, 475, 95, 135);
    for (bool animated : {false, true}) {
        SCOPED_TRACE(animated);
        frm().settings.AnimationOn = animated;
        saveByHand(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"));
        EXPECT_EQ(control("Image20").bounds(), newestSlot);
        EXPECT_TRUE(control("PageControl1").visible());
    }
}
