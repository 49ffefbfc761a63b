// Records of the other program's export: values between tildes, the code choices, the books
// left without code.
#include "tests/exchange/ExchangeDatabase.h"

#include "exchange/BcdiImport.h"

namespace {

using namespace exchange;

QString record(const QStringList& values)
{
    QString line = QStringLiteral("<tr>");
    for (const QString& v : values)
        line += QStringLiteral("<td>~") + v + QStringLiteral("~</td>");
    return line + QStringLiteral("</tr>");
}

// Title, author, publisher, descriptors, ISBN-10, type, genre, code, pages, date, copies, summary, price, copy number.
QStringList values(const QString& title, const QString& type, const QString& code, const QString& copyNumber)
{
    return {title, QStringLiteral("Auteur"), QStringLiteral("Ed"), QStringLiteral("conte/loup"), QString(), type,
            QStringLiteral("ROMAN"), code, QStringLiteral("32"), QStringLiteral("2001"), QStringLiteral("1"),
            QStringLiteral("Résumé"), QString(), copyNumber};
}

TEST(BcdiValues, TildesDelimitValues)
{
    EXPECT_EQ(bcdiValues(QStringLiteral("x~ a ~y~b\"c~z"), 3), (QStringList{"a", "b c", ""}));
    EXPECT_EQ(bcdiValues(QStringLiteral("<html><body>"), 2), (QStringList{"", ""}));
    EXPECT_EQ(bcdiValues(QStringLiteral("~a~~b"), 2), (QStringList{"a", ""}));
}

TEST(BcdiRecords, CodeChoices)
{
    struct Case {
        BcdiCodes codes;
        const char* code;
        const char* copyNumber;
        const char* isbn13;
        int barcodeLength;
        const char* images;
    };
    const Case cases[] = {
        {BcdiCodes::KeepCopyNumbers, "9782070540901", "42", "00042", 7, "9782070540901.jpg"},
        {BcdiCodes::KeepCopyNumbers, "2070540901", "42", "00042", 7, ""},
        {BcdiCodes::KeepIsbn13, "2070540901", "42", "2070540901", 0, ""},
        {BcdiCodes::KeepIsbn13, "9782070540901", "42", "9782070540901", 15, "9782070540901.jpg"},
        {BcdiCodes::KeepIsbn13, "", "123456", "123456", 8, ""},
    };
    for (const Case& c : cases) {
        const auto r = readBcdiLine(record(values(QStringLiteral("T"), QStringLiteral("LIVRE"), QString::fromLatin1(c.code),
                                                  QString::fromLatin1(c.copyNumber))),
                                    c.codes);
        ASSERT_TRUE(r) << c.code;
        EXPECT_EQ(r->values[7], QString::fromLatin1(c.isbn13)) << c.code;
        EXPECT_EQ(r->values[14].size(), c.barcodeLength) << c.code;
        EXPECT_EQ(r->values[15], QString::fromLatin1(c.images)) << c.code;
    }
}

TEST(BcdiRecords, TypeBecomesKeywordAndNothingCarriesOver)
{
    const auto other = readBcdiLine(record(values(QStringLiteral("T"), QStringLiteral("revue é"), QString(), QStringLiteral("7"))),
                                    BcdiCodes::KeepIsbn13);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->values[5], QStringLiteral("LIVRE"));
    EXPECT_EQ(other->values[12], QStringLiteral("REVUE é"));
    EXPECT_EQ(other->values[3], QStringLiteral("CONTE.LOUP"));
    EXPECT_EQ(other->values[13], QStringLiteral("0"));
    const auto book = readBcdiLine(record(values(QStringLiteral("U"), QStringLiteral("livre"), QString(), QStringLiteral("8"))),
                                   BcdiCodes::KeepIsbn13);
    ASSERT_TRUE(book);
    EXPECT_EQ(book->values[12], QString());
}

TEST(BcdiRecords, LinesWithoutTitleOrCodeAreNoRecords)
{
    EXPECT_FALSE(readBcdiLine(QStringLiteral("<table border=1>"), BcdiCodes::KeepIsbn13));
    EXPECT_FALSE(readBcdiLine(record(values(QString(), QStringLiteral("LIVRE"), QStringLiteral("9782070540901"), QStringLiteral("1"))),
                              BcdiCodes::KeepIsbn13));
    EXPECT_FALSE(readBcdiLine(record(values(QStringLiteral("T"), QStringLiteral("LIVRE"), QString(), QStringLiteral("0"))),
                              BcdiCodes::KeepIsbn13));
    EXPECT_FALSE(readBcdiLine(record(values(QStringLiteral("T"), QStringLiteral("LIVRE"), QStringLiteral("9782070540901"), QString())),
                              BcdiCodes::KeepCopyNumbers));
}

class BcdiImport : public ExchangeDatabase {};

TEST_F(BcdiImport, EveryPendingBookIsNumbered)
{
    for (const char* title : {"a", "b", "c"})
        connection->execute(QStringLiteral("Insert into Table1 (Titre,Isbn13) Values (?,'00000')"), {title});
    numberPendingBooks(*connection);
    EXPECT_EQ(rows(QStringLiteral("Select * From Table1 ORDER BY numlivre"), {"Isbn13", "CodeBarres", "IMP_CodeBarres"}),
              (QStringList{"00001|*00001*|Vrai", "00002|*00002*|Vrai", "00003|*00003*|Vrai"}));
}

// The markup around the records and blank lines are no records: only the record refused counts.
TEST_F(BcdiImport, RecordsAreAddedRefusedRecordsCounted)
{
    QStringList copies = values(QStringLiteral("Trop"), QStringLiteral("LIVRE"), QString(), QStringLiteral("9"));
    copies[10] = QStringLiteral("beaucoup");
    const QStringList lines{QStringLiteral("<html>"), record(values(QStringLiteral("A"), QStringLiteral("LIVRE"), QString(), QStringLiteral("3"))),
                            record(copies), QString()};
    const ImportReport report = importBcdiLines(*connection, lines, BcdiCodes::KeepIsbn13);
    EXPECT_EQ(report.added, 1);
    EXPECT_EQ(report.skipped, 1);
    EXPECT_EQ(rows(QStringLiteral("Select * From Table1"), {"Titre", "Isbn13", "Genre"}), QStringList{"A|00003|ROMAN"});
    EXPECT_EQ(importBcdiLines(*connection, {}, BcdiCodes::KeepIsbn13).added, 0);
}

}  // namespace
