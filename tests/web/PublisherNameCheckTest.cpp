// "Vérification Nom éditeur": books of 978 lacking a publisher, an author or a date are asked of
// the bibliographic service (served locally) and its values fill the empty fields only.
#include "BookSites.h"
#include "BookScreenFixture.h"

#include "program/ProgramScreens.h"
#include "web/PublisherNameCheck.h"

namespace {

const QString kKnown = QStringLiteral("9782070612758");
const QString kUnknown = QStringLiteral("9782070000001");
const QString kLater = QStringLiteral("9782070000002");

class PublisherNameCheckTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        start({"Cancel"}, program::programScreens());
        logIn();
        frm().settings.maker.isbnService = QStringLiteral("http://xisbn.worldcat.org");
    }
    app::TFrmPrin& frm() const { return entry->mainWindow(); }

    void addBook(const QString& code, const QString& author, const QString& publisher, const QString& date)
    {
        BookScreenTest::addBook(code, QStringLiteral("Livre ") + code, code + QStringLiteral(".jpg"));
        frm().db.ADOConnection1.execute(QStringLiteral("UPDATE Table1 SET Auteur = ?, Editeur = ?, Date_parution = ? "
                                                       "WHERE Isbn13 = ?"),
                                        {author, publisher, date, code});
    }
    void answer(const QString& code, const char* fixture)
    {
        sites.serveFixture(QStringLiteral("webservices/xid/isbn/") + code, QString::fromLatin1(fixture));
    }
    QString row(const QString& code, const char* field)
    {
        const QStringList values =
            column(QStringLiteral("SELECT * FROM Table1 WHERE Isbn13 = '%1'").arg(code), field);
        return values.isEmpty() ? QStringLiteral("<no row>") : values.first();
    }
    QStringList codesAsked() const
    {
        QStringList codes;
        for (const QString& request : sites.requests())
            if (request.contains(QStringLiteral("/webservices/xid/isbn/")))
                codes << request.section(u'/', -1).section(u'?', 0, 0);
        return codes;
    }
    void runCheck()
    {
        dialogs.answer(QStringLiteral("OK"));  // the number of books asked
        dialogs.answer(QStringLiteral("OK"));  // the publisher and number of the last row
        dialogs.answer(QStringLiteral("OK"));  // the end
        input.menu(QStringLiteral("Outils > Vérification Nom éditeur"));
    }

    BookSites sites;
};

}  // namespace

TEST_F(PublisherNameCheckTest, OnlyBooksOf978LackingAFieldAreAskedAndOnlyEmptyFieldsAreFilled)
{
    addBook(kKnown, QStringLiteral("A. de Saint-Exupéry"), QString(), QString());
    addBook(kUnknown, QString(), QString(), QString());
    addBook(QStringLiteral("9791032100009"), QString(), QString(), QString());
    addBook(QStringLiteral("9782070000003"), QStringLiteral("Auteur"), QStringLiteral("Editeur"), QStringLiteral("2001"));
    addBook(QStringLiteral("12345"), QString(), QString(), QString());
    answer(kKnown, "xisbn/known.xml");
    answer(kUnknown, "xisbn/unknown.xml");

    runCheck();

    EXPECT_EQ(codesAsked(), (QStringList{kKnown, kUnknown}));
    EXPECT_EQ(row(kKnown, "Auteur"), QStringLiteral("A. de Saint-Exupéry"));
    // Entities decoded, the web's ";" a blank, cut to the column.
    const QString publisher = row(kKnown, "Editeur");
    EXPECT_TRUE(publisher.startsWith(QStringLiteral("Gallimard & Jeunesse   Folio junior"))) << publisher.toStdString();
    EXPECT_EQ(publisher.size(), 50);
    EXPECT_EQ(row(kKnown, "Date_parution"), QStringLiteral("1999"));
    for (const char* field : {"Auteur", "Editeur", "Date_parution"})
        EXPECT_EQ(row(kUnknown, field), QString()) << field;
    EXPECT_EQ(dialogs.log()[dialogs.log().size() - 3].text, QStringLiteral("2"));
    EXPECT_EQ(dialogs.log()[dialogs.log().size() - 2].text, QStringLiteral("  ; ;") + booksColumn("NumLivre").last());
    EXPECT_EQ(dialogs.log().back().text, frm().tables.message(201));
    EXPECT_TRUE(control("RichEdit7").visible());
}

TEST_F(PublisherNameCheckTest, WithoutTheServicesAddressNoBookIsAsked)
{
    frm().settings.maker.isbnService.clear();
    addBook(kKnown, QString(), QStringLiteral("Gallimard"), QString());
    answer(kKnown, "xisbn/known.xml");
    runCheck();
    EXPECT_EQ(codesAsked(), QStringList());
    EXPECT_EQ(row(kKnown, "Auteur"), QString());
    EXPECT_EQ(dialogs.log()[dialogs.log().size() - 3].text, QStringLiteral("0"));
    EXPECT_EQ(dialogs.log()[dialogs.log().size() - 2].text, QStringLiteral("  ;Gallimard ;") + booksColumn("NumLivre").last());
}

TEST_F(PublisherNameCheckTest, TheServicesLimitStopsTheCheckAndKeepsWhatWasCompleted)
{
    addBook(kKnown, QString(), QString(), QString());
    addBook(kUnknown, QString(), QString(), QString());
    addBook(kLater, QString(), QString(), QString());
    answer(kKnown, "xisbn/known.xml");
    answer(kUnknown, "xisbn/overlimit.xml");
    dialogs.answer(QStringLiteral("OK"));
    input.menu(QStringLiteral("Outils > Vérification Nom éditeur"));

    EXPECT_EQ(codesAsked(), (QStringList{kKnown, kUnknown}));
    EXPECT_EQ(row(kKnown, "Auteur"), QStringLiteral("Antoine de Saint-Exupéry"));
    EXPECT_EQ(dialogs.log().back().text, QStringLiteral("2"));
    EXPECT_TRUE(control("Gauge2").visible());
}

TEST(PublisherNameCheckAnswer, AttributesAreReadInTheServicesOrder)
{
    using web::PublisherNameCheck;
    PublisherNameCheck::Metadata m;
    EXPECT_EQ(PublisherNameCheck::readAnswer(QStringLiteral("<isbn year=\"2001\" publisher=\"P\">"), m),
              PublisherNameCheck::Answer::Known);
    EXPECT_EQ(m.year, QStringLiteral("2001"));
    EXPECT_EQ(m.publisher, QStringLiteral("P"));
    EXPECT_EQ(m.author, QString());
    // An author standing before the year is passed by: the search goes on after the year.
    PublisherNameCheck::Metadata late;
    PublisherNameCheck::readAnswer(QStringLiteral("<isbn author=\"A\" year=\"2001\">"), late);
    EXPECT_EQ(late.author, QString());
    PublisherNameCheck::Metadata none;
    EXPECT_EQ(PublisherNameCheck::readAnswer(QString(), none), PublisherNameCheck::Answer::Unknown);
    EXPECT_EQ(PublisherNameCheck::readAnswer(QStringLiteral("stat=\"invalidId\""), none), PublisherNameCheck::Answer::Unknown);
}
