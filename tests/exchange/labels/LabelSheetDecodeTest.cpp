// A sheet of 24 books (978 and 979 ISBNs, the school's own codes, copy labels) laid out as the
// preview lays it out, rendered at the printer's 300 dpi and read back by a barcode reader; the
// label file of a term's books opened by a word processor.
#include "LabelScreenFixture.h"
#include "tests/exchange/labels/BarcodeDecoder.h"

#include "catalogue/Ean13FontText.h"
#include "catalogue/IsbnConversions.h"
#include "exchange/labels/BarcodeFonts.h"
#include "platform/richtext/PageLayout.h"
#include "platform/richtext/RichEditContent.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

constexpr int kPrinterDpi = 300;

struct Book {
    QString title;
    QString scanned;     // what the scanner reads from its code label
    QString codeBarres;  // as the save stores it
    qint64 number = 0;
};

class LabelSheetDecodeTest : public LabelScreenTest {
protected:
    void SetUp() override
    {
        labeltest::ensureApplication();
        labels::registerBarcodeFonts(program.folder(QStringLiteral("Reserve")));
        LabelScreenTest::SetUp();
    }

    // A third of the books with a 978 ISBN (its EAN-13 font text), a third with a 979 ISBN (stored
    // as its Code 39 text, 15 characters like the EAN-13 font text), the others with the school's
    // own codes of `ownDigits` digits; every third title short, so that blanks fill its cell. Then
    // the sheet of three labels a row.
    void placeBooks(int count, int ownDigits = 5)
    {
        for (int i = 0; i < count; ++i) {
            Book b;
            b.title = QString::fromLatin1(i % 3 ? "Livre %1 de la salle" : "Conte %1").arg(i + 1, 3, 10, QChar(u'0'));
            if (i % 3 == 2) {
                b.scanned = QStringLiteral("4%1").arg(i, ownDigits - 1, 10, QChar(u'0'));
                b.codeBarres = u'*' + b.scanned + u'*';
            } else {
                const QString twelve = (i % 3 ? QStringLiteral("97920706") : QStringLiteral("97820706")) +
                                       QStringLiteral("%1").arg(i, 4, 10, QChar(u'0'));
                b.scanned = twelve + QString::number(catalogue::ean13CheckDigit(twelve));
                b.codeBarres = i % 3 ? u'*' + b.scanned + u'*' : catalogue::Ean13ToFontText(b.scanned);
            }
            b.number = addCopy({b.codeBarres, b.title});
            books.push_back(b);
        }
        openLabels();
        rebuildWith(3, 2, 1);
    }

    richtext::Document sheetDocument() { return richtext::documentOf(sheet().runs()); }

    // The text rectangle of the document's own page, in twips.
    static QRect textRect(const richtext::PageSetup& p)
    {
        return QRect(p.marginLeft, p.marginTop, p.paperWidth - p.marginLeft - p.marginRight,
                     p.paperHeight - p.marginTop - p.marginBottom);
    }

    std::vector<Book> books;
};

TEST_F(LabelSheetDecodeTest, EveryLabelOfThePrintedSheetScansToItsBook)
{
    placeBooks(24);
    const richtext::Document document = sheetDocument();
    richtext::PageLayout layout(document);
    const QRect rect = textRect(document.page);
    const std::vector<int> ends = layout.paginate(rect);
    const QSize pagePixels(document.page.paperWidth * kPrinterDpi / 1440, document.page.paperHeight * kPrinterDpi / 1440);

    QStringList scanned;
    int start = 0;
    for (int end : ends) {
        QImage page = labeltest::blankPicture(pagePixels, kPrinterDpi);
        QPainter painter(&page);
        painter.scale(kPrinterDpi / 1440.0, kPrinterDpi / 1440.0);
        layout.render({start, end, rect}, painter);
        painter.end();
        start = end;
        const auto symbols = labeltest::decodeBarcodes(page);
        if (!symbols)
            GTEST_SKIP() << "zbarimg is not installed (zbar-tools)";
        scanned += *symbols;
    }
    QStringList expected;
    for (const Book& b : books)
        expected << b.scanned << QStringLiteral("I%1").arg(b.number);
    scanned.sort();
    expected.sort();
    EXPECT_EQ(scanned, expected);
}

TEST_F(LabelSheetDecodeTest, AWordProcessorLaysTheLabelFileOnAsManyPagesWithEveryLabel)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (soffice.isEmpty() || pdfinfo.isEmpty() || pdftotext.isEmpty())
        GTEST_SKIP() << "soffice (libreoffice-writer) or poppler-utils is not installed";
    // Rows of codes that nearly fill the line, and enough of them for blanks measured wider than
    // the preview's to push rows onto extra pages.
    placeBooks(250, 11);

    // The word processor finds the program's faces where the program installs them for the desktop.
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("share")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("share")).toUtf8());
    ASSERT_TRUE(labels::installBarcodeFonts(program.folder(QStringLiteral("Reserve"))));
    qunsetenv("XDG_DATA_HOME");

    QProcess convert;
    convert.setProcessEnvironment(env);
    convert.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + home.filePath(QStringLiteral("profile")),
                            QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                            QStringLiteral("--outdir"), home.path(), program.folder(QStringLiteral("Etiquettes.RTF"))});
    ASSERT_TRUE(convert.waitForFinished(180000)) << "soffice did not finish";
    const QString pdf = home.filePath(QStringLiteral("Etiquettes.pdf"));
    ASSERT_TRUE(QFile::exists(pdf)) << convert.readAllStandardError().toStdString();

    QProcess info;
    info.start(pdfinfo, {pdf});
    info.waitForFinished();
    const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(infoText);
    const richtext::Document document = sheetDocument();
    richtext::PageLayout layout(document);
    EXPECT_EQ(pages.captured(1).toInt(), int(layout.paginate(textRect(document.page)).size())) << infoText.toStdString();
    EXPECT_TRUE(infoText.contains(QStringLiteral("(A4)"))) << infoText.toStdString();

    QProcess text;
    text.start(pdftotext, {pdf, QStringLiteral("-")});
    text.waitForFinished();
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    for (const Book& b : books) {
        EXPECT_TRUE(words.contains(b.codeBarres)) << b.codeBarres.toStdString();
        EXPECT_TRUE(words.contains(QStringLiteral("*I%1*").arg(b.number))) << b.number;
        EXPECT_TRUE(words.contains(b.title)) << b.title.toStdString();
    }
}

}  // namespace
