// Parameters of statements and filters: "?" and ":name" take their values through SQLite's
// binding, converted as the column's type reads them, and never become part of the text.
#include "platform/db/Error.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "tests/platform/db/TestDatabase.h"

#include <gtest/gtest.h>

using db::Params;
using db::Value;
using dbtest::TestDatabase;
using Keys = std::vector<qint64>;

namespace {

class Parameters : public ::testing::Test {
protected:
    void SetUp() override { db.addBooks(); }

    Keys keys(const QString& select, const Params& params)
    {
        db::Query q(db.connection());
        q.setSql(select, params);
        q.open();
        return dbtest::walk(q);
    }

    // Every value of every row, to show that a refused statement changed nothing.
    QStringList dump()
    {
        db::Query q(db.connection());
        q.setSql(QStringLiteral("SELECT * FROM Table1"));
        q.open();
        QStringList all;
        for (q.first(); !q.eof(); q.next()) {
            for (int i = 0; i < q.fieldCount(); ++i)
                all << q.field(i).asString();
        }
        return all;
    }

    TestDatabase db;
};

Params named(std::initializer_list<std::pair<const char*, Value>> values)
{
    Params p;
    for (const auto& [name, value] : values)
        p.set(QString::fromLatin1(name), value);
    return p;
}

TEST_F(Parameters, BoundValuesFindTheRowsTheSameLiteralsWould)
{
    struct Case {
        const char* sql;
        Params params;
        Keys expected;
    };
    const Case cases[] = {
        // Text compares without regard to case; a quote inside is a character like any other.
        {"SELECT * FROM table1 WHERE titre = ?", {QStringLiteral("l'ÉCOLE DES LOISIRS")}, {1}},
        {"SELECT * FROM table1 WHERE Titre = ?", {QStringLiteral("abc[1]")}, {5}},
        {"SELECT * FROM table1 WHERE Isbn13 = ? AND NbrExemplaire = ?", {QStringLiteral("00012"), 2}, {3}},
        {"SELECT * FROM table1 WHERE NbrExemplaire = ?", {QStringLiteral("2")}, {3}},
        {"SELECT * FROM table1 WHERE Type = 'LIVRE' AND Genre = ? ORDER BY NumLivre DESC", {QStringLiteral("roman")}, {4, 1}},
        {"SELECT * FROM table1 WHERE Isbn13 = :code AND NbrExemplaire = :copy",
         named({{"code", QStringLiteral("00012")}, {"COPY", 1}}), {2}},
        {"SELECT * FROM table1 WHERE Titre >= :t AND Titre <= :t", named({{"t", QStringLiteral("zoo")}}), {3}},
        // Marks inside a quoted text are characters of the text.
        {"SELECT * FROM table1 WHERE Titre <> 'a ? :t' AND Genre = ?", {QStringLiteral("roman")}, {1, 4}},
        // Booleans as Booleans or as their texts, dates as day serials or as their texts.
        {"SELECT * FROM table1 WHERE Type <> 'LIVRE' AND MaxExemplaire = ?", {Value::boolean(true)}, {3}},
        {"SELECT * FROM table1 WHERE Type <> 'LIVRE' AND MaxExemplaire = ?", {QStringLiteral("Vrai")}, {3}},
        {"SELECT * FROM table1 WHERE DateEmprunt = ?", {Value::date(QDate(2025, 12, 8))}, {1}},
        {"SELECT * FROM table1 WHERE DateEmprunt = ?", {QStringLiteral("08/12/2025")}, {1}},
        {"SELECT * FROM table1 WHERE Prix_Client = ?", {QStringLiteral("12,50")}, {4}},
        {"SELECT * FROM table1 WHERE Titre LIKE ?", {QStringLiteral("l'%")}, {1}},
        // No value matches nothing, as in Jet.
        {"SELECT * FROM table1 WHERE Type = ?", {Value()}, {}},
        // Hostile texts stay values.
        {"SELECT * FROM table1 WHERE Titre = ?", {QStringLiteral("x' OR 'a'='a")}, {}},
        {"SELECT * FROM table1 WHERE Titre = ?", {QStringLiteral("Zoo'; DELETE FROM Table1 --")}, {}},
        {"SELECT * FROM table1 WHERE Titre = ?", {QStringLiteral("\" OR Titre <> \"")}, {}},
        {"SELECT * FROM table1 WHERE Titre = ?", {QStringLiteral("Zoo ? :t")}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keys(QString::fromUtf8(c.sql), c.params), c.expected) << c.sql;
}

TEST_F(Parameters, WritesStoreEachValueAsItsColumnReadsIt)
{
    const QString hostile = QStringLiteral("O'Brien -- ; DROP TABLE Table1; \"x\" [y] ?1 :z");
    db.connection().execute(QStringLiteral("Insert into Table1 (Titre,Auteur,Empruntable,DateEmprunt,Prix_Client,"
                                           "NbrExemplaire,Isbn10,Type) Values (?,?,?,?,?,?,?,'LIVRE')"),
                            {hostile, QStringLiteral("a'b"), Value::boolean(false), Value::date(QDate(2025, 12, 8)),
                             QStringLiteral("12,5"), 3, Value()});
    const qint64 key = db.connection().lastInsertKey();
    db.connection().execute(QStringLiteral("UPDATE Table1 SET Auteur = :who, Genre = :who WHERE NumLivre = :key"),
                            named({{"who", QStringLiteral("l'auteur;--")}, {"key", key}}));
    db::Query q(db.connection());
    q.setSql(QStringLiteral("SELECT * FROM Table1 WHERE NumLivre = ?"), {key});
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    const auto text = [&q](const char* name) { return q.fieldByName(QString::fromLatin1(name)).asString(); };
    EXPECT_EQ(text("Titre"), hostile);
    EXPECT_EQ(text("Auteur"), QStringLiteral("l'auteur;--"));
    EXPECT_EQ(text("Genre"), QStringLiteral("l'auteur;--"));
    EXPECT_EQ(text("Empruntable"), QStringLiteral("Faux"));
    EXPECT_EQ(text("DateEmprunt"), QStringLiteral("08/12/2025"));
    EXPECT_EQ(text("Prix_Client"), QStringLiteral("12,5"));
    EXPECT_EQ(text("NbrExemplaire"), QStringLiteral("3"));
    EXPECT_TRUE(q.fieldByName(QStringLiteral("Isbn10")).isNull());
    EXPECT_EQ(db.keys(QStringLiteral("SELECT * FROM Table1")), (Keys{1, 2, 3, 4, 5, key}));
}

TEST_F(Parameters, ValuesThatDoNotMatchTheirParametersAreRefusedAndChangeNothing)
{
    struct Case {
        const char* sql;
        Params params;
        db::Error::Kind kind;
        const char* message;
    };
    const Case cases[] = {
        {"UPDATE Table1 SET Titre = ? WHERE Genre = ?", {QStringLiteral("x")}, db::Error::Kind::Syntax,
         "no value given for the parameter ?2"},
        {"UPDATE Table1 SET Titre = ?", {QStringLiteral("x"), QStringLiteral("y")}, db::Error::Kind::Syntax,
         "a value is given for the parameter ?2, which the text does not have"},
        {"UPDATE Table1 SET Titre = :t", {}, db::Error::Kind::Syntax, "no value given for the parameter :t"},
        {"UPDATE Table1 SET Titre = :t", named({{"t", QStringLiteral("x")}, {"u", 1}}), db::Error::Kind::Syntax,
         "a value is given for the parameter :u, which the text does not have"},
        {"UPDATE Table1 SET Titre = 'x'", {1}, db::Error::Kind::Syntax,
         "a value is given for the parameter ?1, which the text does not have"},
        // A value is converted to its column's type, never read as statement text.
        {"UPDATE Table1 SET Titre = 'x' WHERE NumLivre = ?", {QStringLiteral("1 OR 1=1")}, db::Error::Kind::Conversion,
         "'1 OR 1=1' is not a valid value for the field numlivre"},
        {"UPDATE Table1 SET Empruntable = ?", {QStringLiteral("True; DELETE FROM Table1")},
         db::Error::Kind::Conversion, "'True; DELETE FROM Table1' is not a valid value for the field Empruntable"},
        {"UPDATE Table1 SET Isbn10 = ?", {QString(21, u'9')}, db::Error::Kind::TooLong,
         "the value is too long for the field Isbn10 (at most 20 characters)"},
        {"SELECT * FROM Table1 WHERE Titre LIKE ?", {Value::boolean(true)}, db::Error::Kind::Conversion,
         "'1' is not a valid pattern for the field Titre"},
    };
    const QStringList before = dump();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        try {
            db.connection().execute(QString::fromUtf8(c.sql), c.params);
            ADD_FAILURE() << "not refused";
        } catch (const db::Error& e) {
            EXPECT_EQ(e.kind(), c.kind);
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
        }
    }
    EXPECT_EQ(dump(), before);
}

TEST_F(Parameters, FiltersTakeParametersAndKeepThemAcrossReopening)
{
    db::Table books{db.connection(), "Table1", "NumLivre"};
    books.setFiltered(true);
    books.setFilter(QStringLiteral("Genre = ? or (Type = :type and Titre like ?)"),
                    Params{QStringLiteral("conte"), QStringLiteral("z*")}.set(QStringLiteral("type"), QStringLiteral("dvd")));
    books.open();
    EXPECT_EQ(dbtest::walk(books), (Keys{2, 3}));
    books.close();
    books.open();
    EXPECT_EQ(dbtest::walk(books), (Keys{2, 3}));
    // A filter refused for its values leaves the view as it was.
    EXPECT_THROW(books.setFilter(QStringLiteral("NumLivre = ?"), {QStringLiteral("2 or 1=1")}), db::Error);
    EXPECT_EQ(dbtest::walk(books), (Keys{2, 3}));
    books.setFilter(QStringLiteral("Titre like ?"), {QStringLiteral("*'*")});
    EXPECT_EQ(dbtest::walk(books), (Keys{1}));
}

}  // namespace
