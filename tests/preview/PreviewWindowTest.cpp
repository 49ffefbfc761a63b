#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/RichEditPrintPreview.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/TrackBar.h"
#include "tests/preview/PreviewFixture.h"

namespace preview {
namespace {

using ui::ScaleMode;

class PreviewWindowTest : public PreviewFixture {};

TEST_F(PreviewWindowTest, OpensTheLabelFileOnItsFirstPageAtHalfScaleAndPagesThrough)
{
    writeLabelFile(richtext::testing::lines(200));
    open();
    ui::RichEditPrintPreview& preview = *window->PrintPreview;
    EXPECT_EQ(window->PgCtrlPreview->activePage(), window->TShPreview);
    EXPECT_EQ(preview.printTitle(), QStringLiteral("Etiquettes.RTF"));
    EXPECT_FLOAT_EQ(preview.scale(), 0.5f);
    const int pages = preview.numberOfPages();
    ASSERT_EQ(pages, 3);
    EXPECT_EQ(panel(0), QStringLiteral("Page 1 of 3"));
    // The scale events are bound when the window shows, after the opening half scale.
    EXPECT_EQ(panel(1), QString());
    EXPECT_FALSE(window->TBtnFirstPage->enabled());
    EXPECT_FALSE(window->TBtnPreviousPage->enabled());

    const struct { const char* button; int page; } steps[] = {
        {"TBtnNextPage", 2}, {"TBtnNextPage", 3}, {"TBtnPreviousPage", 2}, {"TBtnLastPage", 3}, {"TBtnFirstPage", 1},
    };
    for (const auto& step : steps) {
        input.click(QString::fromLatin1(step.button));
        EXPECT_EQ(preview.currentPage(), step.page) << step.button;
        EXPECT_EQ(panel(0), QStringLiteral("Page %1 of 3").arg(step.page));
        EXPECT_EQ(window->TBtnNextPage->enabled(), step.page < 3);
        EXPECT_EQ(window->TBtnLastPage->enabled(), step.page < 3);
        EXPECT_EQ(window->TBtnFirstPage->enabled(), step.page > 1);
    }
    // Each page shows its own stretch of the text.
    EXPECT_EQ(preview.pageDrawing(1).start, 0);
    EXPECT_EQ(preview.pageDrawing(2).start, preview.pageDrawing(1).end);
}

TEST_F(PreviewWindowTest, ZoomFollowsTheMenuTheButtonsAndTheTrackBar)
{
    writeLabelFile(richtext::testing::lines(20));
    open();
    ui::RichEditPrintPreview& preview = *window->PrintPreview;
    input.menu(QStringLiteral("Zoom > 200%"));
    EXPECT_FLOAT_EQ(preview.scale(), 2.0f);
    EXPECT_EQ(preview.scaleMode(), ScaleMode::Scaled);
    EXPECT_EQ(window->TBarZoom->position(), 200);
    EXPECT_EQ(panel(1), QStringLiteral("Scale 2.000"));

    for (int i = 0; i < 3; ++i)
        input.click(QStringLiteral("TBtnZoomPlus"));
    EXPECT_FLOAT_EQ(preview.scale(), 16.0f);  // the largest scale
    EXPECT_FALSE(window->TBtnZoomPlus->enabled());
    EXPECT_EQ(window->TBarZoom->position(), 1600);

    // The page fits in 96 % of the control, centred.
    input.click(QStringLiteral("TBtnWholePage"));
    EXPECT_EQ(preview.scaleMode(), ScaleMode::WholePage);
    EXPECT_LE(preview.imageHeight(), preview.height() * 0.96 + 1);
    EXPECT_LT(preview.scrollX(), 0);
    input.click(QStringLiteral("TBtnPageWidth"));
    EXPECT_EQ(preview.scaleMode(), ScaleMode::PageWidth);
    EXPECT_NEAR(preview.imageWidth(), preview.width() * 0.96, 2);

    // Arrow keys on the track bar zoom by one percent.
    input.click(QStringLiteral("TBarZoom"));
    const int before = window->TBarZoom->position();
    input.key(ui::vk::Right);
    EXPECT_EQ(window->TBarZoom->position(), before + 1);
    EXPECT_EQ(preview.scaleMode(), ScaleMode::Scaled);
    EXPECT_FLOAT_EQ(preview.scale(), float(before + 1) / 100);

    for (int i = 0; i < 10 && window->TBtnZoomMinus->enabled(); ++i)
        input.click(QStringLiteral("TBtnZoomMinus"));
    EXPECT_FLOAT_EQ(preview.scale(), 0.125f);  // the smallest scale
    EXPECT_FALSE(window->TBtnZoomMinus->enabled());
}

TEST_F(PreviewWindowTest, WithoutTheLabelFileTheWindowOpensEmptyAndAFileCanStillBeLoaded)
{
    open();
    ASSERT_FALSE(dialogs.log().empty());
    EXPECT_EQ(dialogs.log().front().kind, ui::DialogRecord::Kind::Error);
    EXPECT_FALSE(window->TBarNavigation->visible());
    EXPECT_EQ(window->PrintPreview->printTitle(), QString());

    const QString other = QDir::current().filePath(QStringLiteral("Autre.rtf"));
    richtext::saveRtf(richtext::testing::lines(100), other);
    dialogs.answer(other);
    input.click(QStringLiteral("BtnLoadFile"));
    EXPECT_TRUE(window->TBarNavigation->visible());
    EXPECT_EQ(window->PrintPreview->printTitle(), QStringLiteral("Autre.rtf"));
    EXPECT_EQ(panel(0), QStringLiteral("Page 1 of 2"));
}

TEST_F(PreviewWindowTest, AnEmptyLabelFileIsOneBlankPage)
{
    writeLabelFile(richtext::Document());
    open();
    EXPECT_EQ(panel(0), QStringLiteral("Page 1 of 1"));
    input.click(QStringLiteral("TBtnPageWidth"));
    EXPECT_GT(window->PrintPreview->imageWidth(), 0);
}

TEST_F(PreviewWindowTest, MarginsAndBandsAreSetOnTheConfigurationTab)
{
    writeLabelFile(richtext::testing::lines(200));
    printerInstalled = false;
    open();
    input.selectTab(*window->TShConfig);
    // A margin of 0 is the page's unprintable border (172 twips on the A4 page without printer).
    EXPECT_EQ(window->EdtLeftMargin->text(), QStringLiteral("3.034"));
    input.click(QStringLiteral("EdtHeaderHeight"));
    input.key(ui::vk::End);
    input.type(QStringLiteral("\b\b\b\b\b10"));
    input.click(QStringLiteral("EdtHeaderCenter"));
    EXPECT_EQ(window->EdtHeaderHeight->text(), QStringLiteral("10.001"));  // 567 twips
    input.type(QStringLiteral("Page [PAGE] of [PAGES]"));
    input.click(QStringLiteral("EdtLeftMargin"));
    input.type(QStringLiteral("abc"));
    input.click(QStringLiteral("EdtFooterLeft"));
    EXPECT_EQ(dialogs.log().back().kind, ui::DialogRecord::Kind::Error);
    EXPECT_EQ(window->EdtLeftMargin->text(), QStringLiteral("3.034"));  // kept

    input.click(QStringLiteral("RbtInch"));
    EXPECT_EQ(window->EdtLeftMargin->text(), QStringLiteral("0.119"));
    EXPECT_EQ(window->EdtHeaderHeight->text(), QStringLiteral("0.394"));

    // Choosing the band's font keeps the texts being edited.
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("SbtnHeaderFont"));
    EXPECT_EQ(window->EdtHeaderCenter->text(), QStringLiteral("Page [PAGE] of [PAGES]"));

    input.selectTab(*window->TShPreview);
    const ui::PageDrawing second = window->PrintPreview->pageDrawing(2);
    ASSERT_EQ(second.bands.size(), 1u);
    const int pages = window->PrintPreview->numberOfPages();
    EXPECT_EQ(second.bands[0].center, QStringLiteral("Page 2 of %1").arg(pages));
    EXPECT_EQ(second.bands[0].rect.height(), 567);  // 10 mm
}

TEST_F(PreviewWindowTest, PrintingPrintsEveryPageOrTheRangeAsked)
{
    writeLabelFile(richtext::testing::lines(200));
    open();
    dialogs.answer(QStringLiteral("Cancel"));
    input.click(QStringLiteral("TBtnPrint"));
    EXPECT_FALSE(QFile::exists(pdfPath()));

    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("TBtnPrint"));
    EXPECT_EQ(printedPages(), 3);
    EXPECT_EQ(panel(2), QString());
    EXPECT_EQ(panel(0), QStringLiteral("Page 1 of 3"));

    // Page numbers out of range are brought back into it.
    const struct { int from, to, pages; } ranges[] = {{3, 2, 1}, {0, -1, 3}, {2, 9, 2}};
    for (const auto& r : ranges) {
        QFile::remove(pdfPath());
        window->PrintPreview->print(r.from, r.to);
        EXPECT_EQ(printedPages(), r.pages) << r.from << ".." << r.to;
    }

    // Without a printer nothing is printed and the preview keeps its A4 page.
    QFile::remove(pdfPath());
    printerInstalled = false;
    window->PrintPreview->print(1, -1);
    EXPECT_FALSE(QFile::exists(pdfPath()));
}

}  // namespace
}  // namespace preview
