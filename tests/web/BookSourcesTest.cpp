// The web sources of the look-up, asked in their order against the book sites served locally:
// what each fills in when it finds the book, and how the chain goes on when a site has nothing.
#include "BookSites.h"
#include "BookScreenFixture.h"

#include "platform/picture/PictureFile.h"
#include "program/ProgramScreens.h"

namespace {

const QString kCode = BookSites::kCode;

class BookSourcesTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        start({"Cancel"}, program::programScreens());
        logIn();
        app::Settings& settings = frm().settings;
        settings.dialoguebool = settings.bookfinderbool = settings.decitrebool = settings.Amazonbool = true;
        settings.ChasseLivrebool = false;
    }
    app::TFrmPrin& frm() const { return entry->mainWindow(); }

    QString coverFile() const { return QStringLiteral("livres/Jaquettes/") + kCode + QStringLiteral(".jpg"); }

    BookSites& sites() { return *m_sites; }
    // A site of its own for each case: nothing served before is served now.
    void freshSites()
    {
        m_sites.reset();
        m_sites = std::make_unique<BookSites>();
    }
    bool coverExists() const { return QFile::exists(program.folder(coverFile())); }

    std::unique_ptr<BookSites> m_sites = std::make_unique<BookSites>();
};

struct FoundCase {
    const char* site;
    std::vector<const char*> sitesBefore;
    std::map<std::string, const char*> fields;
    const char* summary;
    std::vector<const char*> hosts;
};

const char* const kFields[] = {"Edit4", "Edit5", "Edit12", "Edit6", "Edit7", "Edit91", "Edit92", "Edit95"};

}  // namespace

TEST_F(BookSourcesTest, EachSiteFillsTheFieldsItGivesAndTheCoverAfterTheSitesBeforeItHadNothing)
{
    const FoundCase cases[] = {
        {"dialogues",
         {},
         {{"Edit4", "Le Petit Prince "}, {"Edit5", "Saint-Exupéry, Antoine de"}, {"Edit12", "Saint-Exupéry"},
          {"Edit6", "01/03/1999"}, {"Edit7", "96"}, {"Edit91", "18 x 11 cm"}, {"Edit92", "7,50 "}, {"Edit95", "843"}},
         "J'ai ainsi vécu seul, sans personne avec qui parler véritablement.",
         {"www.librairiedialogues.fr", "images.librairiedialogues.fr"}},
        {"bookfinder",
         {"dialogues"},
         {{"Edit4", "Le Petit Prince"}, {"Edit5", "Antoine de Saint-Exupéry"}, {"Edit12", "Gallimard"}},
         "",
         {"www.librairiedialogues.fr", "www.bookfinder.com", "pictures.abebooks.com"}},
        {"decitre",
         {"dialogues", "bookfinder"},
         {{"Edit4", "Le Petit Prince Édition illustrée"}, {"Edit5", "Antoine de Saint-Exupéry"},
          {"Edit12", "Gallimard Jeunesse"}},
         "Un pilote tombé en panne dans le désert rencontre un petit prince.",
         {"www.librairiedialogues.fr", "www.bookfinder.com", "www.decitre.fr", "products-images.di-static.com"}},
        {"amazon",
         {"dialogues", "bookfinder", "decitre"},
         {{"Edit4", "Le Petit Prince "}, {"Edit5", "Saint-Exupéry, Antoine de "}, {"Edit12", "Gallimard"},
          {"Edit6", "1 mars 1999"}, {"Edit7", "96 pages"}, {"Edit91", "Broché"}},
         "Quatrième de couverture\r\nLe premier soir, je me suis donc endormi sur le sable.",
         {"www.librairiedialogues.fr", "www.bookfinder.com", "www.decitre.fr", "www.amazon.fr", "m.media-amazon.com"}},
    };
    for (const FoundCase& c : cases) {
        SCOPED_TRACE(c.site);
        freshSites();
        for (const char* before : c.sitesBefore)
            sites().serveNotFound(before);
        sites().serveFound(c.site);
        QFile::remove(program.folder(coverFile()));
        if (!edit("Edit4").text().isEmpty())
            dialogs.answer(QStringLiteral("OK"));  // the previous book goes

        input.scan(kCode);

        for (const char* name : kFields) {
            const auto expected = c.fields.find(name);
            EXPECT_EQ(edit(name).text(), QString::fromUtf8(expected == c.fields.end() ? "" : expected->second)) << name;
        }
        EXPECT_TRUE(edit("RichEdit4").text().contains(QString::fromUtf8(c.summary))) << edit("RichEdit4").text().toStdString();
        QStringList hosts;
        for (const char* host : c.hosts)
            hosts << QString::fromLatin1(host);
        EXPECT_EQ(sites().hostsAsked(), hosts);
        const QByteArray cover = program.read(coverFile());
        EXPECT_EQ(picture::detectFormat(cover), picture::Format::Jpeg);
        EXPECT_TRUE(image("Image99").picture());
        EXPECT_EQ(frm().CoverFileName, kCode + QStringLiteral(".jpg"));
        EXPECT_TRUE(control("SpeedButton20").visible());
        EXPECT_FALSE(QFile::exists(program.folder(QStringLiteral("Isbn_non_trouves.csv"))));
    }
}

TEST_F(BookSourcesTest, NoSiteHasTheBook)
{
    for (const char* site : {"dialogues", "bookfinder", "amazon"})
        sites().serveNotFound(site);
    dialogs.answer(QStringLiteral("OK"));
    input.scan(kCode);
    for (const char* name : kFields)
        EXPECT_EQ(edit(name).text(), QString()) << name;
    EXPECT_EQ(sites().hostsAsked(), (QStringList{QStringLiteral("www.librairiedialogues.fr"), QStringLiteral("www.bookfinder.com"),
                                               QStringLiteral("www.decitre.fr"), QStringLiteral("www.amazon.fr")}));
    EXPECT_EQ(program.read(QStringLiteral("Isbn_non_trouves.csv")), kCode.toLatin1() + "\r\n");
    EXPECT_FALSE(coverExists());
    EXPECT_EQ(dialogs.log().back().text, frm().tables.dialog(5));
}

TEST_F(BookSourcesTest, AFailedCoverDownloadLeavesTheExistingCover)
{
    sites().serveFound("bookfinder");
    sites().serveNotFound("dialogues");
    sites().serve(QStringLiteral("isbn/") + kCode + QStringLiteral(".jpg"), QByteArray("<html>ERREUR</html>").repeated(100));
    program.write(coverFile(), BookSites::cover("JPEG"));
    const QByteArray before = program.read(coverFile());
    input.scan(kCode);
    EXPECT_EQ(edit("Edit4").text(), QStringLiteral("Le Petit Prince"));
    EXPECT_EQ(program.read(coverFile()), before);
    EXPECT_FALSE(QFile::exists(program.folder(coverFile() + QStringLiteral(".download"))));
}

TEST_F(BookSourcesTest, ASiteThatNeverAnswersIsLeftAfterItsTimeAndTheNextOneAsked)
{
    DeadPort silent(DeadPort::Silent);
    sites().routeHost(QStringLiteral("www.librairiedialogues.fr"), silent.port());
    sites().serveFound("bookfinder");
    input.scan(kCode);
    EXPECT_EQ(edit("Edit4").text(), QStringLiteral("Le Petit Prince"));
    EXPECT_EQ(sites().hostsAsked(), (QStringList{QStringLiteral("www.bookfinder.com"), QStringLiteral("pictures.abebooks.com")}));
    EXPECT_FALSE(control("Panel19").visible());
}

TEST_F(BookSourcesTest, APageNestedPastAnyDepthIsNotFoundAndTheNextSiteAsked)
{
    const struct {
        const char* what;
        QByteArray page;
    } pages[] = {
        {"60,000 nested div", "<html><body>" + QByteArray("<div>").repeated(60000) + "Le Petit Prince"},
        {"4 MiB of unclosed tags", "<html><body>" + QByteArray("<b><span>").repeated(4 * 1024 * 1024 / 9 - 100)},
    };
    for (const auto& c : pages) {
        SCOPED_TRACE(c.what);
        freshSites();
        sites().serve(QStringLiteral("livre/") + kCode, c.page);
        sites().serveFound("bookfinder");
        if (!edit("Edit4").text().isEmpty())
            dialogs.answer(QStringLiteral("OK"));  // the previous book goes
        input.scan(kCode);
        EXPECT_EQ(edit("Edit4").text(), QStringLiteral("Le Petit Prince"));
        EXPECT_EQ(sites().hostsAsked(), (QStringList{QStringLiteral("www.librairiedialogues.fr"), QStringLiteral("www.bookfinder.com"),
                                                   QStringLiteral("pictures.abebooks.com")}));
        EXPECT_FALSE(control("Panel19").visible());
    }
}

TEST_F(BookSourcesTest, ACodeScannedDuringALookUpWaitsForItsOwnEnter)
{
    sites().serveFound("dialogues");
    const QString next = QStringLiteral("9782070000005");
    input.queueScan(kCode);
    input.queueScan(next);
    input.process();
    EXPECT_EQ(edit("Edit10").text(), kCode);
    EXPECT_EQ(edit("Edit4").text(), QStringLiteral("Le Petit Prince "));
    EXPECT_EQ(edit("Edit1").text(), next);
    EXPECT_EQ(sites().hostsAsked(),
              (QStringList{QStringLiteral("www.librairiedialogues.fr"), QStringLiteral("images.librairiedialogues.fr")}));
}

TEST_F(BookSourcesTest, AProductNumberIsReadFromItsAmazonPage)
{
    const QString asin = QStringLiteral("B00ABCDEFG");
    sites().serveFixture(QStringLiteral("dp/") + asin, QStringLiteral("amazon/found.html"));
    sites().serve(QStringLiteral("images/I/51AbCdEf.jpg"), BookSites::cover("JPEG"));
    input.scan(asin);
    EXPECT_EQ(edit("Edit10").text(), asin);
    EXPECT_EQ(edit("Edit4").text(), QStringLiteral("Le Petit Prince "));
    EXPECT_EQ(edit("Edit12").text(), QStringLiteral("Gallimard"));
    EXPECT_EQ(picture::detectFormat(program.read(QStringLiteral("livres/Jaquettes/") + asin + QStringLiteral(".jpg"))),
              picture::Format::Jpeg);
    EXPECT_EQ(sites().hostsAsked(), (QStringList{QStringLiteral("www.amazon.fr"), QStringLiteral("m.media-amazon.com")}));
}

TEST_F(BookSourcesTest, ACatalogueBookWithoutItsCoverIsReadFromItsAmazonPageEvenWithAmazonSwitchedOff)
{
    frm().settings.Amazonbool = false;
    const QString catalogueTitle = QStringLiteral("Le Petit Prince (édition de la bibliothèque)");
    addBook(kCode, catalogueTitle, kCode + QStringLiteral(".jpg"));
    const struct {
        const char* name;
        bool amazonHasIt;
        QString title;
    } cases[] = {
        // A page that does not know the book leaves the catalogue's data.
        {"not on Amazon", false, catalogueTitle},
        {"on Amazon", true, QStringLiteral("Le Petit Prince ")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        freshSites();
        if (c.amazonHasIt)
            sites().serveFound("amazon");
        else
            sites().serveNotFound("amazon");
        if (!edit("Edit4").text().isEmpty())
            dialogs.answer(QStringLiteral("OK"));  // the previous book goes
        const qsizetype dialogsBefore = dialogs.log().size();
        input.scan(kCode);
        EXPECT_EQ(edit("Edit4").text(), c.title);
        EXPECT_EQ(edit("Edit10").text(), kCode);
        EXPECT_EQ(coverExists(), c.amazonHasIt);
        EXPECT_TRUE(image("Image99").picture());
        EXPECT_TRUE(control("SpeedButton20").visible());
        EXPECT_EQ(sites().hostsAsked().value(0), QStringLiteral("www.amazon.fr"));
        EXPECT_LE(dialogs.log().size(), dialogsBefore + 1);
    }
}
