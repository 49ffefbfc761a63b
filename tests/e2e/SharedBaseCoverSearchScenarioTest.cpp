// The batch cover search over a catalogue of 200 books, with the book sites and the shared base
// served locally: exactly the books whose covers the sites have get them, and a search started
// at a book number begins with that book.
#include "DriverRun.h"
#include "QtPrinters.h"
#include "BookSites.h"
#include "tests/web/sharedbase/SharedBaseServers.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/PascalText.h"
#include "platform/text/Windows1252.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

constexpr int kBooks = 200;

QString searchCode(int n) { return QStringLiteral("97820720%1").arg(n, 5, 10, QLatin1Char('0')); }

// Books 1 to 200 in book-number order; one in five has a cover on Decitre's picture server and
// one in ten (others) in the shared base: 60 in all.
bool onDecitre(int n) { return n % 5 == 1; }
bool inSharedBase(int n) { return n % 10 == 3; }

class CoverSearchCatalogue {
public:
    CoverSearchCatalogue() : m_base(routingOf(m_sites))
    {
        startOnce();
        files::setProgramFolder(m_program.folder());
        db::Connection c(app::buildConnectionString(files::appDir()), [](const QString& p) { return files::nativePath(p); });
        for (int n = 1; n <= kBooks; ++n) {
            c.execute(QStringLiteral("INSERT INTO Table1 (Titre, Isbn13, Type) VALUES (?, ?, 'LIVRE')"),
                      {QStringLiteral("Livre %1").arg(n), searchCode(n)});
            if (onDecitre(n))
                m_sites.serve(QStringLiteral("image/a/") + searchCode(n) + QStringLiteral("-475x500-1.jpg"),
                              BookSites::cover("JPEG"));
            if (inSharedBase(n))
                m_base.write(QStringLiteral("livres/9782072/") + searchCode(n) + QStringLiteral(".jpg"),
                             BookSites::cover("PNG"));
        }
    }

    // Opens the search from the tools menu, types the start number and starts it.
    DriverResult search(int start)
    {
        return play(m_program, logInScript() + QStringLiteral("menu Outils > Recherche automatique couvertures\n"
                                                              "click Edit98\nkey End\nkey Backspace\ntype %1\n"
                                                              "answer OK\nanswer OK\nanswer OK\n"
                                                              "click Button91\n"
                                                              "answer OK\nquit\n")
                                                   .arg(start));
    }
    QStringList coversFound() const
    {
        QStringList found = QDir(m_program.folder(QStringLiteral("livres/Jaquettes"))).entryList({QStringLiteral("978*.jpg")});
        found.sort();
        return found;
    }
    QStringList storedColumn(const char* field) const
    {
        return ::storedColumn(m_program, QStringLiteral("SELECT * FROM Table1 ORDER BY NumLivre"), QString::fromLatin1(field));
    }
    const BookSites& sites() const { return m_sites; }

private:
    static QByteArrayList routingOf(const BookSites&)
    {
        QByteArrayList entries;
        for (const QByteArray& e : qgetenv("QVL_TEST_CONNECT_TO").split(','))
            entries << e;
        return entries;
    }
    void startOnce()
    {
        ASSERT_EQ(play(m_program, logInScript() + QStringLiteral("answer OK\nquit\n")).exitCode, 0);
        QString settings = text::decodeWindows1252(m_program.read(QStringLiteral("Fichier.ini")));
        settings.remove(QRegularExpression(QStringLiteral("\\[(Hebergeur|ftpbool)\\][^\\[]*")));
        m_program.write(QStringLiteral("Fichier.ini"), text::encodeWindows1252(settings) +
                                                           "\r\n[ftpbool]\r\nftpbool=1\r\n" + m_base.settingsSection());
    }

    BookSites m_sites;
    SharedBaseServers m_base;
    ProgramFolder m_program;
};

}  // namespace

TEST(SharedBaseCoverSearchScenario, ExactlyTheBooksTheSitesHaveCoversForGetThem)
{
    CoverSearchCatalogue catalogue;
    const DriverResult run = catalogue.search(1);
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    QStringList expected;
    for (int n = 1; n <= kBooks; ++n)
        if (onDecitre(n) || inSharedBase(n))
            expected << searchCode(n) + QStringLiteral(".jpg");
    EXPECT_EQ(expected.size(), 60);
    EXPECT_EQ(catalogue.coversFound(), expected);
    // Every book is named by its cover name, found or not yet.
    for (const QString& images : catalogue.storedColumn("Images"))
        EXPECT_TRUE(images.startsWith(QLatin1String("97820720")) && images.endsWith(QLatin1String(".jpg"))) << images.toStdString();
}

TEST(SharedBaseCoverSearchScenario, ASearchStartedAtABookBeginsWithThatBook)
{
    CoverSearchCatalogue catalogue;
    const DriverResult run = catalogue.search(100);
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    const QStringList requests = catalogue.sites().requests();
    ASSERT_FALSE(requests.isEmpty());
    EXPECT_TRUE(requests.first().contains(searchCode(100))) << requests.first().toStdString();
    for (const QString& request : requests)
        for (int n = 1; n < 100; ++n)
            EXPECT_FALSE(request.contains(searchCode(n))) << request.toStdString();
    EXPECT_FALSE(catalogue.coversFound().contains(searchCode(96) + QStringLiteral(".jpg")));
    EXPECT_TRUE(catalogue.coversFound().contains(searchCode(101) + QStringLiteral(".jpg")));
}
