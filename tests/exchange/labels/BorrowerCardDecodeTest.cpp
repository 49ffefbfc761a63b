// The page of new borrower cards shown by the web view, as the card screen shows it before
// printing, scans to the borrower's number.
#include "tests/exchange/labels/BarcodeDecoder.h"

#include "exchange/labels/BarcodeFonts.h"
#include "platform/text/Windows1252.h"
#include "pupils/BorrowerCardsPage.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// Real time: the engine works on its own clock.
void waitFor(const std::function<bool()>& done, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(BorrowerCardDecodeTest, TheNewCardPageShownByTheWebViewScansToTheBorrowersNumber)
{
    labeltest::ensureApplication();
    if (!labeltest::decodeBarcodes(labeltest::blankPicture(QSize(10, 10), 96)))
        GTEST_SKIP() << "zbarimg is not installed (zbar-tools)";
    // The engine's fonts come from fontconfig, which reads the user's font folder when it starts.
    static QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("share")).toUtf8());
    ASSERT_TRUE(labels::installBarcodeFonts(QStringLiteral(QVL_PROGRAM_DIR "/Reserve")));
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    pupils::CardOptions options;
    options.schoolYear = QStringLiteral("2025-2026");
    options.schoolName = QStringLiteral("École des Tilleuls");
    options.photoWidth = QStringLiteral("80");
    options.photoHeight = QStringLiteral("100");
    pupils::BorrowerCardsPage cards(pupils::BorrowerCardsPage::Kind::NewCards, options);
    cards.addCard({QStringLiteral("7"), QStringLiteral("Martin"), QStringLiteral("Léa"), QStringLiteral("CM1"),
                   QStringLiteral("F"), QStringLiteral("CM1")});
    const QString file = home.filePath(QStringLiteral("emprunteurs.html"));
    QFile page(file);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(text::encodeWindows1252(cards.finish() + QStringLiteral("\r\n")));
    page.close();

    QWebEngineView view;
    view.resize(1000, 700);
    // About the printer's resolution, so that the narrow bars are several pixels wide.
    view.setZoomFactor(2.5);
    view.show();
    bool loaded = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, [&](bool) { loaded = true; });
    view.load(QUrl::fromLocalFile(file));
    waitFor([&] { return loaded; }, 30000);
    ASSERT_TRUE(loaded);
    QStringList symbols;
    // The first frames may come before the page's fonts are in.
    waitFor([&] {
        symbols = labeltest::decodeBarcodes(view.grab().toImage()).value_or(QStringList());
        return !symbols.isEmpty();
    }, 15000);
    EXPECT_EQ(symbols, QStringList{QStringLiteral("7")});
    qunsetenv("XDG_DATA_HOME");
}

}  // namespace
