// The generated faces draw symbols that a barcode reader decodes to the scanner's text.
#include "exchange/labels/BarcodeFonts.h"
#include "tests/exchange/labels/BarcodeDecoder.h"

#include <QDir>
#include <QFontDatabase>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kReserve = QStringLiteral(QVL_PROGRAM_DIR "/Reserve");

struct FaceCase {
    const char* family;
    int points;
    const char* text;     // as the label or page writes it
    const char* scanned;  // what the scanner delivers
};

// At 300 dpi, the printer's resolution, in the sizes the sheet, the pages and the cards use.
const FaceCase kFaceCases[] = {
    {"Code EAN13", 40, "9HSKAKA*aaaaac+", "9780000000002"},
    {"Code EAN13", 40, "0AAAAAA*aaaaaa+", "0000000000000"},
    {"Code EAN13", 40, "4AKGDSL*dddjdb+", "4006381333931"},
    {"c39hrp36dltt", 30, "*I1234*", "I1234"},
    {"c39hrp36dltt", 30, "*9782070612758*", "9782070612758"},
    {"c39hrp48dhtt", 48, "*00042*", "00042"},
    {"C39HrP48DhTt", 24, "*ABC-XYZ.$/+%*", "ABC-XYZ.$/+%"},
    {"c39hrp24dhtt", 24, "*qvl7*", "QVL7"},
    {"Code 39", 20, "*12345*", "12345"},
    {"Bar-Code 39", 36, "*678*", "678"},
};

class BarcodeFontsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        labeltest::ensureApplication();
        ASSERT_EQ(labels::registerBarcodeFonts(kReserve), labels::barcodeFontFiles().size());
    }
};

TEST_F(BarcodeFontsTest, EveryFaceTheLabelsNameIsAFamilyOfItsOwn)
{
    const QStringList families = QFontDatabase::families();
    for (const char* family : {"Code EAN13", "Code 39", "Bar-Code 39", "c39hrp24dhtt", "c39hrp36dltt", "c39hrp48dhtt"})
        EXPECT_TRUE(families.contains(QString::fromLatin1(family))) << family;
}

TEST_F(BarcodeFontsTest, EachFaceDrawsWhatTheScannerReadsBack)
{
    for (const FaceCase& c : kFaceCases) {
        QImage picture = labeltest::blankPicture(QSize(2600, 500), 300);
        QPainter painter(&picture);
        QFont font(QString::fromLatin1(c.family));
        font.setPointSize(c.points);
        painter.setFont(font);
        painter.setPen(Qt::black);
        // A blank on each side: the quiet zones a label gets from its neighbours.
        painter.drawText(QPoint(150, 400), QStringLiteral(" %1 ").arg(QString::fromLatin1(c.text)));
        painter.end();
        const auto symbols = labeltest::decodeBarcodes(picture);
        if (!symbols)
            GTEST_SKIP() << "zbarimg is not installed (zbar-tools)";
        EXPECT_EQ(*symbols, QStringList{QString::fromLatin1(c.scanned)}) << c.family << " " << c.text;
    }
}

TEST_F(BarcodeFontsTest, InstallingForTheDesktopCopiesEachFontOnce)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    ASSERT_TRUE(labels::installBarcodeFonts(kReserve));
    const QString folder = labels::desktopFontFolder();
    EXPECT_TRUE(folder.startsWith(home.path()));
    for (const QString& name : labels::barcodeFontFiles())
        EXPECT_TRUE(QFile::exists(QDir(folder).filePath(name))) << name.toStdString();
    // A second start finds them in place; a font of another folder missing is no failure.
    EXPECT_TRUE(labels::installBarcodeFonts(kReserve));
    EXPECT_TRUE(labels::installBarcodeFonts(home.filePath(QStringLiteral("nowhere"))));
    qunsetenv("XDG_DATA_HOME");
}

}  // namespace

