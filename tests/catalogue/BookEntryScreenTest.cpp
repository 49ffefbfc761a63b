// The book screen's openers, code field, entry-mode buttons, Dewey button, hints and cover strip.
#include "BookScreenFixture.h"

#include "catalogue/BookEntryLayout.h"
#include "loans/LoanInstaller.h"
#include "platform/files/FileOps.h"
#include "platform/ui/Keys.h"
#include "platform/ui/PageControl.h"

#include <QFile>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

}  // namespace

TEST_F(BookScreenTest, TheLoginOpensTheEntryTabOnTheLastBookWithItsCovers)
{
    startBookScreens();
    program.write(QStringLiteral("livres/Jaquettes/big.jpg"), program.read(QStringLiteral("Reserve/Accueil.jpg")));
    addBook(QStringLiteral("1111111111111"), QStringLiteral("Premier"), QStringLiteral("big.jpg"));
    addBook(QStringLiteral("2222222222222"), QStringLiteral("Second"), QStringLiteral("missing.jpg"));
    logIn();

    EXPECT_TRUE(control("Panel4").visible());
    EXPECT_EQ(control("Panel4").top(), 54);
    EXPECT_EQ(control("Panel4").color(), ui::Color::fromBgr(0xE8FFFF));
    EXPECT_TRUE(edit("Edit1").focused());
    EXPECT_EQ(screen().ActiveBookTab, 1);
    EXPECT_EQ(frm().db.ADOTable1.fieldByName(QStringLiteral("Titre")).asString(), "Second");
    // Newest first; with two books the first one fills the rest of the strip.
    const ui::PicturePtr placeholder = image("Image20").picture();
    ASSERT_TRUE(placeholder);
    const QSize bookcase = image("Image21").picture()->size();
    EXPECT_NE(placeholder->size(), bookcase);
    for (const char* slot : {"Image22", "Image23", "Image24", "Image25"})
        EXPECT_EQ(image(slot).picture()->size(), bookcase) << slot;
    // The large cover is the placeholder, shown without changing the row.
    EXPECT_EQ(edit("DBEdit39").text(), "No_picture.jpg");
    EXPECT_EQ(booksColumn("Images").last(), "missing.jpg");
    EXPECT_TRUE(image("Image2").picture());
}

TEST_F(BookScreenTest, AFileThatIsNoPictureIsDeletedButThePlaceholderNeverIs)
{
    startBookScreens();
    program.write(QStringLiteral("livres/Jaquettes/bad.jpg"), "not a picture");
    program.write(QStringLiteral("livres/Jaquettes/empty.jpg"), "");
    addBook(QStringLiteral("1111111111111"), QStringLiteral("Vide"), QStringLiteral("empty.jpg"));
    addBook(QStringLiteral("2222222222222"), QStringLiteral("Abime"), QStringLiteral("bad.jpg"));
    logIn();
    EXPECT_FALSE(QFile::exists(program.folder("livres/Jaquettes/bad.jpg")));
    EXPECT_FALSE(QFile::exists(program.folder("livres/Jaquettes/empty.jpg")));

    // A broken placeholder stays where it is (the next start replaces it); the picture is empty.
    program.write(QStringLiteral("livres/Jaquettes/No_picture.jpg"), "broken");
    input.menu(QStringLiteral("Livres > Nouveaux livres"));
    EXPECT_EQ(fileBytes(program.folder("livres/Jaquettes/No_picture.jpg")), "broken");
    EXPECT_FALSE(image("Image3").picture());
}

TEST_F(BookScreenTest, ACoverNameLongerThanThirtyCharactersShowsOnlyInTheLargeCover)
{
    startBookScreens();
    const QString longName = QString(31, u'c') + QStringLiteral(".jpg");
    program.write(QStringLiteral("livres/Jaquettes/") + longName, program.read(QStringLiteral("Reserve/Accueil.jpg")));
    addBook(QStringLiteral("1111111111111"), QStringLiteral("Long"), longName);
    logIn();
    const QSize bookcase = image("Image3").picture()->size();
    EXPECT_NE(image("Image20").picture()->size(), bookcase);
    EXPECT_EQ(screen().CoverCropSize, bookcase);
    EXPECT_DOUBLE_EQ(screen().CoverCropScale.width(), double(bookcase.width()) / catalogue::layout::kLargeCover.width());
}

TEST_F(BookScreenTest, ControlWordsInTheCodeFieldSaveOrOpenTheReturnScreen)
{
    startAndLogIn();
    int returnScreens = 0;
    frm().handlers.bind(QStringLiteral("ShowReturnScreen"), [&] { ++returnScreens; });
    input.scan(QStringLiteral("RETPRET"));
    EXPECT_EQ(returnScreens, 1);
    fill("Edit1", QString());
    input.scan(QStringLiteral("retpret"));
    EXPECT_EQ(returnScreens, 1);
    fill("Edit1", QString());

    input.click(QStringLiteral("SpeedButton18"));
    input.type(QStringLiteral("Tistou les pouces verts"));
    input.click(QStringLiteral("SpeedButton19"));
    input.scan(QStringLiteral("VLIDE"));
    EXPECT_EQ(booksColumn("Titre"), QStringList{"Tistou les pouces verts"});
}

TEST_F(BookScreenTest, EntryModeButtons)
{
    startAndLogIn();
    input.click(QStringLiteral("SpeedButton18"));
    EXPECT_FALSE(control("Edit1").visible());
    EXPECT_FALSE(control("Label12").visible());
    EXPECT_TRUE(control("SpeedButton20").visible());
    EXPECT_TRUE(control("SpeedButton19").visible());
    EXPECT_FALSE(control("SpeedButton18").visible());
    EXPECT_TRUE(edit("Edit4").focused());
    EXPECT_TRUE(screen().manualEntry());

    input.click(QStringLiteral("SpeedButton19"));
    EXPECT_TRUE(control("Edit1").visible());
    EXPECT_TRUE(edit("Edit1").focused());
    EXPECT_FALSE(screen().manualEntry());

    control("SpeedButton21").show();
    input.click(QStringLiteral("SpeedButton21"));
    EXPECT_TRUE(edit("Edit4").focused());
    EXPECT_TRUE(screen().manualEntry());

    // A new entry empties the book's fields and keeps what persists from book to book.
    for (const char* name : {"Edit2", "Edit4", "Edit5", "Edit12", "Edit10", "Edit95", "Edit25"})
        edit(name).setText(QStringLiteral("x"));
    edit("Edit15").setText(QStringLiteral("4"));
    input.click(QStringLiteral("SpeedButton22"));
    for (const char* name : {"Edit2", "Edit4", "Edit5", "Edit12", "Edit10"})
        EXPECT_EQ(edit(name).text(), "") << name;
    EXPECT_EQ(edit("Edit15").text(), "1");
    EXPECT_EQ(edit("Edit95").text(), "x");
    EXPECT_EQ(edit("Edit25").text(), "x");
    EXPECT_FALSE(control("SpeedButton20").visible());
    EXPECT_TRUE(edit("Edit1").focused());
}

TEST_F(BookScreenTest, TheHelpButtonAndTheHoverHints)
{
    startAndLogIn();
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("SpeedButton4"));
    EXPECT_EQ(dialogs.log().back().text, frm().tables.message(22));

    input.hover(frm().get<ui::Edit>(QStringLiteral("Edit15")));
    const auto& hint = frm().get<ui::Edit>(QStringLiteral("Edit15")).balloonHint();
    ASSERT_TRUE(hint);
    EXPECT_EQ(hint->title, "AIDE ");
    EXPECT_EQ(hint->text, QStringLiteral("Entrez le nombre d'exemplaires correspondant \ravant de cliquer sur le bouton Accepter"));
}

TEST_F(BookScreenTest, DeweyClassComesFromTheClipboardOnlyWhenTheProgramStarted)
{
    services.clipboardText = [] { return QStringLiteral("843.914"); };
    startAndLogIn();
    edit("Edit95").setText(QStringLiteral("500"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("SpeedButton43"));
    EXPECT_TRUE(shell.records().contains(QStringLiteral("start: Pindrel.exe")) ||
                shell.records().join(u'\n').contains(QStringLiteral("Pindrel.exe")));
    EXPECT_EQ(dialogs.log().back().text, "La réponse dans le Clipboard");
    EXPECT_EQ(edit("Edit95").text(), "843.914");
}

TEST_F(BookScreenTest, FromTheLoanScreenTheCodeIsLookedUpAndTheSaveReturnsThere)
{
    start({"Cancel"}, {bookScreens()[0], [](app::TFrmPrin& frm) { loans::installLoanScreen(frm); }});
    logIn();
    int enters = 0;
    edit("Edit1").onKeyPress = [&](QChar& key) { enters += key == QChar(u'\r'); };
    edit("Edit39").setText(QStringLiteral("9782070612758"));
    frm().handlers.run(QStringLiteral("OpenBookScreenWithCode"));
    EXPECT_EQ(enters, 0);  // not before the opener has returned
    input.process();
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(edit("Edit1").text(), "9782070612758");
    EXPECT_EQ(control("Panel4").top(), 44);
    EXPECT_TRUE(screen().ReturnToLoanScreen);

    saveByHand(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"));
    EXPECT_FALSE(screen().ReturnToLoanScreen);
    EXPECT_TRUE(control("Panel14").visible());
    EXPECT_FALSE(control("Panel4").visible());
    EXPECT_EQ(edit("Edit39").text(), "9782070612758");
    EXPECT_TRUE(edit("Edit41").focused());
}
