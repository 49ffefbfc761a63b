// The page of new borrower cards shown by the web view, as the card screen shows it before
// printing, scans to the borrower's number.
#include "tests/exchange/labels/WebPageScan.h"

#include "platform/text/Windows1252.h"
#include "pupils/BorrowerCardsPage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(BorrowerCardDecodeTest, TheNewCardPageShownByTheWebViewScansToTheBorrowersNumber)
{
    ASSERT_TRUE(labeltest::installFontsForTheWebEngine());
    pupils::CardOptions options;
    options.schoolYear = QStringLiteral("2025-2026");
    options.schoolName = QStringLiteral("École des Tilleuls");
    options.photoWidth = QStringLiteral("80");
    options.photoHeight = QStringLiteral("100");
    pupils::BorrowerCardsPage cards(pupils::BorrowerCardsPage::Kind::NewCards, options);
    cards.addCard({QStringLiteral("7"), QStringLiteral("Martin"), QStringLiteral("Léa"), QStringLiteral("CM1"),
                   QStringLiteral("F"), QStringLiteral("CM1")});
    QTemporaryDir dir;
    QFile page(dir.filePath(QStringLiteral("emprunteurs.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(text::encodeWindows1252(cards.finish() + QStringLiteral("\r\n")));
    page.close();

    const auto symbols = labeltest::scanWebPage(page.fileName());
    if (!symbols)
        GTEST_SKIP() << "zbarimg is not installed (zbar-tools)";
    EXPECT_EQ(*symbols, QStringList{QStringLiteral("7")});
}

}  // namespace
