// The look-up of a code typed or scanned into the entry tab: its cleaning, the catalogue, the
// ending when nobody knows the book, and the automatic save.
#include "BookScreenFixture.h"

#include "catalogue/BookEntryLayout.h"
#include "platform/text/Windows1252.h"
#include "platform/ui/testing/OffsetTable.h"
#include "program/ProgramScreens.h"

namespace {

class BookLookupTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        start({"Cancel"}, program::programScreens());
        logIn();
    }
    QString dialogText(int entry) const { return frm().tables.dialog(entry); }
    app::TFrmPrin& frm() const { return entry->mainWindow(); }
};

}  // namespace

TEST_F(BookLookupTest, CodesAreCleanedBeforeTheyAreLookedUp)
{
    struct Case {
        const char* scanned;
        const char* code;
        const char* isbn10;
    };
    const Case cases[] = {
        {"9782070612758", "9782070612758", "2070612759"},
        {"9782070612750", "9782070612758", "2070612759"},  // a wrong check digit is recomputed
        {"9791032100009", "9791032100009", "1032100001"},  // a 979 code keeps its own
        {"2070612759", "9782070612758", "2070612759"},     // an ISBN-10
        {"207061275X", "9782070612758", "2070612759"},     // its check character is never read
        {"çè_éàèà-&éè(_", "9782070612758", "2070612759"},  // digits of an unshifted French keyboard
    };
    for (const Case& c : cases) {
        dialogs.answer(QStringLiteral("OK"));
        input.scan(QString::fromUtf8(c.scanned));
        EXPECT_EQ(edit("Edit10").text(), c.code) << c.scanned;
        EXPECT_EQ(edit("Edit2").text(), c.isbn10) << c.scanned;
        EXPECT_EQ(dialogs.log().back().text, dialogText(5)) << c.scanned;
    }
    // A code pasted with its hyphens is reduced to its digits at the next key.
    edit("Edit1").setText(QStringLiteral("978-2-07-061275-8"));
    dialogs.answer(QStringLiteral("OK"));
    input.key(ui::vk::Return);
    EXPECT_EQ(edit("Edit10").text(), "9782070612758");
}

TEST_F(BookLookupTest, ACodeNobodyKnowsIsRecordedAndTheFocusGoesWhereTheLibrarianTypesNext)
{
    dialogs.answer(QStringLiteral("OK"));
    input.scan(QStringLiteral("9782070612758"));
    EXPECT_EQ(dialogs.log().back().caption, dialogText(4));
    EXPECT_TRUE(edit("Edit1").focused());
    EXPECT_TRUE(control("SpeedButton22").visible());
    EXPECT_FALSE(control("Panel19").visible());

    // A code of the school publisher's: the title is typed next.
    dialogs.answer(QStringLiteral("OK"));
    input.scan(QStringLiteral("9782211000000"));
    EXPECT_EQ(dialogs.log().back().text, dialogText(3));
    EXPECT_TRUE(edit("Edit4").focused());
    EXPECT_EQ(program.read(QStringLiteral("Isbn_non_trouves.csv")), QByteArray("9782070612758\r\n9782211000000\r\n"));
}

TEST_F(BookLookupTest, ABookOfTheCatalogueIsShownWithoutAskingAnyoneElse)
{
    addBook(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"), QStringLiteral("9782070612758.jpg"));
    addBook(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"), QStringLiteral("9782070612758.jpg"));
    input.scan(QStringLiteral("9782070612758"));
    EXPECT_EQ(edit("Edit4").text(), "Le Petit Prince");
    EXPECT_EQ(control("Label183").caption(), "2");
    EXPECT_TRUE(frm().get<ui::CheckBox>(QStringLiteral("CheckBox1")).checked());
    EXPECT_TRUE(control("SpeedButton20").visible());
    EXPECT_TRUE(image("Image99").picture());
    EXPECT_TRUE(dialogs.log().back().text.contains(QStringLiteral("Form2")));  // no box since the login
    EXPECT_FALSE(QFile::exists(program.folder("Isbn_non_trouves.csv")));

    // Another code while this book is on screen: Cancel keeps it.
    dialogs.answer(QStringLiteral("Cancel"));
    input.scan(QStringLiteral("9782070612759"));
    EXPECT_EQ(dialogs.log().back().text, dialogText(6));
    EXPECT_EQ(edit("Edit4").text(), "Le Petit Prince");
    EXPECT_EQ(edit("Edit1").text(), "");
}

TEST_F(BookLookupTest, ShortCodesAreBookNumbersOfTheCatalogueOnly)
{
    addBook(QStringLiteral("00012"), QStringLiteral("Mon premier livre"), QStringLiteral("00012.jpg"));
    dialogs.answer(QStringLiteral("OK"));
    input.scan(QStringLiteral("12"));
    EXPECT_EQ(dialogs.log().back().text, frm().tables.message(17));
    dialogs.answer(QStringLiteral("OK"));
    input.scan(QStringLiteral("00012"));
    EXPECT_EQ(dialogs.log().back().text, frm().tables.message(18));
    EXPECT_EQ(edit("Edit4").text(), "Mon premier livre");
    EXPECT_EQ(edit("Edit10").text(), "00012");
    EXPECT_TRUE(control("SpeedButton20").visible());
    EXPECT_FALSE(QFile::exists(program.folder("Isbn_non_trouves.csv")));
}

TEST_F(BookLookupTest, AutomaticValidationSavesAFoundBookByClickingTheSaveButton)
{
    // The click lands where the layout puts the save button, and in list mode on "ISBN Suivant".
    control("SpeedButton20").show();
    control("Button31").show();
    ui::testing::expectOffsetsLand(frm(), {{{750, 300}, "SpeedButton20"}, {{800, 200}, "Button31"}});
    control("Button31").hide();

    frm().settings.ValideBool = true;
    addBook(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"), QString());
    input.scan(QStringLiteral("9782070612758"));
    input.process();
    EXPECT_EQ(booksColumn("NbrExemplaire"), (QStringList{"1", "2"}));
    EXPECT_EQ(edit("Edit4").text(), "");
    EXPECT_TRUE(edit("Edit1").focused());
}
