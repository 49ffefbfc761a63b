#include "app/TextRoutines.h"

#include "platform/files/FileError.h"
#include "platform/files/WindowsPath.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TextRoutines, ReplaceAllRescansFromTheStart)
{
    struct Case { QString s, oldText, newText, expected; };
    const Case cases[] = {
        {"a___b", "__", "_", "a_b"},
        {"a     b  c", "  ", " ", "a b c"},
        {"Ete", "e", "E", "EtE"},
        {"abc", "", "x", "abc"},
        {"", "a", "b", ""},
        // A new text holding the old one would never end: each occurrence is replaced once.
        {"a.b.c", ".", "..", "a..b..c"},
        {"xx", "x", "xy", "xyxy"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceAll(c.s, c.oldText, c.newText), c.expected) << c.s.toStdString();
}

TEST(TextRoutines, AccentRemoval)
{
    EXPECT_EQ(RemoveAccents("Ñandú"), "Nandu");
    EXPECT_EQ(RemoveAccents("ÀÁÂÃÄÅàáâãäåÒÓÔÕÖØòóôõöøÈÉÊËèéêëÇçÌÍÎÏìíîïÙÚÛÜùúûüÿÑñ"),
              "AAAAAAaaaaaaOOOOOOooooooEEEEeeeeCcIIIIiiiiUUUUuuuuyNn");
    EXPECT_EQ(RemoveAccents("Œœ"), "Œœ");

    struct Case { QString s, expected; };
    const Case french[] = {
        {"cœur", "coeur"}, {"Œuvre", "Œuvre"}, {"N°12", "N12"}, {"Â°", "A"}, {"Ã©tÃ©", "ete"},
        {"éèêëàâäçîÎÏïôöÖÔùûüÙÀÇÉÈÊËÂ", "eeeeaaaciIIiooOOuuuUACEEEEA"},
        {"áóÛÜŸ", "áóÛÜŸ"}, {"Ãª Ã¨ Ã«", "e e e"},
    };
    for (const Case& c : french)
        EXPECT_EQ(RemoveFrenchAccents(c.s), c.expected) << c.s.toStdString();
}

// Every character handled, alone and beside others, and where the two-unit forms left by a
// wrong decoding meet the single characters; every other character is left as it is.
TEST(TextRoutines, FrenchAccentRemovalCases)
{
    struct Case { QString s, expected; };
    const Case cases[] = {
        {"", ""}, {"Le Petit Prince 2", "Le Petit Prince 2"},
        {"é", "e"}, {"è", "e"}, {"ê", "e"}, {"ë", "e"}, {"à", "a"}, {"â", "a"}, {"ä", "a"},
        {"ç", "c"}, {"î", "i"}, {"Î", "I"}, {"Ï", "I"}, {"ï", "i"}, {"ô", "o"}, {"ö", "o"},
        {"Ö", "O"}, {"Ô", "O"}, {"œ", "oe"}, {"ù", "u"}, {"û", "u"}, {"ü", "u"}, {"Ù", "U"},
        {"À", "A"}, {"Ç", "C"}, {"É", "E"}, {"È", "E"}, {"Ê", "E"}, {"Ë", "E"}, {"Â", "A"},
        {"Ãª", "e"}, {"Ã©", "e"}, {"Ã¨", "e"}, {"Ã«", "e"}, {"°", ""}, {"°°", ""},
        {"Élément de titre n°4999", "Element de titre n4999"},
        {"Œœ", "Œoe"}, {"œœ", "oeoe"}, {"ÃÃ©", "Ãe"}, {"Ã©©", "e©"}, {"Ã", "Ã"}, {"ª©¨«", "ª©¨«"},
        // A degree sign between the two units does not make them one character.
        {"Ã°©", "Ã©"}, {"Ã°ª", "Ãª"}, {"Â°©", "A©"}, {"ÂÃ©", "Ae"},
        {"ÿÁÑ€", "ÿÁÑ€"}, {QString::fromUtf16(u"\U0001F600é"), QString::fromUtf16(u"\U0001F600e")},
        {QString::fromUtf16(u"é\u0301"), QString::fromUtf16(u"e\u0301")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RemoveFrenchAccents(c.s), c.expected) << c.s.toStdString();

    QString handled;
    for (const Case& c : cases)
        if (c.s.size() == 1 && c.s != c.expected)
            handled += c.s;
    for (char32_t u = 0; u < 0x10000; ++u) {
        const QString one{QChar(char16_t(u))};
        if (!handled.contains(one)) {
            ASSERT_EQ(RemoveFrenchAccents(one), one) << int(u);
        }
    }
}

TEST(TextRoutines, SafeFileNames)
{
    EXPECT_EQ(ToSafeFileName("L'été: 1/2"), "L_ete__1_2");
    EXPECT_EQ(ToSafeFileName(" '[]():-?,!%/\\.\";"), QString(17, u'_'));
    EXPECT_EQ(ToSafeFileName("Le Petit Prince (tome 1).jpg"), "Le_Petit_Prince__tome_1__jpg");
}

TEST(TextRoutines, CharacterFilters)
{
    EXPECT_EQ(ControlCharsToSpaces("a\r\nb\t\x01"), "a  b  ");
    EXPECT_EQ(KeepDigitsAndX("2-07-x"), "207");
    EXPECT_EQ(KeepDigitsAndX("2-07-X ١"), "207X");
    EXPECT_EQ(KeepDigitsAndComma("12,50 €"), "12,50");
    EXPECT_EQ(Spaces(3), "   ");
    EXPECT_EQ(CarriageReturns(2), "\r\r");
    for (int n : {0, -1}) {
        EXPECT_EQ(Spaces(n), "");
        EXPECT_EQ(CarriageReturns(n), "");
    }
}

TEST(TextRoutines, AzertyDigits)
{
    EXPECT_EQ(FixAzertyDigits("à&é\"'(-è_ç"), "0123456789");
    for (const QString& s : QStringList{"à&é\"'(-è_ç", "978abcXYZ09", "", "é-é_"}) {
        EXPECT_EQ(FixAzertyDigitsByChar(s), FixAzertyDigits(s));
    }
    EXPECT_EQ(FixAzertyDigits("E12A"), "E12A");
}

TEST(TextRoutines, TextAfterAndBefore)
{
    EXPECT_EQ(TextAfter(".", "a.b.c"), "b.c");
    EXPECT_EQ(TextBefore(".", "a.b.c"), "a");
    EXPECT_EQ(TextAfter(".", "abc"), "");
    EXPECT_EQ(TextBefore(".", "abc"), "");
    EXPECT_EQ(TextBefore(".", ".abc"), "");
    EXPECT_EQ(TextAfter("", "a.b"), "");
    EXPECT_EQ(TextBefore("", "a.b"), "");
}

TEST(TextRoutines, FileSizeText)
{
    QTemporaryDir dir;
    files::setProgramFolder(dir.path());
    struct Case { qint64 size; QString expected; };
    const Case cases[] = {{0, "0"}, {1048575, "1048575"}, {1048576, "1"}, {2000000, "2"}, {2621440, "3"}};
    for (const Case& c : cases) {
        const QString path = dir.filePath("f.bin");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(c.size));
        f.close();
        EXPECT_EQ(FileSizeText("0", files::windowsPath(path)), c.expected) << c.size;
    }
    EXPECT_EQ(FileSizeText("0", ""), "");
    EXPECT_THROW(FileSizeText("0", files::windowsPath(dir.filePath("missing.bin"))), files::FileError);
}
