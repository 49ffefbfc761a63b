#include "platform/text/TextLines.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace text;

TEST(TextLines, SplitAcceptsEveryLineEnd)
{
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n"), QStringList({"a"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), QStringList({"a", "", "b"}));
    EXPECT_TRUE(splitLines("").isEmpty());
}

TEST(TextLines, FilesAreWindows1252WithCrLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.txt");
    ASSERT_TRUE(writeTextLines(path, {"Prêt", "Œuvre"}));
    ASSERT_TRUE(appendTextLines(path, {"€"}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Pr\xEAt\r\n\x8Cuvre\r\n\x80\r\n"));
    QStringList lines;
    ASSERT_TRUE(readTextLines(path, lines));
    EXPECT_EQ(lines, QStringList({"Prêt", "Œuvre", "€"}));
    EXPECT_FALSE(readTextLines(dir.filePath("missing.txt"), lines));
}

TEST(TextLines, AScratchFileIsReplacedAndLeavesNothingBeside)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("9782070612758.txt");
    ASSERT_TRUE(writeScratchTextLines(path, {"Première;version"}));
    ASSERT_TRUE(writeScratchTextLines(path, {"Œuvre;2"}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\x8Cuvre;2\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"9782070612758.txt"});
    EXPECT_FALSE(writeScratchTextLines(dir.filePath("no-folder/x.txt"), {"x"}));
}
