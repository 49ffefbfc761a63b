#include "platform/browser/PageView.h"
#include "platform/browser/TestRouting.h"
#include "platform/net/Error.h"

#include "TestServers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using browser::PageView;
using namespace std::chrono_literals;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class PageViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        browser::setTestRouting({});
        writeFile(site.filePath(QStringLiteral("livre.html")),
                  "<html><head><title>Le Petit Prince</title></head><body><h1>Le Petit Prince</h1>"
                  "<p>Auteur : Antoine de Saint-Exup\xE9ry</p></body></html>");
        writeFile(site.filePath(QStringLiteral("utf8.html")), "<title>\xC3\xA9t\xC3\xA9</title><p>\xE2\x82\xAC</p>");
        writeFile(site.filePath(QStringLiteral("notice.txt")), "Titre : \xC9t\xE9\r\nPrix : 5 \x80");
        writeFile(site.filePath(QStringLiteral("cover.jpg")), QByteArray("\xFF\xD8\xFF\xE0") + QByteArray(2000, 'x'));
        writeFile(site.filePath(QStringLiteral("big.html")), "<p>" + QByteArray(5000, 'x') + "</p>");
    }

    void TearDown() override { browser::clearTestRouting(); }

    QString page(const QString& path) const { return QStringLiteral("http://127.0.0.1:%1/%2").arg(server.port()).arg(path); }

    net::Waiting waiting()
    {
        net::Waiting w;
        w.processMessages = [this] { ++rounds; };
        return w;
    }

    QTemporaryDir site;
    ScriptServer server{QStringLiteral("../web/web_server.py"), {site.path(), site.filePath(QStringLiteral("log"))}};
    int rounds = 0;
};

TEST_F(PageViewTest, ReadsTitleTextAndHtmlOfAPageWithoutCharset)
{
    PageView view(waiting());
    view.navigate(page(QStringLiteral("livre.html")));
    EXPECT_EQ(view.title(), QStringLiteral("Le Petit Prince"));
    EXPECT_EQ(view.innerText(), QStringLiteral("Le Petit Prince\r\nAuteur : Antoine de Saint-Exupéry"));
    EXPECT_EQ(view.innerHtml(), QStringLiteral("<h1>Le Petit Prince</h1><p>Auteur : Antoine de Saint-Exupéry</p>"));
    EXPECT_GT(rounds, 0);
}

TEST_F(PageViewTest, HeaderCharsetDecidesTheText)
{
    PageView view(waiting());
    view.navigate(page(QStringLiteral("charset/utf-8/utf8.html")));
    EXPECT_EQ(view.title(), QStringLiteral("été"));
    EXPECT_EQ(view.innerText(), QStringLiteral("€"));
}

TEST_F(PageViewTest, FollowsRedirectsToTheFinalPage)
{
    PageView view(waiting());
    view.navigate(page(QStringLiteral("redirect/3/livre.html")));
    EXPECT_EQ(view.title(), QStringLiteral("Le Petit Prince"));
    EXPECT_EQ(view.address(), page(QStringLiteral("livre.html")));
}

TEST_F(PageViewTest, AnErrorStatusShowsTheServersOwnPage)
{
    PageView view(waiting());
    view.navigate(page(QStringLiteral("nowhere.html")));
    EXPECT_EQ(view.title(), QStringLiteral("Page introuvable"));
    EXPECT_EQ(view.innerText(), QStringLiteral("ERREUR 404"));
}

TEST_F(PageViewTest, PlainTextAndPicturesAsTheOldBrowserGaveThem)
{
    PageView view(waiting());
    view.navigate(page(QStringLiteral("notice.txt")));
    EXPECT_EQ(view.title(), QString());
    EXPECT_EQ(view.innerText(), QStringLiteral("Titre : Été\r\nPrix : 5 €"));
    view.navigate(page(QStringLiteral("cover.jpg")));
    EXPECT_EQ(view.title(), QString());
    EXPECT_EQ(view.innerText(), QString());
    EXPECT_EQ(view.innerHtml(), QString());
}

TEST_F(PageViewTest, NoAnswerWithinTheLimitsShowsTheCancelledPage)
{
    DeadPort refusing(DeadPort::Refusing);
    DeadPort silent(DeadPort::Silent);
    browser::WebLimits limits;
    limits.total = 400ms;
    limits.maxBytes = 1000;
    const QString addresses[] = {
        QStringLiteral("http://127.0.0.1:%1/livre.html").arg(refusing.port()),
        QStringLiteral("http://127.0.0.1:%1/livre.html").arg(silent.port()),
        page(QStringLiteral("silent/livre.html")),
        page(QStringLiteral("big.html")),
        QStringLiteral("ftp://127.0.0.1/livre.html"),
    };
    PageView view(waiting(), limits);
    for (const QString& address : addresses) {
        view.navigate(page(QStringLiteral("livre.html")));
        view.navigate(address);
        EXPECT_EQ(view.title(), QStringLiteral("Navigation cancelled")) << address.toStdString();
        EXPECT_EQ(view.innerText(), QStringLiteral("Navigation cancelled")) << address.toStdString();
    }
}

TEST_F(PageViewTest, ReadsFilesFromTheDisk)
{
    PageView view(waiting());
    view.navigate(QUrl::fromLocalFile(site.filePath(QStringLiteral("livre.html"))).toString());
    EXPECT_EQ(view.title(), QStringLiteral("Le Petit Prince"));
    view.navigate(QUrl::fromLocalFile(site.filePath(QStringLiteral("absent.html"))).toString());
    EXPECT_EQ(view.title(), QStringLiteral("Navigation cancelled"));
}

TEST_F(PageViewTest, ANavigationDuringTheWaitIsRefused)
{
    QString nestedError;
    net::Waiting w;
    PageView* self = nullptr;
    w.processMessages = [&] {
        if (!nestedError.isEmpty())
            return;
        try {
            self->navigate(page(QStringLiteral("utf8.html")));
            nestedError = QStringLiteral("none");
        } catch (const net::Error& e) {
            nestedError = e.message();
        }
    };
    PageView view(w);
    self = &view;
    view.navigate(page(QStringLiteral("livre.html")));
    EXPECT_TRUE(nestedError.contains(QStringLiteral("still loading"))) << nestedError.toStdString();
    EXPECT_EQ(view.title(), QStringLiteral("Le Petit Prince"));
}

TEST(PageViewRouting, TestRoutingSendsEveryHostToTheFixtureServerOverTls)
{
    QTemporaryDir site;
    QTemporaryDir certificates;
    writeFile(site.filePath(QStringLiteral("dp.html")), "<title>Produit</title><p>ok</p>");
    ScriptServer server{QStringLiteral("../web/web_server.py"),
                        {site.path(), site.filePath(QStringLiteral("log")), QStringLiteral("--tls"),
                         certificates.path(), QStringLiteral("www.librairie.fr")}};
    PageView view{net::Waiting{}};

    browser::setTestRouting({{QStringLiteral(":443:127.0.0.1:%1").arg(server.port()).toLatin1()},
                             certificates.filePath(QStringLiteral("ca.pem"))});
    view.navigate(QStringLiteral("https://www.librairie.fr/dp.html"));
    EXPECT_EQ(view.title(), QStringLiteral("Produit"));

    // A certificate nobody vouches for is no answer.
    browser::setTestRouting({{QStringLiteral(":443:127.0.0.1:%1").arg(server.port()).toLatin1()}, {}});
    view.navigate(QStringLiteral("https://www.librairie.fr/dp.html"));
    EXPECT_EQ(view.title(), QStringLiteral("Navigation cancelled"));
    browser::clearTestRouting();
}

}  // namespace
