// The pages of borrower cards shown by the web view, as the card screen shows them before
// printing, scan to what the loan screen takes for the borrower.
#include "tests/exchange/labels/WebPageScan.h"

#include "platform/text/Windows1252.h"
#include "pupils/BorrowerCardsPage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(BorrowerCardDecodeTest, EachCardPageShownByTheWebViewScansToTheBorrowersCode)
{
    ASSERT_TRUE(labeltest::installFontsForTheWebEngine());
    struct Case {
        pupils::BorrowerCardsPage::Kind kind;
        bool barsWithoutDigits;
        QString scanned;
    };
    const Case cases[] = {
        {pupils::BorrowerCardsPage::Kind::NewCards, false, QStringLiteral("7")},
        {pupils::BorrowerCardsPage::Kind::AllCards, false, QStringLiteral("E007")},
        {pupils::BorrowerCardsPage::Kind::AllCards, true, QStringLiteral("E007")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scanned.toStdString() + (c.barsWithoutDigits ? " bars only" : ""));
        pupils::CardOptions options;
        options.schoolYear = QStringLiteral("2025-2026");
        options.schoolName = QStringLiteral("École des Tilleuls");
        options.photoWidth = QStringLiteral("80");
        options.photoHeight = QStringLiteral("100");
        options.barsWithoutDigits = c.barsWithoutDigits;
        pupils::BorrowerCardsPage cards(c.kind, options);
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
        EXPECT_EQ(*symbols, QStringList{c.scanned});
    }
}

}  // namespace
