#include "QtPrinters.h"

#include "catalogue/CopyRenumbering.h"
#include "platform/db/Connection.h"
#include "platform/db/Query.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Copy {
    QString title;
    int number;
    bool last;
    bool operator==(const Copy&) const = default;
};

void PrintTo(const Copy& c, std::ostream* os)
{
    *os << '"' << c.title.toStdString() << "\" " << c.number << (c.last ? " last" : "");
}

// An empty catalogue as the installation delivers it.
class CopyRenumbering : public ::testing::Test {
protected:
    CopyRenumbering()
    {
        EXPECT_TRUE(QFile::copy(QStringLiteral(QVL_PROGRAM_DIR "/Reserve/Test1.bib"), path()));
        QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        connection = std::make_unique<db::Connection>(QStringLiteral("Data Source=") + path());
    }

    QString path() const { return dir.filePath(QStringLiteral("Test1.bib")); }

    // Copies in book-number order, each with a number and mark the renumbering must replace.
    void addCopies(const QStringList& titles, const QString& type = QStringLiteral("LIVRE"))
    {
        for (const QString& title : titles) {
            // A null title is a copy whose title was never written.
            const QString titleColumn = title.isNull() ? QString() : QStringLiteral("Titre,");
            const QString titleValue = title.isNull() ? QString() : "'" + title + "',";
            connection->execute(QStringLiteral("Insert into table1 (%1Type,NbrExemplaire,MaxExemplaire) "
                                               "Values (%2'%3','7',True)")
                                    .arg(titleColumn, titleValue, type));
        }
    }

    std::vector<Copy> renumbered()
    {
        db::Query ars(*connection);
        catalogue::RenumberCopies(ars);
        ars.setSql(QStringLiteral("SELECT * FROM table1 ORDER BY NumLivre"));
        ars.open();
        std::vector<Copy> copies;
        for (; !ars.eof(); ars.next())
            copies.push_back({ars.fieldByName("Titre").asString(), int(ars.fieldByName("NbrExemplaire").asInteger()),
                              ars.fieldByName("MaxExemplaire").asBoolean()});
        return copies;
    }

    QTemporaryDir dir;
    std::unique_ptr<db::Connection> connection;
};

}  // namespace

TEST_F(CopyRenumbering, RunsOfEqualTitlesAreNumberedInBookNumberOrderAndTheirLastMarked)
{
    addCopies({"Babar", "Alice", "Babar", "Alice", "Babar", "Caillou"});
    const std::vector<Copy> expected{{"Babar", 1, false}, {"Alice", 1, false}, {"Babar", 2, false},
                                     {"Alice", 2, true},  {"Babar", 3, true},  {"Caillou", 1, true}};
    EXPECT_EQ(renumbered(), expected);
}

TEST_F(CopyRenumbering, OtherMediaAndStockTakeAbsenteesAreNumberedLikeBooks)
{
    addCopies({"Zorro", "Zorro"}, "DVD");
    connection->execute("UPDATE table1 SET NbrExemplaire = 0 WHERE NumLivre = 2");
    const std::vector<Copy> expected{{"Zorro", 1, false}, {"Zorro", 2, true}};
    EXPECT_EQ(renumbered(), expected);
}

TEST_F(CopyRenumbering, TitlesWrittenDifferentlyAreSeparateGroups)
{
    // Case variants sort as equals, by book number, so they may interleave: each run is a group.
    addCopies({"Le Loup", "le loup", "Le Loup", "Le Chat", "Le Chat", "LE CHAT", "Zoo", "Zoo "});
    const std::vector<Copy> expected{{"Le Loup", 1, true}, {"le loup", 1, true}, {"Le Loup", 1, true},
                                     {"Le Chat", 1, false}, {"Le Chat", 2, true}, {"LE CHAT", 1, true},
                                     {"Zoo", 1, true},     {"Zoo ", 1, true}};
    EXPECT_EQ(renumbered(), expected);
}

TEST_F(CopyRenumbering, CopiesWithoutTitleFormOneGroup)
{
    // Missing titles sort before empty ones; both read as the empty text.
    addCopies({QString(), "Alice", QString(""), QString()});
    const std::vector<Copy> expected{{"", 1, false}, {"Alice", 1, true}, {"", 3, true}, {"", 2, false}};
    EXPECT_EQ(renumbered(), expected);
}

TEST_F(CopyRenumbering, OneCopyIsItsOwnLastCopy)
{
    addCopies({"Alice"});
    EXPECT_EQ(renumbered(), (std::vector<Copy>{{"Alice", 1, true}}));
}

TEST_F(CopyRenumbering, AnEmptyCatalogueWritesNothing)
{
    QFile before(path());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray content = before.readAll();
    EXPECT_TRUE(renumbered().empty());
    connection->close();
    QFile after(path());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), content);
}
