// The current row and its flags, as the walks of the program expect them: "first; while not
// eof: ...; next" visits every row once; Last makes a running walk stop at its next test.
#include "platform/db/Error.h"
#include "platform/db/Query.h"
#include "tests/platform/db/TestDatabase.h"

#include <gtest/gtest.h>

using dbtest::TestDatabase;

namespace {

struct Flags {
    int recNo;
    bool bof;
    bool eof;
    bool operator==(const Flags&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Flags& f)
{
    return out << "{recNo " << f.recNo << ", bof " << f.bof << ", eof " << f.eof << "}";
}

Flags flagsOf(const db::DataSet& d) { return {d.recNo(), d.bof(), d.eof()}; }

class Navigation : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        for (int i = 0; i < GetParam(); ++i)
            db.run({"Insert into Emprunteurs (EmpNom) Values ('X')"});
        q.addSql("Select * From Emprunteurs");
        q.open();
    }

    TestDatabase db;
    db::Query q{db.connection()};
};

TEST_P(Navigation, FlagsFollowTheDelphiRules)
{
    const int n = GetParam();
    EXPECT_EQ(q.recordCount(), n);
    EXPECT_EQ(flagsOf(q), (Flags{n ? 1 : 0, true, n == 0}));

    q.last();
    EXPECT_EQ(flagsOf(q), (Flags{n, n == 0, true}));
    q.next();
    EXPECT_EQ(flagsOf(q), (Flags{n, n == 0, true}));

    q.first();
    EXPECT_EQ(flagsOf(q), (Flags{n ? 1 : 0, true, n == 0}));
    q.prior();
    EXPECT_EQ(flagsOf(q), (Flags{n ? 1 : 0, true, n == 0}));

    q.first();
    q.next();
    EXPECT_EQ(flagsOf(q), (Flags{std::min(n, 2), n == 0, n <= 1}));

    EXPECT_EQ(q.moveBy(1000), std::max(0, n - std::min(n, 2)));
    EXPECT_EQ(flagsOf(q), (Flags{n, n == 0, true}));
    EXPECT_EQ(q.moveBy(-1000), std::max(0, n - 1));
    EXPECT_EQ(flagsOf(q), (Flags{n ? 1 : 0, true, n == 0}));

    int visited = 0;
    for (q.first(); !q.eof(); q.next())
        ++visited;
    EXPECT_EQ(visited, n);
}

TEST_P(Navigation, FieldsOfNoRowReadEmptyAndEditNeverAddsARow)
{
    const int n = GetParam();
    if (n > 0) {
        q.clearSql();
        q.addSql("Select * From Emprunteurs WHERE EmpNom = 'personne'");
        q.open();
    }
    EXPECT_EQ(q.fieldByName("EmpNom").asString(), "");
    EXPECT_TRUE(q.fieldByName("NbrEmpruntsTotal").isNull());
    EXPECT_EQ(q.fieldByName("NbrEmpruntsTotal").asInteger(), 0);
    try {
        q.edit();
        FAIL() << "edit on an empty result";
    } catch (const db::Error& e) {
        EXPECT_EQ(e.kind(), db::Error::Kind::State);
    }
    EXPECT_THROW(q.fieldByName("EmpNom").setAsString("Y"), db::Error);
    q.post();
    EXPECT_EQ(db.keys("Select * From Emprunteurs").size(), size_t(n));
}

INSTANTIATE_TEST_SUITE_P(Rows, Navigation, ::testing::Values(0, 1, 5));

TEST(NavigationOfAWalk, LastStopsARunningWalkAtItsNextTest)
{
    TestDatabase db;
    db.addBooks();
    db::Query ars(db.connection());
    ars.addSql("Select * From table1");
    ars.open();
    int visited = 0;
    for (ars.first(); !ars.eof(); ars.next()) {
        if (++visited == 2)
            ars.last();  // what "Stop" does from a handler entered during the walk
    }
    EXPECT_EQ(visited, 2);
}

TEST(NavigationOfAWalk, RecNoAndGoToKeyCountInTheFilteredSortedView)
{
    TestDatabase db;
    db.addBooks();
    db::Query q(db.connection());
    q.addSql("Select * From table1 ORDER BY Titre");
    q.setFilter("Type='LIVRE'");
    q.setFiltered(true);
    q.open();
    EXPECT_EQ(dbtest::walk(q), (std::vector<qint64>{2, 4, 1}));
    EXPECT_TRUE(q.goToKey(1));
    EXPECT_EQ(q.recNo(), 3);
    EXPECT_FALSE(q.goToKey(3));
    q.setRecNo(2);
    EXPECT_EQ(q.currentKey(), 4);
    q.setRecNo(9);
    EXPECT_EQ(q.currentKey(), 4);
    EXPECT_EQ(q.textAt(0, 1), "Ecole");
    EXPECT_EQ(q.currentKey(), 4);
}

TEST(NavigationOfAWalk, ClosedDataSetsRefuseToMoveAndToGiveFields)
{
    TestDatabase db;
    db::Query q(db.connection());
    EXPECT_FALSE(q.active());
    EXPECT_THROW(q.next(), db::Error);
    EXPECT_THROW(q.fieldByName("Titre"), db::Error);
    q.addSql("UPDATE table1 SET Titre = 'x'");
    EXPECT_THROW(q.open(), db::Error);
    EXPECT_FALSE(q.active());
}

}  // namespace
