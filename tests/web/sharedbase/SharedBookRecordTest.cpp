// The record of a title in the shared base: its line, its place in the tree, the title keys
// every title-based name is made of, and what each of its readers takes of it.
#include "web/sharedbase/RecordOnEntryTab.h"
#include "web/sharedbase/SharedBookRecord.h"

#include <gtest/gtest.h>

using namespace sharedbase;

TEST(SharedBookRecord, TitleKeysKeepTheirStoredForm)
{
    const std::pair<const char*, const char*> cases[] = {
        {"  Le Petit Prince  ", "LE_PETIT_PRINCE"},
        {"L'école des loisirs", "L_ECOLE_DES_LOISIRS"},
        {"Tintin | Milou", "TINTIN__MILOU"},  // "|" goes after the underscores were collapsed
        {"Garçon !", "GARcON_"},               // accents go after the capitals: a small c stays
        {"Le Garçon", "LE_GARcON"},
        {"L'été", "L_ETE"},
        {"cœur", "CoEUR"},
        {"Mon chat", "MON_CHAT"},
    };
    for (const auto& [title, key] : cases)
        EXPECT_EQ(TitleBankKey(QString::fromUtf8(title)), QString::fromUtf8(key)) << title;
}

TEST(SharedBookRecord, ARecordLiesWhereItsCodeOrTitleSays)
{
    struct Case { const char* isbn13; const char* titre; const char* images; const char* folder; const char* name; };
    const Case cases[] = {
        {"9782070612758", "Le Petit Prince", "9782070612758.jpg", "/livres/9782070/", "9782070612758.txt"},
        {"00042", "Mon chat", "00042.jpg", "/livres/alpha/", "MON_CHAT.txt"},
        {"B00TEST123", "Un livre", "B00TEST123.jpg", "/livres/alpha/", "UN_LIVRE.txt"},
        // A press issue is named after its cover, which carries the issue number.
        {"3780123456789", "Le Journal", "3780123456789_00012.jpg", "/livres/3780123/", "3780123456789_00012.txt"},
        // Nothing to name it by: no record.
        {"00000", "", "", "/livres/alpha/", ""},
    };
    for (const Case& c : cases) {
        const RecordPlace place = recordPlace(QString::fromUtf8(c.isbn13), QString::fromUtf8(c.titre),
                                              QString::fromUtf8(c.images));
        EXPECT_EQ(place.folder, QString::fromUtf8(c.folder)) << c.isbn13;
        EXPECT_EQ(place.name, QString::fromUtf8(c.name)) << c.isbn13;
    }
}

TEST(SharedBookRecord, CoversGoToTheFolderTheirNameSays)
{
    EXPECT_EQ(coverFolder(QStringLiteral("9782070612758.jpg"), true), "9782070");
    EXPECT_EQ(coverFolder(QStringLiteral("LE_PETIT_PRINCE.jpg"), true), "alpha");
    // A title key beginning with a year has a digit third.
    EXPECT_EQ(coverFolder(TitleBankKey(QString::fromUtf8("2001 L'Odyssée")) + ".jpg", true), "2001_L_");
    EXPECT_EQ(coverFolder(QStringLiteral("B00123ABCD.jpg"), true), "B000000");
    EXPECT_EQ(coverFolder(QStringLiteral("B00123ABCD.jpg"), false), "B00123A");
}

TEST(SharedBookRecord, NoValueCanShiftTheValuesAfterIt)
{
    BookValues book;
    book.titre = QStringLiteral("x;y");
    book.isbn13 = QStringLiteral("9782070612758");
    book.auteur = QStringLiteral("Saint-Exupéry\r\nAntoine");
    book.resume = QStringLiteral("a;b|c\r\nd");
    book.prixClient = QStringLiteral("12,5");
    const QString line = recordLine(book);
    EXPECT_EQ(line, QString::fromUtf8("x y;9782070612758;Saint-Exupéry Antoine;;;;;;;;a b c d;;;12,5;1"));
    const QStringList values = recordValues(line);
    ASSERT_EQ(values.size(), RecordFieldCount);
    EXPECT_EQ(values[Price], "12,5");
    EXPECT_EQ(recordValues(QStringLiteral("Titre;123"))[Summary], "");
}

TEST(SharedBookRecord, EachContributionRaisesTheCountByOne)
{
    EXPECT_EQ(withRaisedCount(QStringLiteral("T;9782070612758;;;;;;;;;;;;;3")), "T;9782070612758;;;;;;;;;;;;;4");
    // A count that is no number counts as one.
    EXPECT_EQ(withRaisedCount(QStringLiteral("T;;;;;;;;;;;;;;abc")), "T;;;;;;;;;;;;;;2");
    EXPECT_EQ(withRaisedCount(QStringLiteral("T;;;;;;;;;;;;;;")), "T;;;;;;;;;;;;;;2");
}

TEST(SharedBookRecord, NamesThatCouldLeaveTheirFolderAreRefused)
{
    for (const char* name : {"9782070612758.jpg", "L_ECOLE.txt", "caf\xc3\xa9.txt"})
        EXPECT_TRUE(isSafeRemoteName(QString::fromUtf8(name))) << name;
    for (const char* name : {"", "../x.txt", "a/b.txt", "a\\b.jpg", "a\tb.jpg"})
        EXPECT_FALSE(isSafeRemoteName(QString::fromUtf8(name))) << name;
}

TEST(SharedBookRecord, EachReaderTakesTheValuesOfARecordItGives)
{
    const QStringList values = recordValues(
        QString::fromUtf8("Le Petit Prince;9999999999999;Saint-Exupéry;Gallimard;1999;96;../x.jpg;.ROSE;LIVRE;Conte;"
                          "Un aviateur.;aviateur;français;8,50;3"));
    const QString code = QStringLiteral("9782070612758");
    const struct {
        const char* name;
        RecordReader reader;
        std::optional<QString> shownCode, barcode, summary, keywords;
        QString coverName;
    } cases[] = {
        // The record's own code and its unsafe cover name are not taken.
        {"shared base", RecordReader::SharedBase, std::nullopt, QStringLiteral("9782070612758"),
         QStringLiteral("Un aviateur."), std::nullopt, code + QStringLiteral(".jpg")},
        {"image bank", RecordReader::ImageBank, std::nullopt, QStringLiteral("9782070612758"),
         QStringLiteral("Un aviateur."), QStringLiteral("aviateur"), code + QStringLiteral(".jpg")},
        // A book found by its title keeps no code.
        {"shared title bank", RecordReader::SharedTitleBank, QString(), QString(), std::nullopt, std::nullopt,
         QStringLiteral(".jpg")},
        {"local title bank", RecordReader::LocalTitleBank, QString(), QString(), QStringLiteral("Un aviateur."),
         QStringLiteral("aviateur"), QStringLiteral(".jpg")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const web::BookRecord record = recordOnEntryTab(values, c.reader, code);
        EXPECT_EQ(record.found, true);
        EXPECT_EQ(record.title, QStringLiteral("Le Petit Prince"));
        EXPECT_EQ(record.author, QString::fromUtf8("Saint-Exupéry"));
        EXPECT_EQ(record.published, QStringLiteral("1999"));
        EXPECT_EQ(record.code, c.shownCode);
        EXPECT_EQ(record.barcodeText.has_value(), c.barcode.has_value());
        EXPECT_EQ(record.coverName, c.coverName);
        EXPECT_EQ(record.descriptors, QStringLiteral(".ROSE"));
        EXPECT_EQ(record.type, QStringLiteral("LIVRE"));
        EXPECT_EQ(record.genre, QStringLiteral("Conte"));
        EXPECT_EQ(record.summary, c.summary);
        EXPECT_EQ(record.keywords, c.keywords);
        EXPECT_EQ(record.price.has_value(), c.keywords.has_value());
    }
    // A record without a title does not count as found.
    EXPECT_FALSE(
        recordOnEntryTab(recordValues(QStringLiteral(";x")), RecordReader::SharedBase, code).found.has_value());
}
