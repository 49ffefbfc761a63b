// The exchange with the shared online base against local servers (FTP and web over one folder):
// the contribution of a first quit, 500 records and 100 covers, with the pause after each cover
// upload set to 0 for the measurement, against a plain FTP client sending the same files to the
// same server; and the batch cover search, per book.
#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "platform/browser/TestRouting.h"
#include "platform/picture/JpegWriter.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Edit.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"
#include "web/sharedbase/QuitContribution.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>

namespace {

const QString kNetFixtures = QStringLiteral(QVL_SOURCE_DIR "/tests/fixtures/net/");
const QString kWebServer = QStringLiteral(QVL_SOURCE_DIR "/tests/fixtures/web/web_server.py");
const QString kPlainContribution = QStringLiteral(QVL_SOURCE_DIR "/tools/bench/plain_ftp_contribution.py");
const QString kBaseHost = QStringLiteral("base-partagee.test");

// The maker's host and the book sites, all served from one folder: FTP with an account made up
// here, plain http for every host and https for the sites reached that way.
class LocalHosts {
public:
    LocalHosts()
    {
        const int ftp = start(m_ftp, {kNetFixtures + QStringLiteral("ftp_server.py"), m_root.path(), QStringLiteral("ecole"),
                                      QStringLiteral("essai")});
        const QStringList common{kWebServer, m_root.path(), m_log.filePath(QStringLiteral("requests.log"))};
        const int http = start(m_http, common);
        const int https = start(m_https, common + QStringList{QStringLiteral("--tls"), m_certificates.path(),
                                                              QStringLiteral("products-images.di-static.com"),
                                                              QStringLiteral("www.amazon.fr")});
        m_maker = {QStringLiteral("http://") + kBaseHost, QStringLiteral("127.0.0.1"), ftp, QStringLiteral("ecole"),
                   QStringLiteral("essai"), QString()};
        browser::setTestRouting({{QStringLiteral(":80:127.0.0.1:%1").arg(http).toLatin1(),
                                  QStringLiteral(":443:127.0.0.1:%1").arg(https).toLatin1()},
                                 m_certificates.filePath(QStringLiteral("ca.pem"))});
    }
    ~LocalHosts()
    {
        browser::clearTestRouting();
        for (QProcess* server : {&m_ftp, &m_http, &m_https}) {
            server->kill();
            server->waitForFinished();
        }
    }
    const app::MakerHost& maker() const { return m_maker; }
    // Debian's own interpreter carries the FTP modules, whatever else is first on the PATH.
    static QString python()
    {
        return QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                     : QStringLiteral("python3");
    }
    void serve(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(m_root.filePath(path)).path());
        QFile file(m_root.filePath(path));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    // The files under `folder`, by their paths on the host in name order, taken off it.
    QStringList takeFiles(const QString& folder)
    {
        const QDir root(m_root.path());
        QStringList paths;
        QDirIterator files(root.filePath(folder), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext())
            paths << u'/' + root.relativeFilePath(files.next());
        QDir(root.filePath(folder)).removeRecursively();
        std::sort(paths.begin(), paths.end());
        return paths;
    }

private:
    static int start(QProcess& server, const QStringList& arguments)
    {
        server.start(python(), arguments);
        while (!server.canReadLine() && server.waitForReadyRead(20000)) {
        }
        return server.readLine().trimmed().toInt();
    }

    QTemporaryDir m_root;
    QTemporaryDir m_log;
    QTemporaryDir m_certificates;
    QProcess m_ftp;
    QProcess m_http;
    QProcess m_https;
    app::MakerHost m_maker;
};

// Noise compresses badly, so the cover stays well above the size of a "no picture" mark.
QByteArray noiseCover()
{
    std::vector<quint32> pixels(200 * 300);
    quint32 seed = 12345;
    for (quint32& pixel : pixels)
        pixel = 0xFF000000u | ((seed = seed * 1103515245u + 12345u) >> 8);
    return picture::encodeJpeg(ui::Picture(200, 300, std::move(pixels)), 85);
}

QString benchCode(int n) { return QStringLiteral("97820730%1").arg(n, 5, 10, QLatin1Char('0')); }

// The program logged in over a catalogue of `books` books of their own codes, the shared base and
// the exchange on; returns the first book's number.
qint64 prepareCatalogue(bench::LoggedInProgram& program, const LocalHosts& hosts, int books)
{
    app::TFrmPrin& f = program.frm();
    f.settings.maker = hosts.maker();
    f.settings.ftpbool = true;
    f.settings.Qvlbool = true;
    db::Connection& c = f.db.ADOConnection1;
    c.execute(QStringLiteral("DELETE FROM Table1"));
    qint64 first = 0;
    for (int n = 1; n <= books; ++n) {
        c.execute(QStringLiteral("INSERT INTO Table1 (Titre, Isbn13, Auteur, Type, Images) VALUES (?, ?, 'Auteur', 'LIVRE', ?)"),
                  {QStringLiteral("Livre %1").arg(n), benchCode(n), benchCode(n) + QStringLiteral(".jpg")});
        if (n == 1)
            first = c.lastInsertKey();
    }
    return first;
}

// Milliseconds a plain FTP client takes to send `paths` (the files of `localFolder` by their remote
// paths, listed in `listing`) in `mode` (see the script); what it sent is taken off the host again.
double plainContributionMs(LocalHosts& hosts, const QString& localFolder, const QString& listing,
                           const QStringList& paths, const char* mode)
{
    const app::MakerHost& maker = hosts.maker();
    QProcess client;
    client.start(LocalHosts::python(), {kPlainContribution, maker.ftpHost, QString::number(maker.ftpPort), maker.ftpUser,
                                        maker.ftpPassword, localFolder, listing, QString::fromLatin1(mode)});
    client.waitForFinished(-1);
    bool ok = false;
    const double ms = client.readAllStandardOutput().trimmed().toDouble(&ok);
    if (!ok || client.exitCode() != 0 || hosts.takeFiles(QStringLiteral("livres")) != paths)
        qFatal("the plain FTP client did not send the same files: %s", client.readAllStandardError().constData());
    return ms;
}

}  // namespace

QVL_BENCHMARK(sharedbase_contribution)
{
    constexpr int kRecords = 500;
    constexpr int kCovers = 100;
    bench::BenchProgramFolder folder;
    folder.enter();
    LocalHosts hosts;
    bench::LoggedInProgram program;
    prepareCatalogue(program, hosts, kRecords);
    app::TFrmPrin& f = program.frm();
    const QByteArray cover = noiseCover();
    for (int n = 1; n <= kCovers; ++n) {
        QFile file(files::nativePath(f.AppDir + QStringLiteral("livres\\Jaquettes\\") + benchCode(n * 5) +
                                     QStringLiteral(".jpg")));
        file.open(QIODevice::WriteOnly);
        file.write(cover);
    }
    f.findPart<sharedbase::QuitContribution>()->coverPauseMs = 0;
    db::Connection& c = f.db.ADOConnection1;
    const QString localFolder = files::nativePath(f.AppDir + catalogue::kCoversFolder);
    QTemporaryDir listingFolder;
    const QString listing = listingFolder.filePath(QStringLiteral("sent.txt"));

    // The ways take turns on an empty account, so that a busy machine weighs on all alike; the
    // best round counts. The plain client sends what the program sent, once with the connections
    // the quit is described with, once with the program's own.
    double ms = -1, eachMs = -1, sharedMs = -1;
    for (int round = 0; round < 3; ++round) {
        c.execute(QStringLiteral("UPDATE Table1 SET Photo_rangement = ''"));
        program.p.dialogs.answer(QStringLiteral("OK"));
        const double ours = bench::timeMs([&] { f.handlers.run(QStringLiteral("ContributeToSharedBase")); });
        const QStringList sent = hosts.takeFiles(QStringLiteral("livres"));
        if (sent.size() != kRecords + kCovers)
            qFatal("the contribution sent %d files", int(sent.size()));
        QFile list(listing);
        list.open(QIODevice::WriteOnly | QIODevice::Truncate);
        list.write(sent.join(u'\n').toUtf8());
        list.close();
        const double each = plainContributionMs(hosts, localFolder, listing, sent, "each");
        const double shared = plainContributionMs(hosts, localFolder, listing, sent, "shared");
        ms = ms < 0 ? ours : std::min(ms, ours);
        eachMs = eachMs < 0 ? each : std::min(eachMs, each);
        sharedMs = sharedMs < 0 ? shared : std::min(sharedMs, shared);
    }
    bench::print(QStringLiteral("sharedbase_contribution ms_500_records_100_covers"), ms, "ms");
    bench::print(QStringLiteral("sharedbase_contribution ms_per_item"), ms / (kRecords + kCovers), "ms");
    bench::print(QStringLiteral("sharedbase_contribution plain_ms_connection_per_transfer"), eachMs, "ms");
    bench::print(QStringLiteral("sharedbase_contribution plain_ms_same_connections"), sharedMs, "ms");
    bench::printRatio(QStringLiteral("sharedbase_contribution"), ms / eachMs);
    bench::printRatio(QStringLiteral("sharedbase_contribution_same_connections"), ms / sharedMs);
}

QVL_BENCHMARK(batch_cover_search)
{
    constexpr int kBooks = 100;
    bench::BenchProgramFolder folder;
    folder.enter();
    LocalHosts hosts;
    bench::LoggedInProgram program;
    const qint64 first = prepareCatalogue(program, hosts, kBooks);
    // One book in three has its cover on the first picture server asked, one in three in the
    // shared base (after four sources had nothing), the others on none.
    const QByteArray cover = noiseCover();
    for (int n = 1; n <= kBooks; ++n) {
        if (n % 3 == 1)
            hosts.serve(QStringLiteral("image/a/") + benchCode(n) + QStringLiteral("-475x500-1.jpg"), cover);
        else if (n % 3 == 2)
            hosts.serve(QStringLiteral("livres/9782073/") + benchCode(n) + QStringLiteral(".jpg"), cover);
    }
    app::TFrmPrin& f = program.frm();
    f.handlers.run(QStringLiteral("Commencerlimportationdimage1Click"));
    f.get<ui::CustomEdit>(QStringLiteral("Edit98")).setText(QString::number(first));
    for (int i = 0; i < 3; ++i)
        program.p.dialogs.answer(QStringLiteral("OK"));
    const double ms = bench::timeMs([&] { f.get<ui::Control>(QStringLiteral("Button91")).click(); });
    bench::print(QStringLiteral("batch_cover_search ms_per_book"), ms / kBooks, "ms");
}
