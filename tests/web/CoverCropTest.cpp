// The crop of the large cover on the Compléments tab by a drag over it, and its undo.
#include "ShownPageFixture.h"

#include "platform/picture/PictureFile.h"
#include "platform/ui/RichEdit.h"
#include "web/CoverCrop.h"

#include <QImage>

namespace {

const QString kCroppedCover = QStringLiteral("livres/Jaquettes/9782070360024.jpg");
constexpr int kSourceWidth = 620;
constexpr int kSourceHeight = 812;

// Red grows to the right and green downwards, so that a pixel tells where it came from.
QColor sourceColour(int x, int y)
{
    return QColor(x * 255 / (kSourceWidth - 1), y * 255 / (kSourceHeight - 1), 128);
}

}  // namespace

class CoverCropTest : public ShownPageTest {
protected:
    void SetUp() override
    {
        start({"Cancel"}, program::programScreens());
        QImage cover(kSourceWidth, kSourceHeight, QImage::Format_RGB32);
        for (int y = 0; y < kSourceHeight; ++y)
            for (int x = 0; x < kSourceWidth; ++x)
                cover.setPixelColor(x, y, sourceColour(x, y));
        cover.save(program.folder(kCroppedCover), "JPG", 95);
        addBook(kBookCode, QStringLiteral("Le lion"), kBookCode + ".jpg");
        logIn();
        selectTab("TabSheet2");
    }
    // A press at `from` and a release at `to`, in the cover's own coordinates.
    void drag(QPoint from, QPoint to)
    {
        ui::Control& cover = control("Image3");
        application.input().setCursorPos(cover.clientToScreen(from));
        application.input().leftDown();
        application.input().setCursorPos(cover.clientToScreen((from + to) / 2));
        application.input().setCursorPos(cover.clientToScreen(to));
        application.input().leftUp();
        application.processMessages();
    }
    ui::PicturePtr storedCover() const { return picture::loadPictureFile(program.folder(kCroppedCover)); }
    static void expectColour(const ui::Picture& p, QPoint at, QColor expected)
    {
        const QColor c = QColor::fromRgb(p.pixel(at.x(), at.y()));
        EXPECT_NEAR(c.red(), expected.red(), 10) << at.x() << "," << at.y();
        EXPECT_NEAR(c.green(), expected.green(), 10) << at.x() << "," << at.y();
        EXPECT_NEAR(c.blue(), expected.blue(), 10) << at.x() << "," << at.y();
    }
};

TEST_F(CoverCropTest, TheDraggedRectangleScaledToThePictureBecomesTheCoverWhicheverWayItWasDragged)
{
    // A 620 x 812 cover in its 310 x 406 frame: display (10, 20)-(160, 220) is picture (20, 40)-(320, 440).
    for (const auto& [from, to] : {std::pair(QPoint(10, 20), QPoint(160, 220)), std::pair(QPoint(160, 220), QPoint(10, 20))}) {
        SCOPED_TRACE(from.x());
        drag(from, to);
        const ui::PicturePtr cropped = storedCover();
        ASSERT_TRUE(cropped);
        EXPECT_EQ(cropped->size(), QSize(web::CoverCrop::kCropWidth, web::CoverCrop::kCropHeight));
        expectColour(*cropped, QPoint(0, 0), sourceColour(20, 40));
        expectColour(*cropped, QPoint(157, 202), sourceColour(20 + 157 * 300 / 314, 40 + 202 * 400 / 405));
        // The selection is stretched into 405 rows; the picture's last rows stay white.
        expectColour(*cropped, QPoint(100, 407), Qt::white);
        EXPECT_EQ(image("Image3").picture()->size(), cropped->size());
        input.click(QStringLiteral("SpeedButton44"));
    }
}

TEST_F(CoverCropTest, AReleaseBeyondTheFrameIsCutAndWhatLiesOutsideThePictureIsWhite)
{
    drag(QPoint(200, 300), QPoint(500, 600));
    const ui::PicturePtr cropped = storedCover();
    ASSERT_TRUE(cropped);
    // Cut at (325, 414): picture (400, 600)-(650, 828), beyond the picture's 620 x 812.
    expectColour(*cropped, QPoint(0, 0), sourceColour(400, 600));
    expectColour(*cropped, QPoint(300, 10), Qt::white);
    expectColour(*cropped, QPoint(10, 400), Qt::white);
}

TEST_F(CoverCropTest, UndoPutsThePictureFromBeforeTheCropBackOnceAndAClickCropsNothing)
{
    const QByteArray original = program.read(kCroppedCover);
    drag(QPoint(3, 3), QPoint(5, 4));
    EXPECT_EQ(program.read(kCroppedCover), original);

    drag(QPoint(10, 20), QPoint(160, 220));
    ASSERT_EQ(storedCover()->size(), QSize(web::CoverCrop::kCropWidth, web::CoverCrop::kCropHeight));
    input.click(QStringLiteral("SpeedButton44"));
    const ui::PicturePtr restored = storedCover();
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->size(), QSize(kSourceWidth, kSourceHeight));
    expectColour(*restored, QPoint(300, 400), sourceColour(300, 400));
    EXPECT_FALSE(QFile::exists(program.folder(QStringLiteral("livres/Jaquettes/temp.jpg"))));
    EXPECT_EQ(image("Image3").picture()->size(), QSize(kSourceWidth, kSourceHeight));

    // No undo copy left: the cover stays.
    const QByteArray afterUndo = program.read(kCroppedCover);
    input.click(QStringLiteral("SpeedButton44"));
    EXPECT_EQ(program.read(kCroppedCover), afterUndo);
}

TEST_F(CoverCropTest, TheSelectionIsOutlinedOverTheCoverWhileDraggedAndTheBoxesShowWhereItRuns)
{
    ui::Control& cover = control("Image3");
    ui::Input& mouse = application.input();
    auto moveTo = [&](QPoint p) {
        mouse.setCursorPos(cover.clientToScreen(p));
        application.processMessages();
    };
    auto boxes = [this] { return std::pair(edit("Edit35").text(), edit("Edit36").text()); };
    moveTo(QPoint(160, 220));
    EXPECT_EQ(boxes(), std::pair(QString::number(frm().bounds().left()), QString::number(frm().bounds().top())));

    mouse.leftDown();
    application.processMessages();
    const QPoint start = cover.clientToScreen(QPoint(160, 220));
    const QString startText = QString::number(start.x()) + u' ' + QString::number(start.y());
    EXPECT_EQ(boxes(), std::pair(startText, startText));
    ui::Control& outline = control("CropSelection");
    const QPoint origin = cover.bounds().topLeft();
    moveTo(QPoint(10, 20));
    EXPECT_TRUE(outline.showing());
    EXPECT_EQ(outline.bounds(), QRect(QPoint(10, 20), QPoint(160, 220)).translated(origin));
    // Beyond the cover the outline stops at the picture's edges.
    moveTo(QPoint(400, 500));
    EXPECT_EQ(outline.bounds(), QRect(QPoint(160, 220), QPoint(309, 405)).translated(origin));

    mouse.leftUp();
    application.processMessages();
    EXPECT_FALSE(outline.visible());
    EXPECT_EQ(boxes(), std::pair(QStringLiteral("400"), QStringLiteral("500")));
}

TEST_F(CoverCropTest, TheFetchLogOfTheBookScreenKeepsItsLastLineInView)
{
    auto& log = frm().get<ui::RichEdit>(QStringLiteral("RichEdit7"));
    log.addLine(QStringLiteral("Dialogues"));
    log.addLine(QStringLiteral("Decitre"));
    EXPECT_TRUE(log.scrolledToEnd());
}

TEST_F(CoverCropTest, ASecondCropCutsTheCroppedPictureAndUndoAfterAStrayClickGivesBackTheOriginal)
{
    drag(QPoint(10, 20), QPoint(160, 220));
    drag(QPoint(3, 3), QPoint(5, 4));  // a stray click
    // The cropped picture is 312 x 409 in its 310 x 406 frame: display (1, 1)-(151, 201) is about
    // its (1, 1)-(152, 202), which came from the source's (21, 41)-(165, 240).
    drag(QPoint(1, 1), QPoint(151, 201));
    const ui::PicturePtr twiceCropped = storedCover();
    ASSERT_TRUE(twiceCropped);
    expectColour(*twiceCropped, QPoint(157, 202), sourceColour(92, 139));

    input.click(QStringLiteral("SpeedButton44"));
    const ui::PicturePtr restored = storedCover();
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->size(), QSize(kSourceWidth, kSourceHeight));
    expectColour(*restored, QPoint(300, 400), sourceColour(300, 400));
}
