// The way out through "&Quitter" offers the school's new records and covers to the shared base
// on the maker's host (local FTP and web servers here): exactly the new ones, byte for byte, each
// once; a row whose transfer fails waits for the next quit. Without any host every command of
// the shared base behaves as for a host out of reach, and the way out still leaves the day's copy.
#include "DriverRun.h"
#include "QtPrinters.h"
#include "tests/web/sharedbase/SharedBaseServers.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/PascalText.h"
#include "platform/text/Windows1252.h"
#include "BookSites.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The shared base on, the FTP exchange as the school chose it, and the maker's host named by
// `host` (a [Hebergeur] section).
void setHost(const ProgramFolder& program, const QByteArray& host, bool sharing = true)
{
    QString settings = text::decodeWindows1252(program.read(QStringLiteral("Fichier.ini")));
    settings.remove(QRegularExpression(QStringLiteral("\\[Hebergeur\\][^\\[]*")));
    settings.remove(QRegularExpression(QStringLiteral("\\[ftpbool\\][^\\[]*")));
    settings.replace(QRegularExpression(QStringLiteral("(?m)^Qvlbool=.*$")), QStringLiteral("Qvlbool=1"));
    program.write(QStringLiteral("Fichier.ini"), text::encodeWindows1252(settings) + "\r\n[ftpbool]\r\nftpbool=" +
                                                     (sharing ? "1" : "0") + "\r\n" + host);
}

// A program folder past its first start, with the shared base and the FTP exchange on and the
// maker's host named by `host`.
void startWithHost(const ProgramFolder& program, const QByteArray& host, bool sharing = true)
{
    ASSERT_EQ(play(program, logInScript() + QStringLiteral("answer OK\nquit\n")).exitCode, 0);
    setHost(program, host, sharing);
}

db::Connection openCatalogue(const ProgramFolder& program)
{
    files::setProgramFolder(program.folder());
    return db::Connection(app::buildConnectionString(files::appDir()),
                          [](const QString& p) { return files::nativePath(p); });
}

QString bookCode(int n) { return QStringLiteral("97820710%1").arg(n, 5, 10, QLatin1Char('0')); }

// What the base holds: every file with its bytes and its time.
QStringList snapshot(const SharedBaseServers& servers)
{
    QStringList files;
    for (const QString& f : servers.files())
        files << f + u' ' + QString::fromLatin1(servers.read(f).toHex()) + u' ' +
                     QFileInfo(servers.path(f)).lastModified().toString(Qt::ISODateWithMs);
    return files;
}

const QString kQuit = QStringLiteral("answer OK\nanswer OK\nanswer OK\nmenu Fichier > Quitter\n");

}  // namespace

TEST(SharedBaseContributionScenario, QuitterSendsTheNewRecordsAndCoversOnce)
{
    SharedBaseServers servers;
    ProgramFolder program;
    startWithHost(program, servers.settingsSection());
    {
        db::Connection c = openCatalogue(program);
        for (int n = 1; n <= 30; ++n)
            c.execute(QStringLiteral("INSERT INTO Table1 (Titre, Isbn13, Auteur, Type, Resume) VALUES (?, ?, ?, 'LIVRE', ?)"),
                      {QString::fromUtf8("Élément n°%1").arg(n), bookCode(n), QStringLiteral("Auteur  %1").arg(n),
                       QStringLiteral("Un;résumé\r\nsur deux lignes")});
        // Sent at an earlier quit.
        c.execute(QStringLiteral("INSERT INTO Table1 (Titre, Isbn13, Type, Photo_rangement) VALUES ('Ancien', '9782071099999', 'LIVRE', '&@')"));
        // Its folder on the host is taken by a file: its transfer fails.
        c.execute(QStringLiteral("INSERT INTO Table1 (Titre, Isbn13, Type) VALUES ('Bloque', '9782099000001', 'LIVRE')"));
    }
    servers.write(QStringLiteral("livres/9782099"), "not a folder");
    for (int n = 1; n <= 10; ++n)
        program.write(QStringLiteral("livres/Jaquettes/") + bookCode(n * 3) + QStringLiteral(".jpg"), BookSites::cover("JPEG"));
    program.write(QStringLiteral("livres/Jaquettes/9782071099999.jpg"), BookSites::cover("PNG"));

    const DriverResult first = play(program, logInScript() + kQuit);
    ASSERT_EQ(first.exitCode, 0) << first.joined().toStdString();

    QStringList expected{QStringLiteral("livres/9782099")};
    for (int n = 1; n <= 30; ++n) {
        const QString code = bookCode(n);
        const QString record = QStringLiteral("livres/9782071/") + code + QStringLiteral(".txt");
        expected << record;
        EXPECT_EQ(servers.read(record),
                  text::encodeWindows1252(QString::fromUtf8("Élément n°%1;%2;Auteur %1;;;;%2.jpg;;LIVRE;;Un résumé sur deux lignes;;;;1\r\n")
                                              .arg(n)
                                              .arg(code)))
            << record.toStdString();
        if (n % 3 == 0) {
            const QString cover = QStringLiteral("livres/9782071/") + code + QStringLiteral(".jpg");
            expected << cover;
            EXPECT_EQ(servers.read(cover), program.read(QStringLiteral("livres/Jaquettes/") + code + QStringLiteral(".jpg")));
        }
    }
    expected.sort();
    EXPECT_EQ(servers.files(), expected);

    QStringList marks;
    for (int n = 1; n <= 30; ++n)
        marks << (n % 3 == 0 ? QStringLiteral("&@") : QStringLiteral("@"));
    marks << QStringLiteral("&@") << QString();
    const QString sql = QStringLiteral("SELECT * FROM Table1 ORDER BY NumLivre");
    EXPECT_EQ(storedColumn(program, sql, QStringLiteral("Photo_rangement")), marks);

    // A second way out sends nothing again; the blocked row is tried again and still waits.
    const QStringList before = snapshot(servers);
    const DriverResult second = play(program, logInScript() + kQuit);
    ASSERT_EQ(second.exitCode, 0) << second.joined().toStdString();
    EXPECT_EQ(snapshot(servers), before);
    EXPECT_EQ(storedColumn(program, sql, QStringLiteral("Photo_rangement")), marks);
}

TEST(SharedBaseContributionScenario, WithoutAHostEveryCommandGoesOnAsForAHostOutOfReach)
{
    ProgramFolder program;
    startWithHost(program, QByteArray());
    {
        db::Connection c = openCatalogue(program);
        c.execute(QStringLiteral("INSERT INTO Table1 (Titre, Isbn13, Type) VALUES ('Un livre', '9782071000001', 'LIVRE')"));
    }
    program.write(QStringLiteral("livres/Jaquettes/9782071000001.jpg"), BookSites::cover("JPEG"));
    QDir().mkpath(program.drive(QStringLiteral("Banque_images")));
    // Start-up finds no host: the shared base and the exchange are off until the end.
    const QString script = logInScript() +
                           QStringLiteral("answer OK\n"
                                          "scan 9782070612758\n"
                                          "menu Outils > Recherche automatique couvertures\n"
                                          "answer OK\nanswer OK\nanswer OK\n"
                                          "click Button91\n"
                                          "answer Cancel\nanswer OK\nanswer OK\n"
                                          "click ToolButton9\n");
    const DriverResult run = play(program, script);
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(run.has(QStringLiteral("exit")));
    // The school's cover went into its image bank, nothing else left.
    EXPECT_TRUE(program.exists(QStringLiteral("Banque_images/9782071/9782071000001.jpg")));
    EXPECT_EQ(storedColumn(program, QStringLiteral("SELECT * FROM Table1"), QStringLiteral("Photo_rangement")),
              QStringList{QString()});
    const QString day = QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy"));
    EXPECT_TRUE(program.exists(QStringLiteral("Sauvegardes_journalieres/Test1_") + day + QStringLiteral("_.bib")));
}

namespace {

// Three new books, the first two with their covers.
void addNewBooks(const ProgramFolder& program)
{
    {
        db::Connection c = openCatalogue(program);
        for (int n = 1; n <= 3; ++n)
            c.execute(QStringLiteral("INSERT INTO Table1 (Titre, Isbn13, Type) VALUES (?, ?, 'LIVRE')"),
                      {QStringLiteral("Livre %1").arg(n), bookCode(n)});
    }
    for (int n = 1; n <= 2; ++n)
        program.write(QStringLiteral("livres/Jaquettes/") + bookCode(n) + QStringLiteral(".jpg"), BookSites::cover("JPEG"));
}

QStringList marksOf(const ProgramFolder& program)
{
    return storedColumn(program, QStringLiteral("SELECT * FROM Table1 ORDER BY NumLivre"), QStringLiteral("Photo_rangement"));
}

// The section of the shared base's host with another FTP port.
QByteArray withFtpPort(const SharedBaseServers& servers, int port)
{
    return QString::fromLatin1(servers.settingsSection())
        .replace(QStringLiteral("PortFTP=%1").arg(servers.ftpPort()), QStringLiteral("PortFTP=%1").arg(port))
        .toLatin1();
}

// The start-up question answered OK: the version check, whose failure is told.
QString logInAfterVersionCheck()
{
    return QStringLiteral("answer OK\nanswer OK\n") + logInScript().section(u'\n', 1);
}

}  // namespace

// When only the start-up check switched the exchange off (the host down or unwell, the version
// page unreadable), "&Quitter" sent nothing and yet marked every new row as sent: the base never
// got them. They now wait, and the next quit with the host up sends each of them once.
TEST(SharedBaseContributionScenario, RowsTheStartupCheckKeptFromTheHostGoAtTheNextQuit)
{
    const DeadPort refusing(DeadPort::Refusing);
    const ScriptServer garbage(QStringLiteral("ftp_unwell_server.py"), {QStringLiteral("garbage")});
    const ScriptServer stalled(QStringLiteral("ftp_unwell_server.py"), {QStringLiteral("stall")});
    struct Case {
        const char* what;
        int ftpPort;  // 0: the host's own
        bool versionCheck;
    };
    const Case cases[] = {
        {"a refused port", refusing.port(), false},
        {"a garbage greeting", garbage.port(), false},
        {"a stalled server", stalled.port(), false},
        // The host is up, but has no version page.
        {"a failed version page", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SharedBaseServers servers;
        ProgramFolder program;
        startWithHost(program, c.ftpPort ? withFtpPort(servers, c.ftpPort) : servers.settingsSection());
        addNewBooks(program);

        const DriverResult down = play(program, (c.versionCheck ? logInAfterVersionCheck() : logInScript()) + kQuit);
        ASSERT_EQ(down.exitCode, 0) << down.joined().toStdString();
        EXPECT_TRUE(servers.files().isEmpty());
        EXPECT_EQ(marksOf(program), QStringList(3, QString()));

        setHost(program, servers.settingsSection());
        const DriverResult up = play(program, logInScript() + kQuit);
        ASSERT_EQ(up.exitCode, 0) << up.joined().toStdString();
        QStringList sent;
        for (int n = 1; n <= 3; ++n) {
            const QString record = QStringLiteral("livres/9782071/") + bookCode(n) + QStringLiteral(".txt");
            sent << record;
            // Its count is the base's count of schools that sent it: once.
            EXPECT_TRUE(servers.read(record).endsWith(";1\r\n")) << servers.read(record).toStdString();
        }
        sent << QStringLiteral("livres/9782071/") + bookCode(1) + QStringLiteral(".jpg")
             << QStringLiteral("livres/9782071/") + bookCode(2) + QStringLiteral(".jpg");
        sent.sort();
        EXPECT_EQ(servers.files(), sent);
        EXPECT_EQ(marksOf(program), (QStringList{QStringLiteral("&@"), QStringLiteral("&@"), QStringLiteral("@")}));
    }
}

// Sharing switched off in the school's settings keeps the rows at school for good, whether or not
// the host answers at start-up.
TEST(SharedBaseContributionScenario, SharingSwitchedOffInTheSettingsMarksTheRowsAndSendsNothing)
{
    const DeadPort refusing(DeadPort::Refusing);
    for (const bool hostUp : {true, false}) {
        SCOPED_TRACE(hostUp ? "host up" : "host down");
        SharedBaseServers servers;
        ProgramFolder program;
        startWithHost(program, hostUp ? servers.settingsSection() : withFtpPort(servers, refusing.port()), false);
        addNewBooks(program);
        const DriverResult run = play(program, logInScript() + kQuit);
        ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
        EXPECT_TRUE(servers.files().isEmpty());
        EXPECT_EQ(marksOf(program), (QStringList{QStringLiteral("&@"), QStringLiteral("&@"), QStringLiteral("@")}));
    }
}
