// The web view control on the real engine: pages complete and scripts answer through the
// program's message queue, a replaced navigation never reports, history moves, and HTTPS
// trusts the tests' own authority. One engine serves every test of this binary.
#include "TestDefaults.h"
#include "TestServers.h"
#include "platform/browser/EngineWebPages.h"
#include "platform/browser/PageView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Errors.h"
#include "platform/ui/Form.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/WebBrowser.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Fixture pages served for every host: plain HTTP and HTTPS under a certificate of a test CA.
struct Sites {
    QTemporaryDir root;
    QTemporaryDir certificates;
    std::unique_ptr<ScriptServer> http;
    std::unique_ptr<ScriptServer> https;

    Sites()
    {
        for (const char* page : {"written-by-script.html", "first.html", "second.html"})
            QFile::copy(QStringLiteral(QVL_FIXTURES_DIR "/web/webview/") + QLatin1String(page),
                        root.filePath(QLatin1String(page)));
        const QString log = root.filePath(QStringLiteral("requests.log"));
        http = std::make_unique<ScriptServer>(QStringLiteral("../web/web_server.py"), QStringList{root.path(), log});
        https = std::make_unique<ScriptServer>(
            QStringLiteral("../web/web_server.py"),
            QStringList{root.path(), log, QStringLiteral("--tls"), certificates.path(), QStringLiteral("www.librairie.test")});
    }
};

class WebViewTest : public ::testing::Test {
protected:
    ui::VirtualClock clock;
    ui::ScriptedDialogs dialogs;
    ui::Application app{clock, dialogs};
    ui::Form form{app, QStringLiteral("FrmTest")};
    ui::WebBrowser& view = *form.create<ui::WebBrowser>(QStringLiteral("EdgeBrowser3"));
    std::vector<bool> completions;
    QStringList results;

    WebViewTest()
    {
        view.onNavigationCompleted = [this](bool ok) { completions.push_back(ok); };
        view.onExecuteScript = [this](const QString& json) { results << json; };
    }

    void load(const QString& url)
    {
        view.navigate(url);
        ASSERT_TRUE(view.waitIdle(20'000)) << url.toStdString();
    }

    QString script(const QString& code)
    {
        view.executeScript(code);
        EXPECT_TRUE(view.waitIdle(20'000));
        return results.isEmpty() ? QString() : results.takeLast();
    }
};

TEST_F(WebViewTest, ReadsThePageItsScriptsWroteWhichTheHiddenFetchCannotSee)
{
    const QString url = QStringLiteral("http://www.librairie.test/written-by-script.html");
    load(url);
    EXPECT_EQ(completions, std::vector<bool>{true});
    EXPECT_EQ(view.locationUrl(), url);
    const QString json = script(QStringLiteral("encodeURI(document.documentElement.outerHTML)"));
    ASSERT_TRUE(json.startsWith(u'"') && json.endsWith(u'"')) << json.toStdString();
    EXPECT_TRUE(QUrl::fromPercentEncoding(json.toUtf8()).contains(QStringLiteral("Auteur : Antoine de Saint-Exupéry")))
        << json.toStdString();
    EXPECT_EQ(script(QStringLiteral("document.title")), QStringLiteral("\"Le Petit Prince\""));
    EXPECT_EQ(script(QStringLiteral("null")), QStringLiteral("null"));

    net::Waiting waiting;
    waiting.processMessages = [] {};
    browser::PageView hidden(waiting);
    hidden.navigate(url);
    EXPECT_FALSE(hidden.innerText().contains(QStringLiteral("Auteur")));
}

TEST_F(WebViewTest, AReplacedNavigationAndTheScriptsOfItsPageNeverReport)
{
    // The first page never comes: its headers arrive and its body never does.
    view.navigate(QStringLiteral("http://www.librairie.test/silent/first.html"));
    view.navigate(QStringLiteral("http://www.librairie.test/second.html"));
    ASSERT_TRUE(view.waitIdle(20'000));
    EXPECT_EQ(completions, std::vector<bool>{true});
    EXPECT_EQ(view.locationUrl(), QStringLiteral("http://www.librairie.test/second.html"));

    // A script asked of the shown page, which is replaced before its answer is handled.
    view.executeScript(QStringLiteral("document.title"));
    view.navigate(QStringLiteral("http://www.librairie.test/first.html"));
    ASSERT_TRUE(view.waitIdle(20'000));
    EXPECT_EQ(results, QStringList());
    EXPECT_EQ(completions, (std::vector<bool>{true, true}));
    EXPECT_EQ(script(QStringLiteral("document.title")), QStringLiteral("\"first\""));
}

TEST_F(WebViewTest, GoesBackAndForwardInItsHistoryAndRefusesBeyondIt)
{
    EXPECT_THROW(view.goBack(), ui::InvalidOperation);
    load(QStringLiteral("http://www.librairie.test/first.html"));
    load(QStringLiteral("http://www.librairie.test/second.html"));
    EXPECT_THROW(view.goForward(), ui::InvalidOperation);
    view.goBack();
    ASSERT_TRUE(view.waitIdle(20'000));
    EXPECT_EQ(view.locationUrl(), QStringLiteral("http://www.librairie.test/first.html"));
    view.goForward();
    ASSERT_TRUE(view.waitIdle(20'000));
    EXPECT_EQ(view.locationUrl(), QStringLiteral("http://www.librairie.test/second.html"));
    EXPECT_EQ(completions, (std::vector<bool>{true, true, true, true}));
}

// A page that moves by itself (a link followed, a script's move) gives the view a navigation of
// its own, which completes as the program's do, at the page's new address.
TEST_F(WebViewTest, APageThatMovesByItselfCompletesANavigationOfTheView)
{
    load(QStringLiteral("http://www.librairie.test/first.html"));
    view.executeScript(QStringLiteral("location.href = 'second.html'; null"));
    QElapsedTimer moved;
    moved.start();
    while (completions.size() < 2 && moved.elapsed() < 20'000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        app.processMessages();
    }
    EXPECT_EQ(view.locationUrl(), QStringLiteral("http://www.librairie.test/second.html"));
    EXPECT_EQ(completions, (std::vector<bool>{true, true}));
}

TEST_F(WebViewTest, HttpsTrustsOnlyTheTestAuthorityAndAFailedLoadStillCompletes)
{
    load(QStringLiteral("https://www.librairie.test/first.html"));
    EXPECT_EQ(script(QStringLiteral("document.title")), QStringLiteral("\"first\""));
    // A host the certificate does not name.
    load(QStringLiteral("https://www.autre.test/first.html"));
    EXPECT_EQ(completions, (std::vector<bool>{true, false}));
}

TEST_F(WebViewTest, TheEnginesOwnPagesAreFrenchAndAPageNotWrittenYetShowsBlank)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("CM1")));
    load(QStringLiteral("file:") + folder.path() + u'/');
    const QString listing = script(QStringLiteral("document.body.innerText"));
    EXPECT_TRUE(listing.contains(QStringLiteral("Index de"))) << listing.toStdString();
    EXPECT_TRUE(listing.contains(QStringLiteral("CM1/"))) << listing.toStdString();

    const QString labels = QStringLiteral("file:") + folder.filePath(QStringLiteral("Etiquettes.html"));
    load(labels);
    EXPECT_EQ(completions, (std::vector<bool>{true, false}));
    EXPECT_EQ(script(QStringLiteral("document.body.innerText")), QStringLiteral("\"\""));
    QFile written(folder.filePath(QStringLiteral("Etiquettes.html")));
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write("<HTML><BODY>Le Petit Prince</BODY></HTML>");
    written.close();
    load(labels);
    EXPECT_EQ(script(QStringLiteral("document.body.innerText")), QStringLiteral("\"Le Petit Prince\""));

    // A site that cannot be reached still says so, in French.
    load(QStringLiteral("https://www.autre.test/first.html"));
    EXPECT_EQ(completions, (std::vector<bool>{true, false, true, false}));
    const QString refused = script(QStringLiteral("document.body.innerText"));
    EXPECT_TRUE(refused.contains(QStringLiteral("Ce site est inaccessible"))) << refused.toStdString();
}

}  // namespace

int main(int argc, char** argv)
{
    setSafeTestDefaults();
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication qt(argc, argv);
    // The engine reads its routing once, at its start: every host goes to the local servers.
    Sites sites;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            QStringLiteral("\"--host-resolver-rules=MAP *:443 127.0.0.1:%1, MAP * 127.0.0.1:%2\"")
                .arg(sites.https->port())
                .arg(sites.http->port())
                .toLatin1());
    qputenv("QVL_TEST_CA_FILE", sites.certificates.filePath(QStringLiteral("ca.pem")).toLocal8Bit());
    browser::EngineWebPages engine;
    ui::WebEngine::install(&engine);
    return RUN_ALL_TESTS();
}
