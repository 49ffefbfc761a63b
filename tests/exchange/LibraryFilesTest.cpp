// The library layout out and in: the export's cleaning and the import's rules on each field.
#include "tests/exchange/ExchangeDatabase.h"

#include "app/BackupCsvExport.h"
#include "app/CsvValue.h"
#include "exchange/LibraryExport.h"
#include "exchange/LibraryImport.h"
#include "exchange/SpreadsheetText.h"
#include "platform/text/TextLines.h"
#include "platform/text/Windows1252.h"

#include <QMap>

namespace {

using namespace exchange;

// A data line of the layout: every column empty but those given.
QString libraryLine(const QMap<QString, QString>& values)
{
    QStringList line;
    for (const QString& name : app::backupCsvHeader().split(u';'))
        line << values.value(name);
    return line.join(u';');
}

QString column(const LibraryRecord& r, const char* name)
{
    return r.values.at(app::backupCsvHeader().split(u';').indexOf(QString::fromLatin1(name)));
}

QStringList fileLines(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    EXPECT_FALSE(bytes.contains("\n") && bytes.count("\r\n") != bytes.count("\n")) << "every line ends with CR LF";
    return text::splitLines(text::decodeWindows1252(bytes));
}

TEST(SpreadsheetText, ValuesCannotBreakLinesOrAddColumns)
{
    EXPECT_EQ(app::csvValue(QStringLiteral("a;b\r\nc\td~e"), app::CsvRule::Lists), QStringLiteral("a/b  c d~e"));
    EXPECT_EQ(csvLine({QStringLiteral("x;y"), QString(), QStringLiteral("z")}), QStringLiteral("x/y;;z"));
    for (const char* formula : {"=1+1", "+33 1", "-2", "@SUM(A1)"})
        EXPECT_EQ(spreadsheetValue(QString::fromLatin1(formula)), u'\'' + QString::fromLatin1(formula));
    EXPECT_EQ(spreadsheetValue(QStringLiteral("a=b")), QStringLiteral("a=b"));
    EXPECT_EQ(spreadsheetValue(QString()), QString());
}

TEST(LibraryImportRules, FieldsAreRuledAsTheLayoutSays)
{
    const auto r = readLibraryLine(libraryLine({{"Titre", QString(80, u'T')}, {"Auteur", QString(45, u'a')},
                                                {"Descripteur", QStringLiteral("CONTE")}, {"Type", QStringLiteral("DVD")},
                                                {"Isbn13", QStringLiteral("978-2-07-054090-7")},
                                                {"Langue", QStringLiteral("fr \"x\"")}, {"Resume", QStringLiteral("dit \"oui\"")}}));
    ASSERT_TRUE(r);
    EXPECT_EQ(column(*r, "Titre"), QString(60, u'T'));
    EXPECT_EQ(column(*r, "Auteur"), QString(40, u'a'));
    EXPECT_EQ(column(*r, "Descripteur"), QStringLiteral(".CONTE"));
    EXPECT_EQ(column(*r, "Type"), QStringLiteral("LIVRE"));
    EXPECT_EQ(column(*r, "Isbn13"), QStringLiteral("9782070540907"));
    EXPECT_EQ(column(*r, "Isbn10"), QStringLiteral("2070540901"));
    EXPECT_EQ(column(*r, "CodeBarres").size(), 15);
    EXPECT_EQ(column(*r, "NbrExemplaire"), QStringLiteral("1"));
    EXPECT_EQ(column(*r, "NumEmprunteur"), QStringLiteral("0"));
    EXPECT_EQ(column(*r, "Resume"), QStringLiteral("dit  oui "));
    EXPECT_EQ(column(*r, "Langue"), QStringLiteral("fr \"x\""));

    const auto untitled = readLibraryLine(libraryLine({{"CodeBarres", QStringLiteral("*X*")}}));
    ASSERT_TRUE(untitled);
    EXPECT_EQ(column(*untitled, "Titre"), kUntitledBook);
    EXPECT_EQ(column(*untitled, "Descripteur"), QStringLiteral("."));
    EXPECT_EQ(column(*untitled, "Isbn13"), QStringLiteral("00000"));
    EXPECT_EQ(column(*untitled, "CodeBarres"), QStringLiteral("*X*"));
}

TEST(LibraryImportRules, OnlyLinesOfTwentySixColumnsAreRecords)
{
    EXPECT_FALSE(readLibraryLine(QString()));
    EXPECT_FALSE(readLibraryLine(libraryLine({{"Titre", QStringLiteral("a~b")}}).replace(u'~', u';')));
    EXPECT_FALSE(readLibraryLine(QString(24, u';')));
    EXPECT_TRUE(readLibraryLine(QString(25, u';')));
}

TEST(LibraryImportRules, CodesOfEveryLength)
{
    struct Case {
        const char* isbn10;
        const char* isbn13;
        const char* expected10;
        const char* expected13;
    };
    const Case cases[] = {
        {"", "", "", "00000"},
        {"", "12", "", "00012"},
        {"", "1234567", "", "34567"},
        {"", "207054090X", "", "9782070540907"},
        {"2070540901", "", "2070540901", "9782070540907"},
        {"", "12345678901", "", "12345678901"},
        {"", "9791034724525", "", "9791034724525"},      // no ISBN-10, and never turned into a 978 code
        {"", "97820705409X1", "", "97820705409X1"},      // unreadable: kept, the import goes on
        {"", "97820705409012", "", "97820705409012"},
        {"X", "ab-12", "X", "00012"},
    };
    for (const Case& c : cases) {
        QString isbn10 = QString::fromLatin1(c.isbn10);
        QString isbn13 = QString::fromLatin1(c.isbn13);
        ruleCodes(isbn10, isbn13);
        EXPECT_EQ(isbn10, QString::fromLatin1(c.expected10)) << c.isbn13;
        EXPECT_EQ(isbn13, QString::fromLatin1(c.expected13)) << c.isbn13;
    }
}

TEST(LibraryImportRules, BooleansAreValuesNeverStatementText)
{
    EXPECT_TRUE(libraryBoolean(QStringLiteral("Vrai"), false));
    EXPECT_TRUE(libraryBoolean(QStringLiteral("-1"), false));
    EXPECT_FALSE(libraryBoolean(QStringLiteral("Faux"), true));
    EXPECT_FALSE(libraryBoolean(QStringLiteral("false"), true));
    EXPECT_TRUE(libraryBoolean(QString(), true));
    EXPECT_FALSE(libraryBoolean(QStringLiteral("1) , (SELECT 1"), false));
}

class LibraryImport : public ExchangeDatabase {};

TEST_F(LibraryImport, RefusedLinesAreSkippedAndCountedTheOthersAdded)
{
    const QStringList lines{
        libraryLine({{"Titre", QStringLiteral("Bon")}, {"Empruntable", QStringLiteral("Faux")},
                     {"MaxExemplaire", QStringLiteral("Faux")}, {"IMP_CodeBarres", QStringLiteral("Vrai")}}),
        libraryLine({{"Titre", QStringLiteral("Nom trop long")}, {"EmpNom", QString(21, u'n')}}),
        libraryLine({{"Titre", QStringLiteral("Pas un nombre")}, {"NbrExemplaire", QStringLiteral("deux")}}),
        QString(),
        libraryLine({{"Titre", QStringLiteral("O'Hara'), ('x') --")}, {"Empruntable", QStringLiteral("True) --")}}),
    };
    const ImportReport report = importLibraryLines(*connection, lines);
    EXPECT_EQ(report.added, 2);
    EXPECT_EQ(report.skipped, 3);
    EXPECT_EQ(rows(QStringLiteral("Select * From Table1 ORDER BY numlivre"),
                   {"Titre", "Empruntable", "MaxExemplaire", "IMP_CodeBarres", "Type"}),
              (QStringList{QStringLiteral("Bon|Faux|Faux|Vrai|LIVRE"),
                           QStringLiteral("O'Hara'), ('x') --|Vrai|Vrai|Faux|LIVRE")}));
}

TEST_F(LibraryImport, CopiesCodedOneTakeTheirBookNumber)
{
    connection->execute(QStringLiteral("Insert into Table1 (Titre,Isbn13) Values ('a','1')"));
    connection->execute(QStringLiteral("Insert into Table1 (Titre,Isbn13) Values ('b','2')"));
    numberCopiesMarkedOne(*connection);
    EXPECT_EQ(rows(QStringLiteral("Select * From Table1 ORDER BY numlivre"), {"Isbn13", "CodeBarres"}),
              (QStringList{QStringLiteral("00001|*00001*"), QStringLiteral("2|")}));
}

class LibraryExport : public ExchangeDatabase {};

TEST_F(LibraryExport, FilesKeepOneLinePerCopyWhateverTheValues)
{
    connection->execute(QStringLiteral(
        "Insert into Table1 (Titre,Resume,Isbn13,NbrExemplaire,MaxExemplaire,Type) Values ('A;B~C','l1\r\nl2','',1,True,'LIVRE')"));
    connection->execute(QStringLiteral("Insert into Table1 (Titre,Isbn13,NbrExemplaire,Auteur) Values ('',"
                                       "'9782070540901',2,'=HYPERLINK(x)')"));
    connection->execute(QStringLiteral("Insert into Table1 (Titre,Isbn13,NbrExemplaire,Auteur) Values ('Z',"
                                       "'9782070540902',0,'=HYPERLINK(x)')"));
    repairBeforeExport(*ars);
    EXPECT_EQ(rows(QStringLiteral("Select * From Table1 ORDER BY numlivre"), {"Titre", "Isbn13"}),
              (QStringList{QStringLiteral("A;B~C|1"), kUntitledBook + QStringLiteral("|9782070540901"),
                           QStringLiteral("Z|9782070540902")}));

    const QString library = dir.filePath(QStringLiteral("Bibliotheque.csv"));
    writeLibraryCsv(*ars, library);
    const QStringList lines = fileLines(library);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], app::backupCsvHeader());
    for (const QString& line : lines)
        EXPECT_EQ(line.count(u';'), 25) << line.toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("A/B~C;")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral(";l1  l2;")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral(";Vrai;")));
    EXPECT_TRUE(lines[2].contains(QStringLiteral(";=HYPERLINK(x);")));  // read back by the import: kept

    const QString titles = dir.filePath(QStringLiteral("export_bib.csv"));
    writeTitleExport(*ars, titles);
    const QStringList titleLines = fileLines(titles);
    ASSERT_EQ(titleLines.size(), 3);
    EXPECT_EQ(titleLines[0].count(u';'), 16);
    EXPECT_TRUE(titleLines[1].startsWith(QStringLiteral("A/B~C;")));
    EXPECT_TRUE(titleLines[1].endsWith(QStringLiteral(";Nb.Ex")));
    EXPECT_EQ(titleLines[1].count(u';'), 17);
    EXPECT_TRUE(titleLines[2].startsWith(QStringLiteral("Z;'=HYPERLINK(x);")));
}

TEST_F(LibraryExport, EmptyTableGivesTheHeadersOnly)
{
    writeLibraryCsv(*ars, dir.filePath(QStringLiteral("b.csv")));
    writeTitleExport(*ars, dir.filePath(QStringLiteral("e.csv")));
    EXPECT_EQ(fileLines(dir.filePath(QStringLiteral("b.csv"))), QStringList{app::backupCsvHeader()});
    EXPECT_EQ(fileLines(dir.filePath(QStringLiteral("e.csv"))).size(), 1);
}

}  // namespace
