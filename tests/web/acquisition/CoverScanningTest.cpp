#include "tests/web/acquisition/AcquisitionFixture.h"

#include "platform/ui/Image.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/WebBrowser.h"
#include "TestServers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class CoverScanningTest : public AcquisitionTest {
protected:
    // The new-book tab's scanner icon offers "Scanner" while the pointer is on it.
    void scanNewBook(const QString& title, const QString& code)
    {
        if (frm().get<ui::Control>(QStringLiteral("SpeedButton18")).visible())
            input.click(QStringLiteral("SpeedButton18"));
        edit("Edit4").setText(title);
        edit("Edit10").setText(code);
        if (!image("Image59").visible())
            input.hover(image("Image8"));
        input.click(QStringLiteral("Image59"));
    }
    void addBook(const QString& code, const QString& isbn10, const QString& title, const QString& cover)
    {
        run(QStringLiteral("Insert into Table1 (Isbn13, Isbn10, Titre, Images, Type, Emprunte) "
                           "Values (?, ?, ?, ?, 'LIVRE', False)"),
            {code, isbn10, title, cover});
    }
    // The book screen's Compléments tab on the last book entered.
    void scanOnComplements()
    {
        input.click(QStringLiteral("ToolButton4"));
        input.selectTab(frm().get<ui::TabSheet>(QStringLiteral("TabSheet2")));
        input.click(QStringLiteral("SpeedButton23"));
    }
};

TEST_F(CoverScanningTest, ANewBooksScanIsStoredUnderItsPaddedNumberAndShownWhole)
{
    SaneTestBackend sane;
    dialogs.answer(QStringLiteral("Numériser"));
    dialogs.answer(QStringLiteral("OK"));
    scanNewBook(QStringLiteral("Mon album"), QStringLiteral("123"));

    EXPECT_EQ(edit("Edit10").text(), QStringLiteral("00123"));
    EXPECT_EQ(edit("Edit61").text(), QStringLiteral("00123.jpg"));
    // 500 high as the picture rule rounds it: 399 wide, then 499 high.
    EXPECT_EQ(pictureSize(QStringLiteral("livres/Jaquettes/00123.jpg")), QSize(399, 499));
    ASSERT_TRUE(image("Image99").picture());
    EXPECT_EQ(image("Image99").picture()->size(), QSize(314, 393)) << "the tab keeps the scan as it came";
    EXPECT_EQ(frm().ScannedCoverFlag, QStringLiteral("True"));
    EXPECT_EQ(messages(), QStringList{message(89)});
    // The small view of the entry tab shows the stored file.
    EXPECT_EQ(frm().get<ui::WebBrowser>(QStringLiteral("WebBrowser1")).locationUrl(),
              QStringLiteral("file:") + program.folder(QStringLiteral("livres/Jaquettes/00123.jpg")));
}

TEST_F(CoverScanningTest, ANewBookWithoutCodeTakesTheNextBookNumber)
{
    SaneTestBackend sane;
    struct Case {
        const char* what;
        int booksBefore;
        const char* number;
    };
    for (const Case& c : {Case{"empty catalogue", 0, "00001"}, Case{"after book 2", 2, "00003"}}) {
        for (int i = int(column(QStringLiteral("SELECT * FROM table1"), "NumLivre").size()); i < c.booksBefore; ++i)
            addBook(QStringLiteral("978000000000") + QString::number(i), QString(), QStringLiteral("Livre"),
                    QStringLiteral("No_picture.jpg"));
        dialogs.answer(QStringLiteral("Numériser"));
        dialogs.answer(QStringLiteral("OK"));
        scanNewBook(QStringLiteral("Un titre"), QString());
        EXPECT_EQ(edit("Edit10").text(), QString::fromLatin1(c.number)) << c.what;
        EXPECT_TRUE(pictureSize(QStringLiteral("livres/Jaquettes/") + QString::fromLatin1(c.number) + ".jpg")) << c.what;
        input.click(QStringLiteral("SpeedButton19"));
    }
}

TEST_F(CoverScanningTest, NothingIsScannedOrWrittenWithoutTitleImageOrScanner)
{
    {
        SCOPED_TRACE("no title");
        SaneTestBackend sane;
        dialogs.answer(QStringLiteral("OK"));
        scanNewBook(QString(), QStringLiteral("123"));
        EXPECT_EQ(messages(), QStringList{message(88)});
        EXPECT_FALSE(scannerDialogShown());
    }
    {
        SCOPED_TRACE("the scanner's dialog cancelled");
        SaneTestBackend sane;
        dialogs.clearLog();
        dialogs.answer(QStringLiteral("Annuler"));
        dialogs.answer(QStringLiteral("OK"));
        scanNewBook(QStringLiteral("Mon album"), QStringLiteral("124"));
        EXPECT_EQ(messages(), QStringList{QStringLiteral("0pas de scanner")});
        EXPECT_FALSE(pictureSize(QStringLiteral("livres/Jaquettes/00124.jpg")));
        EXPECT_TRUE(frm().ScannedCoverFlag.isEmpty());
        input.click(QStringLiteral("SpeedButton19"));
    }
    {
        SCOPED_TRACE("no scanner");
        SaneTestBackend sane{SaneTestBackend::NoScanner{}};
        dialogs.clearLog();
        dialogs.answer(QStringLiteral("OK"));
        dialogs.answer(QStringLiteral("OK"));
        scanNewBook(QStringLiteral("Mon album"), QStringLiteral("125"));
        EXPECT_EQ(messages(), (QStringList{QStringLiteral("TWAIN_ReportLastError: an error occurred"),
                                           QStringLiteral("0pas de scanner")}));
        EXPECT_FALSE(pictureSize(QStringLiteral("livres/Jaquettes/00125.jpg")));
    }
}

// The record's cover takes the code's name, 350 wide when landscape, else 500 high.
TEST_F(CoverScanningTest, ABookRecordsScanNamesItsCoverAndMarksOnlyThatCopy)
{
    struct Case {
        const char* what;
        QByteArray settings;
        const char* code;
        const char* isbn10;
        const char* images;
        const char* stored;  // Images afterwards
        const char* file;
        QSize size;
    };
    const Case cases[] = {
        {"portrait, placeholder name", SaneTestBackend::portraitSettings(), "9782070612758", "", "No_picture.jpg",
         "9782070612758.jpg", "9782070612758.jpg", QSize(399, 499)},
        {"landscape, own name", landscapeSettings(), "9782070612765", "", "9782070612765.jpg", "9782070612765.jpg",
         "9782070612765.jpg", QSize(350, 233)},
        {"a title's name gives way to the code", SaneTestBackend::portraitSettings(), "9782070612772", "",
         "TINTIN.jpg", "9782070612772.jpg", "9782070612772.jpg", QSize(399, 499)},
        {"periodical: code and issue", SaneTestBackend::portraitSettings(), "3791234567890", "*00012*",
         "3791234567890_00012.jpg", "3791234567890_00012.jpg", "3791234567890_00012.jpg", QSize(399, 499)},
    };
    addBook(QStringLiteral("9780000000001"), QString(), QStringLiteral("Autre"), QStringLiteral("No_picture.jpg"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SaneTestBackend sane(c.settings);
        addBook(QString::fromLatin1(c.code), QString::fromLatin1(c.isbn10), QStringLiteral("Un livre"),
                QString::fromLatin1(c.images));
        dialogs.clearLog();
        dialogs.answer(QStringLiteral("Numériser"));
        dialogs.answer(QStringLiteral("OK"));
        scanOnComplements();
        EXPECT_EQ(messages(), QStringList{QStringLiteral("1scanner")});
        const QString code = QString::fromLatin1(c.code);
        EXPECT_EQ(column(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = '") + code + "'", "Images"),
                  QStringList{QString::fromLatin1(c.stored)});
        EXPECT_EQ(column(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = '") + code + "'", "Emprunte"),
                  QStringList{QStringLiteral("Vrai")});
        EXPECT_EQ(pictureSize(QStringLiteral("livres/Jaquettes/") + QString::fromLatin1(c.file)), c.size);
        ASSERT_TRUE(image("Image3").picture());
        EXPECT_EQ(image("Image3").picture()->size(), c.size) << "the stored cover is shown";
    }
    EXPECT_EQ(column(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = '9780000000001'"), "Emprunte"),
              QStringList{QStringLiteral("Faux")});
}

}  // namespace

namespace {

// With the FTP exchange on, the scan goes to the base's folder of its code (made when new) or,
// for a book numbered by the library, to the title folder; a host that cannot be reached is told,
// and the copy is marked as scanned all the same.
TEST_F(CoverScanningTest, ScansAreSharedWithTheMakersBase)
{
    SaneTestBackend sane;
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("livres/alpha"));
    ScriptServer server{QStringLiteral("ftp_server.py"), {home.path(), "qvl", "secret"}};
    DeadPort refusing(DeadPort::Refusing);
    frm().settings.ftpbool = true;
    frm().settings.Qvlbool = true;

    frm().settings.maker = {QString(), QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("qvl"),
                            QStringLiteral("secret"), QString()};
    addBook(QStringLiteral("9782070612758"), QString(), QStringLiteral("Le Petit Prince"), QStringLiteral("No_picture.jpg"));
    dialogs.answer(QStringLiteral("Numériser"));
    dialogs.answer(QStringLiteral("OK"));
    scanOnComplements();
    QFile shared(home.filePath(QStringLiteral("livres/9782070/9782070612758.jpg")));
    ASSERT_TRUE(shared.open(QIODevice::ReadOnly)) << messages().join(" | ").toStdString();
    EXPECT_EQ(shared.readAll(), program.read(QStringLiteral("livres/Jaquettes/9782070612758.jpg")));

    dialogs.answer(QStringLiteral("Numériser"));
    dialogs.answer(QStringLiteral("OK"));
    input.selectTab(frm().get<ui::TabSheet>(QStringLiteral("TabSheet7")));
    scanNewBook(QStringLiteral("Mon album"), QStringLiteral("7"));
    // Under the title's key, the name the title banks ask the base for.
    const QDir titles(home.filePath(QStringLiteral("livres/alpha")));
    EXPECT_EQ(titles.entryList(QDir::Files), QStringList{QStringLiteral("MON_ALBUM.jpg")});
    EXPECT_EQ(QFile(titles.filePath(QStringLiteral("MON_ALBUM.jpg"))).size(),
              QFile(program.folder(QStringLiteral("livres/Jaquettes/00007.jpg"))).size());
    input.click(QStringLiteral("SpeedButton19"));

    // A numbered book's record, its title accented: the same key.
    addBook(QStringLiteral("00042"), QString(), QString::fromUtf8("Le lapin de Noël"), QStringLiteral("00042.jpg"));
    dialogs.answer(QStringLiteral("Numériser"));
    dialogs.answer(QStringLiteral("OK"));
    scanOnComplements();
    EXPECT_EQ(titles.entryList(QDir::Files), (QStringList{QStringLiteral("LE_LAPIN_DE_NOEL.jpg"), QStringLiteral("MON_ALBUM.jpg")}));
    EXPECT_EQ(QFile(titles.filePath(QStringLiteral("LE_LAPIN_DE_NOEL.jpg"))).size(),
              QFile(program.folder(QStringLiteral("livres/Jaquettes/00042.jpg"))).size());

    frm().settings.maker.ftpPort = refusing.port();
    addBook(QStringLiteral("9782070612765"), QString(), QStringLiteral("Vol de nuit"), QStringLiteral("No_picture.jpg"));
    dialogs.clearLog();
    for (const char* answer : {"Numériser", "OK", "OK"})
        dialogs.answer(QString::fromUtf8(answer));
    scanOnComplements();
    EXPECT_EQ(messages().size(), 2) << "the scan's count, then the failed connection";
    EXPECT_EQ(column(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = '9782070612765'"), "Emprunte"),
              QStringList{QStringLiteral("Vrai")});
}

}  // namespace

namespace {

TEST_F(CoverScanningTest, AnOtherMediumsScanIsNamedAfterItsCode)
{
    SaneTestBackend sane;
    run(QStringLiteral("Insert into Table1 (Isbn13, Titre, Type, Images) Values ('3259119711129', 'Chansons', 'CD', '')"));
    input.menu(QStringLiteral("Autres_supports > Nouvelle entrée"));
    input.selectTab(frm().get<ui::TabSheet>(QStringLiteral("TabSheet5")));
    ASSERT_EQ(edit("DBEdit26").text(), QStringLiteral("Chansons"));
    dialogs.answer(QStringLiteral("Numériser"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("SpeedButton25"));
    EXPECT_EQ(edit("DBEdit34").text(), QStringLiteral("3259119711129.jpg"));
    EXPECT_EQ(pictureSize(QStringLiteral("livres/Jaquettes/3259119711129.jpg")), QSize(399, 499));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("1scanner")});
}

}  // namespace
