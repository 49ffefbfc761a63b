// The browser control's view: the local page it was sent to, read in the program's code page
// unless the page names its own, and read again when sent to the same address once more.
#include "QtFixture.h"

#include "platform/text/Windows1252.h"
#include "platform/ui/WebBrowser.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>

namespace uiqt {
namespace {

using WebBrowserViewTest = QtFixture;

void writePage(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

TEST_F(WebBrowserViewTest, ShowsTheLocalPageItWasSentToAndItsNewContentWhenSentAgain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Recherche_Titre.html"));
    writePage(path, text::encodeWindows1252(QStringLiteral("<HTML><BODY><table><tr><td><b>L'Été</b></td></tr>"
                                                           "</table></BODY></HTML>")));
    auto* browser = add<ui::WebBrowser>("WebBrowser7", QRect(10, 10, 400, 300));
    form.show();
    browser->navigate(QStringLiteral("file:") + path);
    // No engine runs in this process: the view reads the page itself.
    auto* view = widget<QWidget>(*browser)->findChild<QTextBrowser*>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->toPlainText().contains(QStringLiteral("L'Été"))) << view->toPlainText().toStdString();
    EXPECT_EQ(view->document()->baseUrl(), QUrl(QStringLiteral("file:") + path));

    writePage(path, QByteArray("<html><head><meta charset=\"utf-8\"></head><body>") +
                        QStringLiteral("Noël").toUtf8() + QByteArray("</body></html>"));
    browser->navigate(QStringLiteral("file:") + path);
    EXPECT_EQ(view->toPlainText(), QStringLiteral("Noël"));

    browser->navigate(QStringLiteral("file:") + dir.filePath(QStringLiteral("missing.html")));
    EXPECT_EQ(view->toPlainText(), QString());
}

}  // namespace
}  // namespace uiqt
