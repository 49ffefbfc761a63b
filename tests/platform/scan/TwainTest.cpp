#include "platform/scan/CameraSource.h"
#include "platform/scan/DefaultSource.h"
#include "platform/scan/ScanOptionsDialog.h"
#include "platform/scan/SourceSelectionDialog.h"
#include "platform/scan/Twain.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/testing/InputDriver.h"
#include "tools/bench/SaneTestBackend.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

using scan::Twain;

// Cameras are looked for only in a process with an application object, as the program is.
void ensureApplicationObject()
{
    static int argc = 1;
    static char name[] = "test_scan";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* application = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    (void)application;
}

class TwainTest : public ::testing::Test {
protected:
    TwainTest()
    {
        ensureApplicationObject();
        window.setBounds(QRect(0, 0, 1378, 1080));
        window.show();
    }
    ~TwainTest() override
    {
        for (int i = 0; i < twain.TWAIN_ImageCount(); ++i)
            Twain::TWAIN_ReleaseImage(twain.TWAIN_ImageAt(i));
    }

    // The scanner's dialog, answered by what act does through the input.
    void answerDialog(std::function<void(scan::ScanOptionsDialog&)> act)
    {
        dialogs.answer(ui::DialogAnswer::action([act = std::move(act)](ui::Form& form) {
            act(dynamic_cast<scan::ScanOptionsDialog&>(form));
        }));
    }
    const ui::DialogRecord* shown(ui::DialogRecord::Kind kind) const
    {
        for (const ui::DialogRecord& r : dialogs.log())
            if (r.kind == kind)
                return &r;
        return nullptr;
    }

    ui::VirtualClock clock;
    ui::ScriptedDialogs dialogs;
    ui::Application app{clock, dialogs};
    ui::Form window{app, QStringLiteral("FrmPrin")};
    ui::testing::InputDriver input{app};
    Twain twain{app};
};

TEST_F(TwainTest, OnePageWithTheScannersDefaults)
{
    SaneTestBackend sane;
    dialogs.answer(QStringLiteral("Scan"));
    scan::ImageHandle image = twain.TWAIN_AcquireImages(window);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(twain.TWAIN_ImageCount(), 1);
    EXPECT_EQ(twain.TWAIN_ImageAt(0), image);
    EXPECT_EQ(scan::dibSize(image->bytes), QSize(314, 393));
    EXPECT_EQ(twain.TwainState(), 1);
    const ui::DialogRecord* dialog = shown(ui::DialogRecord::Kind::Form);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->caption.contains(QStringLiteral("test:0"))) << dialog->caption.toStdString();
    EXPECT_EQ(dialog->buttons, (QStringList{QStringLiteral("Scan"), QStringLiteral("Cancel")}));
}

TEST_F(TwainTest, TheDialogsValuesDecideThePage)
{
    SaneTestBackend sane;
    answerDialog([this](scan::ScanOptionsDialog& d) {
        EXPECT_EQ(d.ResolutionBox->text(), QStringLiteral("100"));
        EXPECT_EQ(d.ModeBox->text(), QStringLiteral("Color"));
        EXPECT_EQ(d.AreaEdits[2]->text(), QStringLiteral("80"));
        input.selectItem(*d.ResolutionBox, int(d.ResolutionBox->items().indexOf(QStringLiteral("75"))));
        input.selectItem(*d.ModeBox, int(d.ModeBox->items().indexOf(QStringLiteral("Gray"))));
        input.click(*d.AreaEdits[2]);
        input.key(ui::vk::End);
        for (int i = 0; i < 2; ++i)
            input.key(ui::vk::Back);
        input.type(QStringLiteral("40"));
        input.click(*d.ScanButton);
    });
    scan::ImageHandle image = twain.TWAIN_AcquireImages(window);
    ASSERT_NE(image, nullptr);
    // 40 x 100 mm at 75 dpi, grey: 8 bits with its table of 256 greys.
    EXPECT_EQ(scan::dibSize(image->bytes), QSize(118, 295));
    EXPECT_EQ(scan::dibPixelOffset(image->bytes), 40 + 4 * 256);
}

TEST_F(TwainTest, ClosingTheDialogGivesNoImage)
{
    SaneTestBackend sane;
    dialogs.answer(QStringLiteral("Cancel"));
    EXPECT_EQ(twain.TWAIN_AcquireImages(window), nullptr);
    EXPECT_EQ(twain.TWAIN_ImageCount(), 0);
    EXPECT_EQ(twain.TwainState(), 1);
    EXPECT_FALSE(shown(ui::DialogRecord::Kind::Message));
}

TEST_F(TwainTest, ASecondAcquisitionStartsWithAnEmptyList)
{
    SaneTestBackend sane;
    dialogs.answer(QStringLiteral("Scan"));
    scan::ImageHandle first = twain.TWAIN_AcquireImages(window);
    ASSERT_NE(first, nullptr);
    dialogs.answer(QStringLiteral("Cancel"));
    EXPECT_EQ(twain.TWAIN_AcquireImages(window), nullptr);
    EXPECT_EQ(twain.TWAIN_ImageCount(), 0);
    Twain::TWAIN_ReleaseImage(first);
}

// The scanner stops every page (cancelled) or fails every read: the dialog stays open for
// another try, a failing device is asked a bounded number of times and its words are shown.
TEST_F(TwainTest, TransfersThatDoNotEndWellLeaveTheDialogOpen)
{
    struct Case {
        const char* status;
        bool errorBox;
    };
    for (const Case& c : {Case{"SANE_STATUS_CANCELLED", false}, Case{"SANE_STATUS_IO_ERROR", true}}) {
        SCOPED_TRACE(c.status);
        SaneTestBackend sane(SaneTestBackend::portraitSettings() + "read-status-code \"" + c.status + "\"\n");
        dialogs.clearLog();
        answerDialog([this](scan::ScanOptionsDialog& d) {
            input.queueClick(*d.ScanButton);
            input.queueClick(*d.CancelButton);
        });
        if (c.errorBox)
            dialogs.answer(QStringLiteral("OK"));
        EXPECT_EQ(twain.TWAIN_AcquireImages(window), nullptr);
        EXPECT_EQ(twain.TWAIN_ImageCount(), 0);
        EXPECT_EQ(twain.TwainState(), 1);
        const ui::DialogRecord* box = shown(ui::DialogRecord::Kind::Message);
        ASSERT_EQ(box != nullptr, c.errorBox);
        if (box) {
            EXPECT_EQ(box->caption, QStringLiteral("TWAIN Error"));
            EXPECT_EQ(box->text, QStringLiteral("Error during device I/O"));
        }
    }
}

TEST_F(TwainTest, NoScannerAndNoCameraIsTheGenericError)
{
    SaneTestBackend sane{SaneTestBackend::NoScanner{}};
    dialogs.answer(QStringLiteral("OK"));
    EXPECT_EQ(twain.TWAIN_AcquireImages(window), nullptr);
    EXPECT_EQ(twain.TWAIN_ImageCount(), 0);
    EXPECT_EQ(twain.TwainState(), 1);
    const ui::DialogRecord* box = shown(ui::DialogRecord::Kind::Message);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, QStringLiteral("TWAIN Error"));
    EXPECT_EQ(box->text, QStringLiteral("TWAIN_ReportLastError: an error occurred"));
    EXPECT_TRUE(scan::cameraSources().isEmpty()) << "this machine has a camera";
}

TEST_F(TwainTest, TheSourceChosenIsOpenedByLaterAcquisitions)
{
    SaneTestBackend sane;
    dialogs.answer(ui::DialogAnswer::action([this](ui::Form& form) {
        auto& d = dynamic_cast<scan::SourceSelectionDialog&>(form);
        EXPECT_EQ(d.SourceList->items().size(), 2);
        EXPECT_EQ(d.SourceList->itemIndex(), 0);
        EXPECT_TRUE(d.NoCameraLabel->visible());
        EXPECT_EQ(d.NoCameraLabel->caption(), QStringLiteral("No webcam was found."));
        app.post([&d] { d.SourceList->userSelectItem(1); });
        input.click(*d.SelectButton);
    }));
    EXPECT_TRUE(twain.TWAIN_SelectImageSource(window));
    EXPECT_EQ(scan::storedDefaultSource(), QStringLiteral("sane:test:1"));
    EXPECT_EQ(twain.TwainState(), 1);

    dialogs.answer(QStringLiteral("Cancel"));
    EXPECT_FALSE(twain.TWAIN_SelectImageSource(window));
    EXPECT_EQ(scan::storedDefaultSource(), QStringLiteral("sane:test:1")) << "a cancelled choice keeps the default";

    dialogs.clearLog();
    dialogs.answer(QStringLiteral("Cancel"));
    twain.TWAIN_AcquireImages(window);
    const ui::DialogRecord* dialog = shown(ui::DialogRecord::Kind::Form);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->caption.contains(QStringLiteral("test:1"))) << dialog->caption.toStdString();
}

TEST_F(TwainTest, NothingToChooseFrom)
{
    SaneTestBackend sane{SaneTestBackend::NoScanner{}};
    dialogs.answer(ui::DialogAnswer::action([](ui::Form& form) {
        auto& d = dynamic_cast<scan::SourceSelectionDialog&>(form);
        EXPECT_TRUE(d.SourceList->items().isEmpty());
        EXPECT_EQ(d.NoCameraLabel->caption(), QStringLiteral("No scanner or webcam was found."));
        EXPECT_FALSE(d.SelectButton->enabled());
        d.setModalResult(ui::ModalResult::Cancel);
    }));
    EXPECT_FALSE(twain.TWAIN_SelectImageSource(window));
    EXPECT_EQ(twain.TwainState(), 1);
}

}  // namespace

// A page of 200 x 200 mm at 1200 dpi is some 89 million pixels: it comes reduced by half in
// each direction, and the window's messages go on while the scanner reads it.
TEST_F(TwainTest, APageAboveThePictureBoundIsReducedWhileItIsRead)
{
    SaneTestBackend sane("number_of_devices 1\nmode Gray\ndepth 8\nresolution 1200.0\n"
                         "test-picture \"Grid\"\nbr_x 200.0\nbr_y 200.0\n");
    int stateWhileReading = 0;
    answerDialog([&](scan::ScanOptionsDialog& d) {
        input.queueClick(*d.ScanButton);
        app.post([&] { stateWhileReading = twain.TwainState(); });
    });
    scan::ImageHandle image = twain.TWAIN_AcquireImages(window);
    ASSERT_NE(image, nullptr);
    const QSize size = scan::dibSize(image->bytes);
    const int full = int(200 / 25.4 * 1200);
    EXPECT_NEAR(size.width(), full / 2, 1);
    EXPECT_NEAR(size.height(), full / 2, 1);
    EXPECT_EQ(stateWhileReading, 6) << "messages were handled only after the page";
    ui::Image shown(window, QStringLiteral("Image1"));
    scan::DrawDibIntoImage(image, shown);
    ASSERT_TRUE(shown.picture());
    EXPECT_EQ(shown.picture()->size(), size);
}
