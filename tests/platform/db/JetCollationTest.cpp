// Jet's text comparison: case never matters, accents do, and accented letters sort beside
// their base letter.
#include "platform/db/JetCollation.h"
#include "tests/platform/db/TestDatabase.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <algorithm>

namespace {

TEST(JetCollation, CaseFoldsAccentsCountAndSortBesideTheirLetter)
{
    using db::jet::compare;
    EXPECT_EQ(compare(u"Livre", u"LIVRE"), 0);
    EXPECT_EQ(compare(u"Ecole", u"ecole"), 0);
    EXPECT_NE(compare(u"École", u"Ecole"), 0);
    EXPECT_EQ(compare(u"École", u"école"), 0);
    EXPECT_EQ(compare(u"ŒUVRE", u"œuvre"), 0);
    EXPECT_LT(compare(u"", u"a"), 0);
    EXPECT_LT(compare(u"abc", u"Zoo"), 0);
    EXPECT_LT(compare(u"ROS", u"rose"), 0);

    QStringList titles{"Zoo", "école", "Eléphant", "abc", "Ecole", "ÉCOLE", "Écoles", "eau"};
    std::stable_sort(titles.begin(), titles.end(),
                     [](const QString& a, const QString& b) { return compare(a, b) < 0; });
    EXPECT_EQ(titles, (QStringList{"abc", "eau", "Ecole", "école", "ÉCOLE", "Écoles", "Eléphant", "Zoo"}));
}

TEST(JetCollation, LikeMatchesWholeValuesWithPercentAndUnderscore)
{
    using db::jet::like;
    const std::tuple<const char16_t*, const char16_t*, bool> cases[] = {
        {u"l'é%", u"L'École des loisirs", true},
        {u"l'e%", u"L'École des loisirs", false},
        {u"%LOISIRS", u"L'École des loisirs", true},
        {u"%des%", u"L'École des loisirs", true},
        {u"%des", u"L'École des loisirs", false},
        {u"_oo", u"Zoo", true},
        {u"_oo", u"Zooo", false},
        {u"%o%o%", u"Zoo", true},
        {u"[a]%", u"[A] b", true},
        {u"[a]%", u"a b", false},
        {u"", u"", true},
        {u"%", u"", true},
        {u"a%b%c", u"aXbYbZc", true},
    };
    for (const auto& [pattern, value, expected] : cases)
        EXPECT_EQ(like(pattern, value), expected) << QString::fromUtf16(pattern).toStdString();
    EXPECT_TRUE(like(u"50\\%", u"50%", u'\\'));
    EXPECT_FALSE(like(u"50\\%", u"500", u'\\'));
}

TEST(JetCollation, OrdersAndEqualityInTheDatabaseUseIt)
{
    dbtest::TestDatabase db;
    db.run({"Insert into Emprunteurs (EmpNom) Values ('Zoé')", "Insert into Emprunteurs (EmpNom) Values ('école')",
            "Insert into Emprunteurs (EmpNom) Values ('ECOLE')", "Insert into Emprunteurs (EmpNom) Values ('Ecole')",
            "Insert into Emprunteurs (EmpNom) Values ('abel')"});
    EXPECT_EQ(db.keys("Select * From Emprunteurs ORDER BY EmpNom"), (std::vector<qint64>{5, 3, 4, 2, 1}));
    EXPECT_EQ(db.keys("Select * From Emprunteurs WHERE EmpNom = 'ecole'"), (std::vector<qint64>{3, 4}));
    EXPECT_EQ(db.keys("Select * From Emprunteurs WHERE EmpNom >= 'E' ORDER BY EmpNom"),
              (std::vector<qint64>{3, 4, 2, 1}));
}

}  // namespace
