// Walking through the copies on the Compléments tab: every button ends on the copy asked for,
// with the strip of covers around it and its cover large.
#include "ComplementsFixture.h"

#include "platform/files/FileOps.h"
#include "platform/ui/DBControls.h"
#include "tests/support/HostilePictures.h"

#include <QFile>
#include <QMap>

namespace {

struct Move {
    const char* button;
    int from;
    int current;
    int stripFirst;
    int message;  // the message-table entry shown, 0 for none
};

// Twelve copies; the strip shows six consecutive copies, the current one in the button's slot
// where the ends of the list allow.
const Move kMoves[] = {
    {"SpeedButton16", 1, 2, 1, 0},   {"SpeedButton16", 6, 7, 3, 0},    {"SpeedButton16", 10, 11, 7, 0},
    {"SpeedButton16", 11, 12, 7, 0}, {"SpeedButton16", 12, 12, 7, 158}, {"SpeedButton15", 12, 11, 7, 0},
    {"SpeedButton15", 6, 5, 3, 0},   {"SpeedButton15", 2, 1, 1, 0},     {"SpeedButton15", 1, 1, 1, 0},
    {"SpeedButton13", 1, 7, 4, 0},   {"SpeedButton13", 8, 12, 7, 0},    {"SpeedButton14", 12, 6, 3, 0},
    {"SpeedButton14", 7, 1, 1, 0},   {"SpeedButton14", 5, 1, 1, 159},   {"SpeedButton6", 9, 1, 1, 0},
    {"SpeedButton5", 3, 12, 7, 0},
};

}  // namespace

class RecordNavigationTest : public ComplementsTest {};

TEST_F(RecordNavigationTest, EveryButtonEndsOnTheCopyAskedForWithItsStripAndCover)
{
    openWithCopies(12);
    for (const Move& m : kMoves) {
        SCOPED_TRACE(QStringLiteral("%1 from %2").arg(m.button).arg(m.from).toStdString());
        books().setRecNo(m.from);
        const qsizetype shown = dialogs.log().size();
        if (m.message)
            dialogs.answer(QStringLiteral("OK"));
        input.click(QString::fromLatin1(m.button));
        EXPECT_EQ(currentField("Titre"), QStringLiteral("Livre %1").arg(m.current));
        EXPECT_EQ(strip(), run(m.stripFirst));
        EXPECT_EQ(copyShown("Image3"), m.current);
        ASSERT_EQ(dialogs.log().size(), shown + (m.message ? 1 : 0));
        if (m.message) {
            EXPECT_EQ(dialogs.log().back().text, frm().tables.message(m.message));
        }
    }
}

TEST_F(RecordNavigationTest, SelectingTheTabKeepsTheCopyChosenAndDeletesEmptyCovers)
{
    openWithCopies(12);
    EXPECT_EQ(currentField("Titre"), "Livre 12");
    EXPECT_EQ(strip(), run(7));

    // A copy reached elsewhere (the grid) stays the one shown, even among the first six.
    books().setRecNo(3);
    program.write(QStringLiteral("livres/Jaquettes/c2.jpg"), "");
    selectTab("TabSheet7");
    EXPECT_TRUE(edit("Edit1").focused());
    EXPECT_EQ(screen().ActiveBookTab, 1);
    selectTab("TabSheet2");
    EXPECT_EQ(screen().ActiveBookTab, 2);
    EXPECT_EQ(currentField("Titre"), "Livre 3");
    EXPECT_EQ(copyShown("Image3"), 3);
    EXPECT_FALSE(QFile::exists(program.folder("livres/Jaquettes/c2.jpg")));
    EXPECT_EQ(strip(), (std::vector<int>{1, 0, 3, 4, 5, 6}));
    EXPECT_TRUE(frm().findPart<catalogue::RecordNavigation>()->BookTabChanged);
}

TEST_F(RecordNavigationTest, PagingBackNamesABrokenCoverAndItsSlotTakesThePictureLoadedBeforeIt)
{
    openWithCopies(15);
    ASSERT_EQ(strip(), run(10));
    ASSERT_FALSE(frm().tables.message(160).isEmpty());
    program.write(QStringLiteral("livres/Jaquettes/c7.jpg"), "pas une image");
    // The copy reached has its large cover read first, which drops a broken file unsaid.
    program.write(QStringLiteral("livres/Jaquettes/c9.jpg"), "pas une image");
    const qsizetype shown = dialogs.log().size();
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("SpeedButton14"));
    EXPECT_EQ(currentField("Titre"), "Livre 9");
    EXPECT_EQ(dialogTexts().mid(shown), QStringList{frm().tables.message(160) + QStringLiteral("c7.jpg")});
    // The strip is read from the right: copy 7's slot, which showed copy 11 before, takes copy 8's
    // cover.
    EXPECT_EQ(strip(), (std::vector<int>{6, 8, 8, 0, 10, 11}));
    EXPECT_EQ(copyShown("Image3"), 0);
    EXPECT_EQ(edit("DBEdit39").text(), "No_picture.jpg");
    for (const char* gone : {"livres/Jaquettes/c7.jpg", "livres/Jaquettes/c9.jpg"})
        EXPECT_FALSE(QFile::exists(program.folder(QString::fromLatin1(gone)))) << gone;
    EXPECT_EQ(booksColumn("Images").value(6), "c7.jpg");
    EXPECT_EQ(frm().CoverName, "c9.jpg");
}

// Pictures the decoder refuses for a bound of its own, not for their content: the strip, the
// large cover, paging back and the storage place show the placeholders and keep the files.
TEST_F(RecordNavigationTest, PicturesRefusedForABoundShowThePlaceholdersAndStay)
{
    const QByteArray large = hostile_pictures::jpegDeclaring(program.read(QStringLiteral("livres/Jaquettes/No_picture.jpg")), 9000, 6000);
    start({"Cancel"}, screens());
    const QMap<QString, QByteArray> refused = {
        {QStringLiteral("livres/Jaquettes/c2.jpg"), hostile_pictures::animatedWebp()},
        {QStringLiteral("livres/Jaquettes/c3.jpg"), large},
        {QStringLiteral("livres/Jaquettes/c8.jpg"), large},
        {QStringLiteral("Photo_Rangement/grand.jpg"), large},
    };
    for (int n = 1; n <= 8; ++n) {
        writeCover(QStringLiteral("c%1.jpg").arg(n), 20 + n);
        addBook(QStringLiteral("97820700000%1").arg(n, 2, 10, QChar(u'0')), QStringLiteral("Livre %1").arg(n),
                QStringLiteral("c%1.jpg").arg(n));
    }
    frm().db.ADOConnection1.execute(QStringLiteral("UPDATE Table1 SET LieuRangement = 'grand.jpg'"));
    for (auto [path, bytes] : refused.asKeyValueRange())
        program.write(path, bytes);
    logIn();
    selectTab("TabSheet2");
    EXPECT_EQ(strip(), (std::vector<int>{0, 4, 5, 6, 7, 0}));
    EXPECT_EQ(copyShown("Image3"), 0);
    EXPECT_EQ(edit("DBEdit39").text(), "No_picture.jpg");
    EXPECT_TRUE(image("Image2").picture());
    EXPECT_EQ(frm().get<ui::DBComboBox>(QStringLiteral("DBComboBox6")).text(), "No_place.jpg");

    const qsizetype shown = dialogs.log().size();
    input.click(QStringLiteral("SpeedButton14"));
    EXPECT_EQ(currentField("Titre"), "Livre 2");
    EXPECT_EQ(dialogs.log().size(), shown);
    EXPECT_EQ(strip(), (std::vector<int>{1, 0, 0, 4, 5, 6}));
    for (auto [path, bytes] : refused.asKeyValueRange())
        EXPECT_EQ(program.read(path), bytes) << path.toStdString();
}

TEST_F(RecordNavigationTest, AClickOnTheStripMakesThatCopyCurrent)
{
    openWithCopies(12);
    books().setRecNo(6);
    input.click(QStringLiteral("SpeedButton16"));
    ASSERT_EQ(strip(), run(3));
    input.click(QStringLiteral("Image25"));
    EXPECT_EQ(currentField("Titre"), "Livre 3");
    EXPECT_EQ(copyShown("Image3"), 3);
    // A second click without a move in between goes to the copy clicked, too.
    input.click(QStringLiteral("Image20"));
    EXPECT_EQ(currentField("Titre"), "Livre 8");
    EXPECT_EQ(copyShown("Image3"), 8);
    EXPECT_EQ(strip(), run(3));
}

TEST_F(RecordNavigationTest, MissingAndLongCoverNamesShowThePlaceholderWithoutChangingTheCopy)
{
    start({"Cancel"}, screens());
    const QString longName = QStringLiteral("un-nom-de-couverture-bien-trop-long.jpg");
    writeCover(longName, 21);
    addBook(QStringLiteral("9782070000011"), QStringLiteral("Long"), longName);
    addBook(QStringLiteral("9782070000012"), QStringLiteral("Absent"), QStringLiteral("absent.jpg"));
    logIn();
    selectTab("TabSheet2");
    EXPECT_EQ(edit("DBEdit39").text(), "No_picture.jpg");
    EXPECT_EQ(copyShown("Image3"), 0);

    input.click(QStringLiteral("SpeedButton6"));
    EXPECT_EQ(edit("DBEdit39").text(), longName);
    // The strip reads 30 characters of the name; the large cover the whole name.
    EXPECT_EQ(copyShown("Image25"), 0);
    EXPECT_EQ(copyShown("Image3"), 1);
    // Two copies: the strip repeats the last one.
    EXPECT_EQ(strip(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(booksColumn("Images"), (QStringList{longName, QStringLiteral("absent.jpg")}));
}

// Copies whose cover and storage-place pictures are missing show the placeholders' names in
// their boxes; after an edit, no way of moving stores those names into the copy left.
TEST_F(RecordNavigationTest, AnEditThenAnyMoveKeepsTheStoredCoverAndPlaceNames)
{
    start({"Cancel"}, screens());
    QStringList covers, places;
    for (int n = 1; n <= 12; ++n) {
        covers << QStringLiteral("absent%1.jpg").arg(n);
        places << QStringLiteral("Rayon %1").arg(n);
        addBook(QStringLiteral("97820700000%1").arg(n, 2, 10, QChar(u'0')), QStringLiteral("Livre %1").arg(n), covers.last());
        frm().db.ADOConnection1.execute(
            QStringLiteral("UPDATE Table1 SET LieuRangement = '%1' WHERE Titre = 'Livre %2'").arg(places.last()).arg(n));
    }
    logIn();
    selectTab("TabSheet2");
    const char* const moves[] = {"SpeedButton6",  "SpeedButton16", "SpeedButton13", "SpeedButton15", "SpeedButton14",
                                 "SpeedButton5",  "Image22",       "SpeedButton6",  "Image20",       "SpeedButton5"};
    EXPECT_EQ(edit("DBEdit39").text(), "No_picture.jpg");
    EXPECT_EQ(edit("DBComboBox6").text(), "No_place.jpg");
    for (const char* move : moves) {
        SCOPED_TRACE(move);
        input.click(QStringLiteral("DBEdit29"));
        input.type(QStringLiteral("x"));
        ASSERT_TRUE(books().editing());
        input.click(QString::fromLatin1(move));
        EXPECT_EQ(booksColumn("Images"), covers);
        EXPECT_EQ(booksColumn("LieuRangement"), places);
    }
    EXPECT_FALSE(booksColumn("Descripteur").filter(QStringLiteral("x")).isEmpty()) << "the edits themselves are kept";
}

TEST_F(RecordNavigationTest, PreviousAndNextEndInAShortList)
{
    openWithCopies(3);
    for (const char* button : {"SpeedButton15", "SpeedButton15", "SpeedButton15"})
        input.click(QString::fromLatin1(button));
    EXPECT_EQ(currentField("Titre"), "Livre 1");
    EXPECT_EQ(strip(), (std::vector<int>{1, 2, 3, 3, 3, 3}));
    input.click(QStringLiteral("SpeedButton16"));
    input.click(QStringLiteral("SpeedButton16"));
    EXPECT_EQ(currentField("Titre"), "Livre 3");
    EXPECT_EQ(copyShown("Image3"), 3);
}

TEST_F(RecordNavigationTest, TheStoragePlaceListIsThePicturesOfThePlaces)
{
    openWithCopies(2);
    program.write(QStringLiteral("Photo_Rangement/Etagere A.jpg"),
                  program.read(QStringLiteral("Photo_Rangement/No_place.jpg")));
    input.click(QStringLiteral("Image2"));
    EXPECT_EQ(frm().get<ui::ComboBox>(QStringLiteral("DBComboBox6")).items(),
              (QStringList{QStringLiteral("Etagere A.jpg"), QStringLiteral("No_place.jpg")}));
}

TEST_F(RecordNavigationTest, TheGridJumpsAThousandAndOneCopiesStoppingAtTheEnds)
{
    openWithCopies(4);
    books().setRecNo(2);
    frm().handlers.run(QStringLiteral("SpeedButton48Click"));
    EXPECT_EQ(books().recNo(), 4);
    frm().handlers.run(QStringLiteral("SpeedButton49Click"));
    EXPECT_EQ(books().recNo(), 1);
    EXPECT_EQ(strip(), (std::vector<int>{1, 2, 3, 4, 4, 4}));
}

TEST_F(RecordNavigationTest, TheSlideOfNextEndsInTheStripAndAClickOnTheStripMeanwhileIsKept)
{
    openWithCopies(12);
    frm().settings.AnimationOn = true;
    books().setRecNo(4);
    const QRect slot = control("Image22").bounds();
    // The strip click is handled while the slide waits between its steps, the page control hidden.
    input.queueClick(control("SpeedButton16"));
    input.queueClick(control("Image25"));
    input.process();
    EXPECT_EQ(currentField("Titre"), "Livre 1");
    EXPECT_EQ(copyShown("Image3"), 1);
    EXPECT_EQ(strip(), run(1));
    EXPECT_EQ(control("Image22").bounds(), slot);
    EXPECT_TRUE(control("PageControl1").visible());
}
