#include "pupils/BorrowerCardsPage.h"

#include <gtest/gtest.h>

namespace {

using pupils::BorrowerCardsPage;

// A pupil's card: number, names and class; the sex and level no card shows.
pupils::CardBorrower borrower(const QString& number, const QString& surname, const QString& firstName,
                              const QString& className = QString())
{
    return {number, surname, firstName, className, QString(), QString()};
}

pupils::CardOptions cardOptions(const QString& schoolYear, const QString& schoolName = QString(),
                                const QString& photoWidth = QString(), const QString& photoHeight = QString())
{
    pupils::CardOptions options;
    options.schoolYear = schoolYear;
    options.schoolName = schoolName;
    options.photoWidth = photoWidth;
    options.photoHeight = photoHeight;
    return options;
}

TEST(BorrowerCards, CardCodesHaveThreeDigitsAtLeast)
{
    const std::pair<const char*, const char*> cases[] = {{"5", "E005"}, {"42", "E042"}, {"123", "E123"}, {"4711", "E4711"}};
    for (const auto& [number, code] : cases)
        EXPECT_EQ(pupils::cardCode(QString::fromLatin1(number)), QString::fromLatin1(code)) << number;
}

TEST(BorrowerCards, ThePageBreaksAfterEachGroupOfCardsAndEscapesValues)
{
    const pupils::CardOptions options = cardOptions(QStringLiteral("2025/2026"), QStringLiteral("École <Jules & Ferry>"),
                                                    QStringLiteral("100"), QStringLiteral("120"));
    BorrowerCardsPage page(BorrowerCardsPage::Kind::AllCards, options);
    for (int n = 1; n <= 13; ++n)
        page.addCard(borrower(QString::number(n), QStringLiteral("NOM<%1>").arg(n), QStringLiteral("Léa"), QStringLiteral("CM1")));
    const QString html = page.finish();
    EXPECT_EQ(html.count(QStringLiteral("<BR CLASS=page>")), 2);
    EXPECT_LT(html.indexOf(QStringLiteral("*E006*")), html.indexOf(QStringLiteral("<BR CLASS=page>")));
    EXPECT_GT(html.indexOf(QStringLiteral("*E007*")), html.indexOf(QStringLiteral("<BR CLASS=page>")));
    EXPECT_TRUE(html.contains(QStringLiteral("NOM&lt;13&gt;")));
    EXPECT_TRUE(html.contains(QStringLiteral("École &lt;Jules &amp; Ferry&gt;")));
    EXPECT_FALSE(html.contains(QStringLiteral("<Jules")));
    EXPECT_TRUE(html.endsWith(QStringLiteral("</table></BODY></HTML>")));
}

TEST(BorrowerCards, NewCardsCarryTheBareNumberAndHiddenClassLeavesItsLine)
{
    BorrowerCardsPage fresh(BorrowerCardsPage::Kind::NewCards, cardOptions(QStringLiteral("2025/2026")));
    fresh.addCard(borrower(QStringLiteral("5"), QStringLiteral("ROUX"), QStringLiteral("Anna"), QStringLiteral("CP")));
    EXPECT_TRUE(fresh.finish().contains(QStringLiteral(">*5*</font>")));
    EXPECT_TRUE(fresh.finish().contains(QStringLiteral("width=\"500\"")));

    pupils::CardOptions options = cardOptions(QStringLiteral("2025/2026"), QStringLiteral("Ecole"));
    options.showClass = false;
    BorrowerCardsPage all(BorrowerCardsPage::Kind::AllCards, options);
    all.addCard(borrower(QStringLiteral("5"), QStringLiteral("ROUX"), QStringLiteral("Anna"), QStringLiteral("CP")));
    EXPECT_TRUE(all.finish().contains(QStringLiteral("Anna<br>   <br>   2025/2026")));
}

// The card shows the photo the borrower screen took: the names as stored, no case change; names
// that would lead out of the photo folder link the placeholder instead.
TEST(BorrowerCards, CardsLinkThePhotoUnderTheNameTheScreensUse)
{
    const struct {
        const char* surname;
        const char* firstName;
        const char* link;
    } cases[] = {{"Martin-Roux", "Léa", "Photo_emprunteur/MARTIN-ROUX_Léa.jpg"},
                 {"LEFèVRE", "Zoé", "Photo_emprunteur/LEFèVRE_Zoé.jpg"},
                 {"Lefèvre", "Zoé", "Photo_emprunteur/LEFèVRE_Zoé.jpg"},
                 {"..\\..", "Léa", "Photo_emprunteur/No_picture.jpg"},
                 {"A/B", "Léa", "Photo_emprunteur/No_picture.jpg"}};
    for (const auto& c : cases) {
        for (BorrowerCardsPage::Kind kind : {BorrowerCardsPage::Kind::AllCards, BorrowerCardsPage::Kind::NewCards}) {
            BorrowerCardsPage page(kind, cardOptions(QStringLiteral("2025/2026")));
            page.addCard(borrower(QStringLiteral("5"), QString::fromUtf8(c.surname), QString::fromUtf8(c.firstName)));
            EXPECT_TRUE(page.finish().contains(QStringLiteral("<img src=\"") + QString::fromUtf8(c.link) + u'"'))
                << c.surname;
        }
    }
}

}  // namespace
