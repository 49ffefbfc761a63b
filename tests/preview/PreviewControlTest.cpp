#include "platform/ui/RichEditPrintPreview.h"
#include "platform/ui/qt/Renderer.h"
#include "tests/preview/PreviewFixture.h"

namespace preview {
namespace {

using Scroll = ui::RichEditPrintPreview::Scroll;

class PreviewControlTest : public PreviewFixture {
protected:
    PreviewControlTest()
    {
        writeLabelFile(richtext::testing::lines(60));
        open();
    }
    ui::RichEditPrintPreview& preview() { return *window->PrintPreview; }
};

TEST_F(PreviewControlTest, ScrollBarsAndTheWheelMoveThePageWithinItsRoom)
{
    input.menu(QStringLiteral("Zoom > 200%"));
    ui::RichEditPrintPreview& p = preview();
    EXPECT_TRUE(p.horzScrollBar());
    EXPECT_TRUE(p.vertScrollBar());
    const int h = p.height();
    const struct { Scroll how; int track; int expected; } steps[] = {
        {Scroll::LineOn, 0, h / 10},
        {Scroll::PageOn, 0, h / 10 + h},
        {Scroll::LineBack, 0, h},
        {Scroll::Track, 1'000'000, p.vertRange() - h},  // no further than the page and its room
        {Scroll::PageBack, 0, p.vertRange() - 2 * h},
        {Scroll::Track, -50, 0},
    };
    for (const auto& step : steps) {
        p.scrollVert(step.how, step.track);
        EXPECT_EQ(p.scrollY(), step.expected) << int(step.how);
    }
    p.mouseWheel(-120);  // turned towards the user
    EXPECT_EQ(p.scrollY(), h / 10);
    p.mouseWheel(120);
    EXPECT_EQ(p.scrollY(), 0);

    input.menu(QStringLiteral("Zoom > Page width"));
    EXPECT_FALSE(p.horzScrollBar());
    EXPECT_TRUE(p.vertScrollBar());
    input.menu(QStringLiteral("Zoom > Whole page"));
    EXPECT_FALSE(p.horzScrollBar());
    EXPECT_FALSE(p.vertScrollBar());
    // The whole page lies in the control: the wheel has nothing to scroll.
    p.mouseWheel(-120);
    EXPECT_LE(p.scrollY(), 0);
}

TEST_F(PreviewControlTest, TheRendererDrawsTheWhitePageWithItsTextOnTheWorkspace)
{
    uiqt::Renderer renderer(app);
    input.menu(QStringLiteral("Zoom > Whole page"));
    const QImage shot = renderer.grab(*window);
    ASSERT_FALSE(shot.isNull());
    const QRect control = window->PrintPreview->screenRect().translated(-window->bounds().topLeft());
    const ui::RichEditPrintPreview& p = preview();
    const QPoint pageCorner = control.topLeft() - QPoint(p.scrollX(), p.scrollY());
    // Beside the page, the workspace; on the page, white paper and the first line's ink.
    EXPECT_EQ(QColor(shot.pixel(control.left() + 2, control.center().y())), QColor(171, 171, 171));
    EXPECT_EQ(QColor(shot.pixel(pageCorner + QPoint(p.imageWidth() / 2, p.imageHeight() / 2))), QColor(Qt::white));
    bool ink = false;
    const int textTop = pageCorner.y() + p.imageHeight() * 172 / 16832;
    for (int y = textTop; y < textTop + 12; ++y)
        for (int x = pageCorner.x(); x < pageCorner.x() + p.imageWidth() / 4; ++x)
            ink = ink || qGray(shot.pixel(x, y)) < 100;
    EXPECT_TRUE(ink);
}

}  // namespace
}  // namespace preview
