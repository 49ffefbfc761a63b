// The preview program on label sheets as the label screen builds them, in the barcode faces the
// program delivers: the pages it shows end where drawing them line by line ends them.
#include "catalogue/Ean13FontText.h"
#include "exchange/labels/BarcodeFonts.h"
#include "exchange/labels/LabelSheet.h"
#include "platform/db/Connection.h"
#include "platform/db/Query.h"
#include "platform/richtext/RichEditContent.h"
#include "platform/ui/Form.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/RichEditPrintPreview.h"
#include "tests/preview/PreviewFixture.h"

#include <QFile>

namespace preview {
namespace {

class PreviewLabelSheetTest : public PreviewFixture {
protected:
    PreviewLabelSheetTest()
    {
        EXPECT_EQ(labels::registerBarcodeFonts(QStringLiteral(QVL_PROGRAM_DIR "/Reserve")),
                  labels::barcodeFontFiles().size());
        const QString base = m_database.filePath(QStringLiteral("Test1.bib"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(QVL_PROGRAM_DIR "/Reserve/Test1.bib"), base));
        QFile::setPermissions(base, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        connection = std::make_unique<db::Connection>(QStringLiteral("Data Source=") + base);
    }

    // Flagged copies of every kind of code: EAN-13 texts, Code 39 texts, and none (the ISBN's).
    void addCopies(int count)
    {
        const QString titles[] = {
            QStringLiteral("Le Petit Prince"),
            QStringLiteral("Zoé et les étoiles"),
            QStringLiteral("Œuvres complètes de Molière, tome premier"),
            QStringLiteral("L'été — 5 € … « enfin »"),
            QString(),
            QStringLiteral("Caillou au pays des merveilles"),
            QStringLiteral("Ελληνικά παραμύθια"),
        };
        for (int i = 0; i < count; ++i) {
            const QString isbn = QStringLiteral("978207%1").arg(i, 6, 10, QLatin1Char('0'));
            const QString code = i % 3 == 0   ? catalogue::Ean13ToFontText(isbn)
                                 : i % 3 == 1 ? QStringLiteral("*%1*").arg(i, 5, 10, QLatin1Char('0'))
                                              : QString();
            connection->execute(QStringLiteral("Insert into Table1 (Isbn13, Titre, CodeBarres, Type, IMP_CodeBarres, "
                                               "NbrExemplaire) Values (?, ?, ?, ?, ?, 1)"),
                                {isbn + QLatin1Char('0'), titles[i % std::size(titles)], code, QStringLiteral("LIVRE"),
                                 db::Value::boolean(true)});
        }
    }

    QTemporaryDir m_database;
    std::unique_ptr<db::Connection> connection;
};

TEST_F(PreviewLabelSheetTest, PagesOfTheLabelSheetEndWhereDrawingThemLineByLineEndsThem)
{
    addCopies(420);
    ui::Form screen(app, QStringLiteral("FrmPrin"));
    ui::RichEdit sheet(screen, QStringLiteral("Richedit1"));
    db::Query rows(*connection);
    rows.setSql(QStringLiteral("SELECT * FROM Table1 ORDER BY Titre"));
    labels::LabelSheet builder(sheet, rows);
    // Columns, blanks between them, empty lines between rows: as the screen starts, wider than
    // the page (rows of codes wrap), one label a row.
    const struct {
        int columns, gap, rowGap;
    } layouts[] = {{3, 2, 1}, {4, 12, 0}, {1, 0, 3}, {2, 40, 2}};
    for (const auto& layout : layouts) {
        SCOPED_TRACE(::testing::Message()
                     << layout.columns << " columns, " << layout.gap << " blanks, " << layout.rowGap << " empty lines");
        builder.BuildEan13Labels(layout.columns, layout.gap, layout.rowGap);
        builder.BuildCode39Labels(layout.columns, layout.gap, layout.rowGap);
        builder.BuildNumberLabels(layout.columns, layout.gap, layout.rowGap);
        writeLabelFile(richtext::documentOf(sheet.runs()));
        open();

        const ui::RichEditPrintPreview& preview = *window->PrintPreview;
        ASSERT_GT(preview.numberOfPages(), 2);
        std::vector<int> shown;
        for (int page = 1; page <= preview.numberOfPages(); ++page)
            shown.push_back(preview.pageDrawing(page).end);
        EXPECT_EQ(shown, richtext::testing::drawnPageEnds(richtext::documentOf(window->RichEdit1->runs()),
                                                          preview.pageDrawing(1).textRect));
    }
}

}  // namespace
}  // namespace preview
