// Jet's text comparison: case never matters, accents do, and accented letters sort beside
// their base letter.
#include "platform/db/JetCollation.h"
#include "tests/platform/db/TestDatabase.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <algorithm>
#include <sqlite3.h>

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

// The database compares UTF-8 texts, deciding ASCII on the bytes: it orders every pair as
// compare() does, whether the texts differ in ASCII, after it, or only in length.
TEST(JetCollation, TheDatabaseComparesAsCompareDoes)
{
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &handle), SQLITE_OK);
    db::jet::registerOn(handle);
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(handle,
                                 "SELECT CASE WHEN ?1 = ?2 COLLATE JET THEN 0 WHEN ?1 < ?2 COLLATE JET THEN -1 "
                                 "ELSE 1 END",
                                 -1, &statement, nullptr),
              SQLITE_OK);
    const char* const texts[] = {"", "a", "A", "b", "LIVRE", "livre", "LIVRES", "LIVRÉ", "Livre", "DVD", "abc", "Zoo",
                                 "école", "Ecole", "ÉCOLE", "Écoles", "Eléphant", "ecole", "eau", "n°12", "n°120",
                                 "N°2", "Élément de titre n°1", "Élément de titre n°2", "élément de titre n°1", "ae",
                                 "a\U0001F600", "a\U0001F601", "aé", "aÉ", "af", "[a]", "_", "~"};
    for (const char* a : texts) {
        for (const char* b : texts) {
            sqlite3_bind_text(statement, 1, a, -1, SQLITE_STATIC);
            sqlite3_bind_text(statement, 2, b, -1, SQLITE_STATIC);
            ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
            const int expected = db::jet::compare(QString::fromUtf8(a), QString::fromUtf8(b));
            EXPECT_EQ(sqlite3_column_int(statement, 0), (expected > 0) - (expected < 0)) << a << " / " << b;
            sqlite3_reset(statement);
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(handle);
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
