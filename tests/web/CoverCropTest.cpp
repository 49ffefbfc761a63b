// The crop of the large cover on the Compléments tab by a drag over it, and its undo.
#include "ShownPageFixture.h"

#include "platform/picture/PictureFile.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/WebBrowser.h"
#include "platform/ui/WebEngine.h"

#include <QImage>

namespace {

const QString kCroppedCover = QStringLiteral("livres/Jaquettes/9782070360024.jpg");
constexpr int kSourceWidth = 620;
constexpr int kSourceHeight = 812;
// A cropped cover has the size of the scratch picture under the cover.
constexpr QSize kScratchSize(312, 409);

// Red grows to the right and green downwards, so that a pixel tells where it came from.
QColor sourceColour(int x, int y)
{
    return QColor(x * 255 / (kSourceWidth - 1), y * 255 / (kSourceHeight - 1), 128);
}

// An engine whose every page finishes loading at once, standing in for the browser engine that
// the program installs at start.
class LoadingEngine : public ui::WebEngine {
public:
    class Page : public ui::WebEnginePage {
    public:
        explicit Page(std::function<void(int, bool)> loaded) : m_loaded(std::move(loaded)) {}
        void navigate(const QString& url, int navigation) override
        {
            m_url = url;
            m_loaded(navigation, true);
        }
        void runScript(const QString&, std::function<void(const QString&)> done) override { done(QStringLiteral("null")); }
        bool goBack(int) override { return false; }
        bool goForward(int) override { return false; }
        QString url() const override { return m_url; }
        QObject* native() override { return nullptr; }

    private:
        std::function<void(int, bool)> m_loaded;
        QString m_url;
    };
    LoadingEngine() { ui::WebEngine::install(this); }
    ~LoadingEngine() override { ui::WebEngine::install(nullptr); }
    std::unique_ptr<ui::WebEnginePage> createPage(std::function<void(int, bool)> loaded) override
    {
        return std::make_unique<Page>(std::move(loaded));
    }
    void waitForEvents(int) override {}
    void print(QObject*, const ui::PrintChoice&, const ui::PrintDestination&, std::function<void(bool)> done) override
    {
        done(false);
    }
};

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
        EXPECT_EQ(cropped->size(), kScratchSize);
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
    ASSERT_EQ(storedCover()->size(), kScratchSize);
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

TEST_F(CoverCropTest, ImageAmazonPutsTheCurrentCoverUnderTheLargeOneWhichStillTakesTheCropThatEmptiesIt)
{
    // The product page has no picture: the button ends after showing the cover the book has now.
    sites.serve(QStringLiteral("dp/2070360024"), "<html><body><p>Le lion</p></body></html>");
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("SpeedButton33"));
    ASSERT_EQ(dialogs.log().back().text, QStringLiteral("Pas d'image"));
    ASSERT_TRUE(image("Image87").picture());
    EXPECT_EQ(image("Image87").picture()->size(), QSize(kSourceWidth, kSourceHeight));
    EXPECT_EQ(image("Image87").bounds().size(), kScratchSize);
    EXPECT_EQ(frm().CoverName, kBookCode + ".jpg");
    EXPECT_EQ(screen().CoverCropScale, QSizeF(kSourceWidth / 310.0, kSourceHeight / 406.0));

    drag(QPoint(10, 20), QPoint(160, 220));
    const ui::PicturePtr cropped = storedCover();
    ASSERT_TRUE(cropped);
    EXPECT_EQ(cropped->size(), kScratchSize);
    expectColour(*cropped, QPoint(0, 0), sourceColour(20, 40));
    EXPECT_FALSE(image("Image87").picture());
}

TEST_F(CoverCropTest, TheBookScreensPageViewTellsTheEndOfItsDownloadUntilTheNextPageFetch)
{
    auto& bar = frm().get<ui::StatusBar>(QStringLiteral("StatusBar2"));
    EXPECT_TRUE(bar.simpleText().isEmpty());
    {
        // No command of the program sends this view anywhere: the test plays the engine's end
        // of a download.
        LoadingEngine engine;
        frm().get<ui::WebBrowser>(QStringLiteral("WebBrowser13")).navigate(QStringLiteral("http://127.0.0.1:9/"));
        application.processMessages();
    }
    EXPECT_EQ(bar.simpleText(), QStringLiteral("Terminé"));
    EXPECT_TRUE(frm().DownloadDone);

    app::Settings& settings = frm().settings;
    settings.dialoguebool = true;
    settings.bookfinderbool = settings.decitrebool = settings.Amazonbool = settings.ChasseLivrebool = false;
    sites.serveFound("dialogues");
    selectTab("TabSheet7");
    input.click(QStringLiteral("Edit1"));
    input.scan(BookSites::kCode);
    ASSERT_EQ(edit("Edit4").text(), QStringLiteral("Le Petit Prince "));
    EXPECT_FALSE(frm().DownloadDone);
    EXPECT_EQ(bar.simpleText(), QStringLiteral("Terminé"));
}
