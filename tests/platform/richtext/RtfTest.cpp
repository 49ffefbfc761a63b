#include "platform/files/FileError.h"
#include "platform/richtext/RichEditContent.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"
#include "tests/platform/richtext/RichTextFixture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

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

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(QVL_SOURCE_DIR "/tests/platform/richtext/fixtures/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every kind of character the writer escapes, blanks side by side within and across runs, and
// faces and colours the tables must escape and number.
Document everyEscape()
{
    Document d;
    d.append(QStringLiteral("  lead   three    four  "), format("Cr\u00e8me {Br\u00fbl\u00e9e}", 10, qRgb(1, 2, 3)));
    d.append(QStringLiteral(" next\u0001\u001f\u007f\u0080\u0081\u009f\u00a0\u00ff\u0100\u20ac\u2122\U0001F600"),
             format("Arial", 11));
    CharFormat bold = format("Arial", 11, qRgb(255, 255, 255));
    bold.bold = true;
    d.append(QStringLiteral("\\{}\t\u2028\ufffd\uffff"), bold);
    ParagraphFormat hanging;
    hanging.alignment = Alignment::Justify;
    hanging.firstLineIndent = -360;
    hanging.tabStops = {-5, 0, 2147483647};
    d.append(QStringLiteral("\r\n"), bold);
    d.setParagraphFormat(hanging);
    CharFormat underlined = format("Arial", 11);
    underlined.italic = underlined.underline = true;
    d.append(QStringLiteral("x \f\r\n"), underlined);
    return d;
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
    for (const QByteArray& broken : {QByteArray("{\\rtf1 abc"), QByteArray("{\\rtf1}}}} x"), QByteArray("{\\rtf1 \\'"),
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

TEST(Rtf, WhatIsWrittenKeepsItsBytes)
{
    // A sheet the label screen saved, and a document of every escape, as the writer wrote them.
    const QByteArray sheet = fixture("label-sheet.rtf");
    ASSERT_FALSE(sheet.isEmpty());
    const Document read = readRtf(sheet);
    EXPECT_EQ(writeRtf(read), sheet);
    EXPECT_EQ(writeRtf(documentOf(runsOf(read))), sheet);
    const QByteArray escapes = fixture("every-escape.rtf");
    ASSERT_FALSE(escapes.isEmpty());
    EXPECT_EQ(writeRtf(everyEscape()), escapes);
    EXPECT_EQ(readRtf(escapes), everyEscape());
}

TEST(Rtf, ASavedFileHoldsTheTextWrittenAndOneThatCannotBeWrittenThrows)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Large enough to reach the file in several parts.
    const Document d = testing::lines(20000);
    const QString path = folder.filePath(QStringLiteral("Etiquettes.RTF"));
    saveRtf(d, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), writeRtf(d));

    const QString unwritable = folder.filePath(QStringLiteral("missing/Etiquettes.RTF"));
    try {
        saveRtf(d, unwritable);
        ADD_FAILURE() << "no error";
    } catch (const files::FileError& error) {
        EXPECT_TRUE(QString::fromStdString(error.what()).contains(unwritable)) << error.what();
    }
}

// Each paragraph as "[alignment] text", each run after the first in another format behind "|".
QString shape(const Document& d)
{
    QStringList paragraphs;
    for (const Paragraph& p : d.paragraphs()) {
        QString line = QStringLiteral("[%1%2]").arg(int(p.format.alignment)).arg(p.format.pageBreakBefore ? "^" : "");
        for (size_t i = 0; i < p.runs.size(); ++i)
            line += (i > 0 ? QStringLiteral("|") : QString()) + p.runs[i].text;
        paragraphs << line;
    }
    return paragraphs.join(u'/');
}

TEST(Rtf, TextEscapesGroupsAndParagraphEndsReadAsWritten)
{
    const struct { QByteArray rtf; QString shape; } cases[] = {
        // Code page escapes in either case, a blank after one being text.
        {"{\\rtf1 caf\\'e9 \\'C9t\\'E9\\'80\\'81}", QStringLiteral("[0]caf\u00e9 \u00c9t\u00e9\u20ac\u0081")},
        // \uN stands for itself and the \ucN characters after it, escapes included; \uc holds in its group.
        {"{\\rtf1 \\uc2\\u8364ab c}", QStringLiteral("[0]\u20ac c")},
        {"{\\rtf1 \\uc0\\u233 x\\u-4064?}", QStringLiteral("[0]\u00e9x\uf020?")},
        {"{\\rtf1 {\\uc2\\u233 ab}\\u233 ab\\u233\\'e9x}", QStringLiteral("[0]\u00e9\u00e9b\u00e9x")},
        // Symbols, escaped braces and backslashes, tabs and line breaks.
        {"{\\rtf1 \\~\\_\\emdash\\endash x\\{\\}\\\\\\tab y\\line z}",
         QStringLiteral("[0]\u00a0\u2011\u2014\u2013x{}\\\ty\u2028z")},
        // Line ends in the file are no text; \par, a backslash before one, and escaped ends are paragraph ends.
        {"{\\rtf1 a\r\nb\\par c\\\r d\\\nd\\'0d\\'0ae\\'0cf}", QStringLiteral("[0]ab/[0]c/[0] d/[0]d/[0]e/[0^]f")},
        // Unknown ignorable groups and known non-text groups are skipped, their subgroups too.
        {"{\\rtf1 a{\\*\\unknown b{c}}d{\\*\\fldinst e}{\\stylesheet{f}}g\\unknownword h}", QStringLiteral("[0]adgh")},
        // Text goes on across groups in its format; a group's format ends with it.
        {"{\\rtf1 a {} {}b{\\b c}d{}}", QStringLiteral("[0]a  b|c|d")},
        // Paragraph properties go to the paragraph open when they come: an escaped end within
        // a group opens it at the group's end, one without a group only at the next paragraph end.
        {"{\\rtf1 a\\'0db{}\\qc c}", QStringLiteral("[0]a/[1]bc")},
        {"{\\rtf1 a\\'0db\\qc c}", QStringLiteral("[1]a/[1]bc")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shape(readRtf(c.rtf)), c.shape) << c.rtf.toStdString();
}

TEST(Rtf, ControlWordValuesFontsAndColoursReadAsWritten)
{
    const Document d = readRtf(
        "{\\rtf1\\deff1{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}{\\f1 Times New Roman ;}"
        "\\f2 Arial;{\\f3 Cr\\'e8me;}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
        "\\fs30 a\\fs-0 b\\fs2147483648 c\\fs- d\\fs00000000000000000020 e\\li-2147483648\\ri2147483648 "
        "\\f2\\cf1 f\\plain g\\f3\\cf2 h\\f0\\cf0 i\\f9\\cf9 j}");
    const struct { QString text; QString face; int halfPoints; QRgb color; } runs[] = {
        {QStringLiteral("a"), QStringLiteral("Times New Roman"), 30, qRgb(0, 0, 0)},
        {QStringLiteral("bcd"), QStringLiteral("Times New Roman"), 24, qRgb(0, 0, 0)},
        {QStringLiteral("e"), QStringLiteral("Times New Roman"), 20, qRgb(0, 0, 0)},
        {QStringLiteral("f"), QStringLiteral("Arial"), 20, qRgb(255, 0, 0)},
        {QStringLiteral("g"), QStringLiteral("Times New Roman"), 24, qRgb(0, 0, 0)},
        {QStringLiteral("h"), QStringLiteral("Cr\u00e8me"), 24, qRgb(0, 128, 0)},
        {QStringLiteral("i"), QStringLiteral("Courier New"), 24, qRgb(0, 0, 0)},
        {QStringLiteral("j"), QStringLiteral("MS Sans Serif"), 24, qRgb(0, 0, 0)},
    };
    ASSERT_EQ(d.paragraphs().size(), 1u);
    const Paragraph& p = d.paragraphs()[0];
    ASSERT_EQ(p.runs.size(), std::size(runs));
    for (size_t i = 0; i < p.runs.size(); ++i) {
        EXPECT_EQ(p.runs[i].text, runs[i].text);
        EXPECT_EQ(p.runs[i].format.face, runs[i].face) << i;
        EXPECT_EQ(p.runs[i].format.halfPoints, runs[i].halfPoints) << i;
        EXPECT_EQ(p.runs[i].format.color, runs[i].color) << i;
    }
    // A value past the 32-bit range is no value: the word is ignored.
    EXPECT_EQ(p.format.leftIndent, -2147483647 - 1);
    EXPECT_EQ(p.format.rightIndent, 0);
}

}  // namespace
}  // namespace richtext
