#include "pupils/PupilFile.h"

#include "platform/text/Windows1252.h"

#include <gtest/gtest.h>

namespace {

using pupils::PupilCsvHeader;

struct HeaderCase {
    const char* header;
    int surname;
    int firstName;
    int className;
};

class PupilCsvHeaderCase : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(PupilCsvHeaderCase, ColumnsAreFoundByTheirNamesAmongTheFirst19EndedFields)
{
    const HeaderCase c = GetParam();
    const PupilCsvHeader h = pupils::readPupilCsvHeader(QString::fromUtf8(c.header));
    EXPECT_EQ(h.surname, c.surname);
    EXPECT_EQ(h.firstName, c.firstName);
    EXPECT_EQ(h.className, c.className);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, PupilCsvHeaderCase,
    ::testing::Values(
        HeaderCase{"Nom élève;Prénom élève;Date naissance;Libellé classe;", 1, 2, 4},
        HeaderCase{"\"INE\";\"Nom élève\";\"Prénom élève\";\"Sexe\";\"Libellé classe\";\"Niveau\";", 2, 3, 5},
        HeaderCase{"EmpNom;EmpPrenom;Classe;", 1, 2, 3},
        // The last field without its ";" is not read.
        HeaderCase{"Nom élève;Prénom élève;Libellé classe", 1, 2, 0},
        // Only the first 19 fields.
        HeaderCase{"a;b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;Nom élève;Prénom élève;Classe;", 19, 0, 0}));

TEST(PupilCsv, ValuesAreCutTo20ThenTrimmedAndTheSurnameUpperCased)
{
    const auto file = pupils::readPupilCsv({
        QStringLiteral("Nom élève;Prénom élève;Libellé classe;"),
        QStringLiteral("Dupont-Durand de la Martinière;  Léa ;CM1 ;"),
        QStringLiteral("\"martin\";\"Hugo\";\"CE2\";"),
    });
    ASSERT_TRUE(file);
    ASSERT_EQ(file->pupils.size(), 2u);
    EXPECT_EQ(file->pupils[0].surname, QStringLiteral("DUPONT-DURAND DE LA"));
    EXPECT_EQ(file->pupils[0].firstName, QStringLiteral("Léa"));
    EXPECT_EQ(file->pupils[0].className, QStringLiteral("CM1"));
    EXPECT_EQ(file->pupils[1].surname, QStringLiteral("MARTIN"));
    EXPECT_EQ(file->pupils[1].lineNumber, 3);
    EXPECT_TRUE(file->skippedLines.isEmpty());
}

TEST(PupilCsv, LinesWithoutSurnameOrFirstNameAreSkippedByNumberAndBlankLinesIgnored)
{
    const auto file = pupils::readPupilCsv({
        QStringLiteral("EmpNom;EmpPrenom;Classe;"),
        QStringLiteral("LEROY;Emma;CP;"),
        QStringLiteral(""),
        QStringLiteral(";Jules;CP;"),
        QStringLiteral("BERNARD"),
        QStringLiteral("PETIT;Lina;;"),
    });
    ASSERT_TRUE(file);
    ASSERT_EQ(file->pupils.size(), 2u);
    EXPECT_EQ(file->pupils[1].surname, QStringLiteral("PETIT"));
    EXPECT_EQ(file->pupils[1].className, QString());
    EXPECT_EQ(file->skippedLines, (QList<int>{4, 5}));
}

TEST(PupilCsv, AFileWithoutTheHeaderIsRefused)
{
    EXPECT_FALSE(pupils::readPupilCsv({QStringLiteral("Nom;Prénom;Classe;"), QStringLiteral("A;B;C;")}));
    EXPECT_FALSE(pupils::readPupilCsv({}));
}

TEST(PupilFileLines, Windows1252AndUtf8FilesReadAlike)
{
    const QString text = QStringLiteral("Nom élève;Prénom élève;Libellé classe;\r\nGÉRARD;Zoé;CM2;\r\n");
    const QStringList expected{QStringLiteral("Nom élève;Prénom élève;Libellé classe;"), QStringLiteral("GÉRARD;Zoé;CM2;")};
    EXPECT_EQ(pupils::pupilFileLines(text::encodeWindows1252(text)), expected);
    EXPECT_EQ(pupils::pupilFileLines(text.toUtf8()), expected);
    EXPECT_EQ(pupils::pupilFileLines("\xEF\xBB\xBF" + text.toUtf8()), expected);
    EXPECT_EQ(pupils::pupilFileLines(QStringLiteral("a;\nb;\n").toLatin1()), (QStringList{"a;", "b;"}));
}

TEST(PupilText, TheMailIsTheFifthFieldOrTheSixthWhenAFifthIsEnded)
{
    const pupils::PupilFile file = pupils::readPupilText({
        QStringLiteral("Nom;Prénom;Classe;Ecole;Mail"),
        QStringLiteral("durand;Paul;CM1;Ecole Jules Ferry;paul@example.org"),
        QStringLiteral("roux;Anna;CE1;Ecole Jules Ferry;tuteur;anna@example.org"),
        QStringLiteral(""),
        QStringLiteral("%1;%2;%3;%4;%5").arg(QString(25, u'n'), QString(25, u'p'), QString(25, u'c'), QString(60, u's'), QString(60, u'm')),
        QStringLiteral(";sans nom;CP;;"),
    });
    ASSERT_EQ(file.pupils.size(), 3u);
    EXPECT_EQ(file.pupils[0].surname, QStringLiteral("DURAND"));
    EXPECT_EQ(file.pupils[0].school, QStringLiteral("Ecole Jules Ferry"));
    EXPECT_EQ(file.pupils[0].mail, QStringLiteral("paul@example.org"));
    EXPECT_EQ(file.pupils[1].mail, QStringLiteral("anna@example.org"));
    EXPECT_EQ(file.pupils[2].surname, QString(20, u'N'));
    EXPECT_EQ(file.pupils[2].className, QString(20, u'c'));
    EXPECT_EQ(file.pupils[2].school, QString(50, u's'));
    EXPECT_EQ(file.pupils[2].mail, QString(50, u'm'));
    EXPECT_EQ(file.skippedLines, QList<int>{6});
}

}  // namespace
