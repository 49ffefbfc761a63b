// The look-up of a scanned ISBN through the web sources, against the fixture pages served on
// 127.0.0.1 (every site's host routed there): found at the first site, and found at the last
// bookshop after the others had nothing. And the hidden browser's page fetch against a plain
// libcurl transfer of the same page. And the look-up whose first site sends a hostile page of
// 4 MiB: its time and the process's peak memory during it.
#include "app/FrmPrin.h"
#include "platform/browser/PageView.h"
#include "platform/browser/TestRouting.h"
#include "platform/picture/JpegWriter.h"
#include "platform/ui/Edit.h"
#include "tests/support/HostilePages.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cstring>
#include <curl/curl.h>

namespace {

const QString kLookedUpCode = QStringLiteral("9782070612758");
const QString kFixtures = QStringLiteral(QVL_SOURCE_DIR "/tests/fixtures/web/");

// The fixture web server over a folder of its own, in plain http and in https with a
// certificate authority of its own for the sites reached that way.
class FixtureSite {
public:
    FixtureSite()
    {
        const QStringList common{kFixtures + QStringLiteral("web_server.py"), m_root.path(),
                                 m_root.filePath(QStringLiteral("requests.log"))};
        const int http = start(m_http, common);
        const int https = start(m_https, common + QStringList{QStringLiteral("--tls"), m_certificates.path(),
                                                              QStringLiteral("products-images.di-static.com")});
        m_port = http;
        browser::setTestRouting({{QStringLiteral(":80:127.0.0.1:%1").arg(http).toLatin1(),
                                  QStringLiteral(":443:127.0.0.1:%1").arg(https).toLatin1()},
                                 m_certificates.filePath(QStringLiteral("ca.pem"))});
    }
    ~FixtureSite()
    {
        browser::clearTestRouting();
        for (QProcess* server : {&m_http, &m_https}) {
            server->kill();
            server->waitForFinished();
        }
    }
    void serve(const QString& path, const QString& fixture)
    {
        QFile file(kFixtures + fixture);
        file.open(QIODevice::ReadOnly);
        serveBytes(path, file.readAll());
    }
    void serveBytes(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(m_root.filePath(path)).path());
        QFile file(m_root.filePath(path));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    int port() const { return m_port; }

private:
    static int start(QProcess& server, const QStringList& arguments)
    {
        server.start(QStringLiteral("python3"), arguments);
        while (!server.canReadLine() && server.waitForReadyRead(20000)) {
        }
        return server.readLine().trimmed().toInt();
    }

    QTemporaryDir m_root;
    QTemporaryDir m_certificates;
    QProcess m_http;
    QProcess m_https;
    int m_port = 0;
};

// A cover picture well above the size of the sites' "no picture" marks.
QByteArray coverPicture()
{
    std::vector<quint32> pixels(160 * 240);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = 0xFF000000u | quint32(i * 2654435761u >> 8);
    return picture::encodeJpeg(ui::Picture(160, 240, std::move(pixels)), 90);
}

double lookupMs(bench::LoggedInProgram& program)
{
    auto& newEntry = program.frm().get<ui::Control>(QStringLiteral("SpeedButton22"));
    double best = -1;
    for (int i = 0; i < 5; ++i) {
        newEntry.click();
        const double ms = bench::timeMs([&] { program.input.scan(kLookedUpCode); });
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}

// The process's resident memory in MB: its peak since the last reset, or now.
double residentMb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

void resetPeakMemory()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

void hostileLookup(const QString& name, const QByteArray& page)
{
    bench::BenchProgramFolder folder;
    folder.enter();
    FixtureSite site;
    bench::LoggedInProgram program;
    app::Settings& settings = program.frm().settings;
    settings.dialoguebool = true;
    settings.bookfinderbool = settings.decitrebool = settings.Amazonbool = false;
    site.serveBytes(QStringLiteral("livre/") + kLookedUpCode, page);
    program.frm().get<ui::Control>(QStringLiteral("SpeedButton22")).click();
    const double before = residentMb("VmRSS:");
    program.p.dialogs.answer(QStringLiteral("OK"));  // the book was not found
    resetPeakMemory();
    const double ms = bench::timeMs([&] { program.input.scan(kLookedUpCode); });
    const double peak = residentMb("VmHWM:");
    if (!program.frm().get<ui::CustomEdit>(QStringLiteral("Edit4")).text().isEmpty())
        std::fprintf(stderr, "%s: the hostile page gave a book\n", qPrintable(name));
    bench::print(name + QStringLiteral(" ms_lookup"), ms, "ms");
    bench::print(name + QStringLiteral(" peak_resident_mb"), peak, "MB");
    bench::print(name + QStringLiteral(" peak_growth_mb"), peak - before, "MB");
}

size_t collect(char* data, size_t size, size_t count, void* body)
{
    static_cast<QByteArray*>(body)->append(data, qsizetype(size * count));
    return size * count;
}

}  // namespace

QVL_BENCHMARK(web_lookup)
{
    bench::BenchProgramFolder folder;
    folder.enter();
    FixtureSite site;
    bench::LoggedInProgram program;
    app::Settings& settings = program.frm().settings;
    settings.dialoguebool = settings.bookfinderbool = settings.decitrebool = true;
    settings.Amazonbool = false;

    site.serve(QStringLiteral("livre/") + kLookedUpCode, QStringLiteral("dialogues/found.html"));
    site.serveBytes(QStringLiteral("cover/") + kLookedUpCode + QStringLiteral(".webp"), coverPicture());
    site.serveBytes(QStringLiteral("image/") + kLookedUpCode + QStringLiteral("-475x500-1.jpg"), coverPicture());
    const double firstMs = lookupMs(program);
    site.serve(QStringLiteral("livre/") + kLookedUpCode, QStringLiteral("dialogues/notfound.html"));
    site.serve(QStringLiteral("search/index.html"), QStringLiteral("bookfinder/notfound.html"));
    site.serve(QStringLiteral("livres/") + kLookedUpCode + QStringLiteral(".html"), QStringLiteral("decitre/found.html"));
    const double lastMs = lookupMs(program);
    if (program.frm().get<ui::CustomEdit>(QStringLiteral("Edit4")).text().isEmpty())
        std::fprintf(stderr, "web_lookup: the last bookshop's page was not read\n");
    bench::print(QStringLiteral("web_lookup ms_found_at_first_site"), firstMs, "ms");
    bench::print(QStringLiteral("web_lookup ms_found_at_last_bookshop"), lastMs, "ms");
}

QVL_BENCHMARK(page_fetch)
{
    FixtureSite site;
    site.serve(QStringLiteral("livre/") + kLookedUpCode, QStringLiteral("dialogues/found.html"));
    const QString address = QStringLiteral("http://www.librairiedialogues.fr/livre/") + kLookedUpCode;
    constexpr int kPages = 100;

    browser::PageView view{net::Waiting{}};
    CURL* easy = curl_easy_init();
    QByteArray body;
    const QByteArray url = address.toLatin1();
    const QByteArray route = QStringLiteral(":80:127.0.0.1:%1").arg(site.port()).toLatin1();
    curl_slist* connectTo = curl_slist_append(nullptr, route.constData());
    curl_easy_setopt(easy, CURLOPT_URL, url.constData());
    curl_easy_setopt(easy, CURLOPT_CONNECT_TO, connectTo);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body);

    // The two ways take turns, so that a busy machine weighs on both alike; the best round counts.
    double pageMs = -1;
    double rawMs = -1;
    for (int round = 0; round < 10; ++round) {
        const double page = bench::timeMs([&] {
            for (int i = 0; i < kPages; ++i)
                view.navigate(address);
        });
        const double raw = bench::timeMs([&] {
            for (int i = 0; i < kPages; ++i) {
                body.clear();
                curl_easy_perform(easy);
            }
        });
        pageMs = pageMs < 0 ? page : std::min(pageMs, page);
        rawMs = rawMs < 0 ? raw : std::min(rawMs, raw);
    }
    curl_easy_cleanup(easy);
    curl_slist_free_all(connectTo);

    bench::print(QStringLiteral("page_fetch ms_per_page"), pageMs / kPages, "ms");
    bench::print(QStringLiteral("page_fetch raw_libcurl_ms_per_page"), rawMs / kPages, "ms");
    bench::printRatio(QStringLiteral("page_fetch"), pageMs / rawMs);
}

constexpr qsizetype kHostilePageBytes = 4 * 1024 * 1024;

QVL_BENCHMARK(hostile_page_ignored_end_tags)
{
    hostileLookup(QStringLiteral("hostile_page_ignored_end_tags"),
                  hostile_pages::endTagsIgnored("mi", kHostilePageBytes));
}

QVL_BENCHMARK(hostile_page_reopened_formatting)
{
    hostileLookup(QStringLiteral("hostile_page_reopened_formatting"),
                  hostile_pages::formattingReopened(kHostilePageBytes));
}
