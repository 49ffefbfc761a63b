#include "platform/richtext/RichEditContent.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"
#include "tests/platform/richtext/RichTextFixture.h"

#include <gtest/gtest.h>

#include <QFile>

namespace richtext {
namespace {

using testing::format;

Document varied()
{
    Document d;
    d.page = PageSetup{12240, 15840, 1440, 720, 1080, 360};
    d.append(QStringLiteral("9782070612758"), format("Code EAN13", 40));
    d.append(QStringLiteral("   *I12*\n\r"), format("c39hrp36dltt", 30));
    CharFormat styled = format("Times New Roman", 12, qRgb(200, 10, 30));
    styled.bold = styled.italic = styled.underline = true;
    d.append(QStringLiteral("Brace { back \\ slash } é€ Ω\ttab\u2028line"), styled);
    ParagraphFormat centred;
    centred.alignment = Alignment::Center;
    centred.leftIndent = 720;
    centred.rightIndent = 360;
    centred.firstLineIndent = -200;
    centred.tabStops = {1000, 3000};
    d.append(QStringLiteral("\r\n"), format("Arial", 9));
    d.setParagraphFormat(centred);
    d.append(QStringLiteral("Centré"), format("Arial", 9));
    d.append(QStringLiteral("\fAprès le saut\r\n\r\n"), format("Courier New", 8));
    return d;
}

TEST(Rtf, WhatIsWrittenReadsBackEqual)
{
    const std::vector<Document> cases = {Document(), testing::lines(1), testing::lines(3), varied()};
    for (const Document& d : cases) {
        const QByteArray rtf = writeRtf(d);
        EXPECT_EQ(readRtf(rtf), d) << rtf.toStdString();
    }
}

TEST(Rtf, LabelRunsAreWrittenByFaceAndHalfPointsWithOneParPerEnd)
{
    Document d;
    d.append(QStringLiteral("9782070612758   "), format("Code EAN13", 40));
    d.append(QStringLiteral("\n\rLe petit prince      \n\r"), format("Courier New", 8));
    const QByteArray rtf = writeRtf(d);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    EXPECT_TRUE(rtf.contains("{\\f0\\fnil\\fcharset0 Code EAN13;}{\\f1\\fnil\\fcharset0 Courier New;}"));
    EXPECT_TRUE(rtf.contains("\\paperw11908\\paperh16832\\margl172\\margr216\\margt172\\margb737"));
    // A word processor would widen blanks written side by side: each blank after a blank stands behind "{}".
    EXPECT_TRUE(rtf.contains("\\plain\\f0\\fs80\\cf1 9782070612758 {} {} \\plain\\f1\\fs16\\cf1 \\par"));
    EXPECT_TRUE(rtf.contains("Le petit prince {} {} {} {} {} \\par"));
    EXPECT_FALSE(rtf.contains("  "));
    EXPECT_EQ(rtf.count("\\par\r\n"), 4);
    EXPECT_EQ(d.plainText(), QStringLiteral("9782070612758   \r\n\r\nLe petit prince      \r\n\r\n"));
}

TEST(Rtf, EndsOfTheControlsTextFollowItsCharacters)
{
    // CR LF is one end; LF CR is two.
    const struct { QString text; int paragraphs; } cases[] = {
        {QStringLiteral("a\r\nb"), 2}, {QStringLiteral("a\n\rb"), 3}, {QStringLiteral("a\rb\nc"), 3},
        {QStringLiteral(""), 1}, {QStringLiteral("\r\n"), 2},
    };
    for (const auto& c : cases) {
        const Document d = documentOf({ui::TextRun{c.text, ui::Font()}});
        EXPECT_EQ(int(d.paragraphs().size()), c.paragraphs) << c.text.toStdString();
        EXPECT_EQ(documentOf(runsOf(d)), d);
    }
}

TEST(Rtf, AWordProcessorsCopyOfALabelSheetReadsAsTheSameText)
{
    // The label sheet the program writes, opened and saved again as RTF by LibreOffice Writer.
    QFile file(QStringLiteral(QVL_SOURCE_DIR "/tests/platform/richtext/fixtures/labels-saved-by-writer.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const Document d = readRtf(file.readAll());
    const QStringList lines = d.plainText().split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 6);
    // The word processor keeps the spaces between bar codes as spaces of its own choosing.
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("9782070612758")));
    EXPECT_TRUE(lines[0].contains(QStringLiteral("9782266154116")));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("Le petit prince      Le Horla et autres c      "));
    EXPECT_EQ(lines[4], QStringLiteral("FIN"));
    EXPECT_EQ(d.paragraphs()[0].runs.at(0).format.face, QStringLiteral("Code EAN13"));
    EXPECT_EQ(d.paragraphs()[0].runs.at(0).format.halfPoints, 80);
    EXPECT_EQ(d.paragraphs()[2].runs.at(0).format.face, QStringLiteral("Courier New"));
    EXPECT_EQ(d.paragraphs()[2].runs.at(0).format.halfPoints, 16);
    EXPECT_EQ(d.page.paperWidth, 11906);  // its own A4
    EXPECT_EQ(d.page.marginBottom, 737);
}

TEST(Rtf, UnknownAndIgnorableGroupsAreSkippedAndBrokenInputNeverThrows)
{
    const QByteArray rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\*\\generator X;}{\\info{\\title T}}"
                           "{\\stylesheet{\\s1 Heading;}}{\\*\\unknown zzz}\\f0\\fs20 Bonjour\\unknownword42  "
                           "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt lien}}\\'e9\\u8364?\\par fin}";
    EXPECT_EQ(readRtf(rtf).plainText(), QStringLiteral("Bonjour lien\u00e9\u20ac\r\nfin"));
    for (const QByteArray broken : {QByteArray("{\\rtf1 abc"), QByteArray("{\\rtf1}}}} x"), QByteArray("{\\rtf1 \\'"),
                                    QByteArray("{\\rtf1 \\u"), QByteArray("{\\rtf1 \\"), QByteArray("")})
        EXPECT_NO_THROW(readRtf(broken));
    EXPECT_EQ(readRtf("{\\rtf1 abc").plainText(), QStringLiteral("abc"));
}

TEST(Rtf, AFileThatIsNotRtfLoadsAsPlainText)
{
    const Document d = readDocument("Ligne 1\r\n\xe9t\xe9", testing::format("Arial", 10));
    EXPECT_EQ(d.plainText(), QStringLiteral("Ligne 1\r\n\u00e9t\u00e9"));
    EXPECT_EQ(d.paragraphs()[1].runs[0].format.face, QStringLiteral("Arial"));
}

}  // namespace
}  // namespace richtext
