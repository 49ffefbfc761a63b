// The model's loop inside Qt's: waits keep Qt's events flowing, queued input is handled at the
// next turn of Qt's loop, and the loop ends with the program.
#define QTEST_QPA_MOUSE_HANDLING
#include "QtFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/qt/FormWindow.h"
#include "platform/ui/qt/QtPump.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace uiqt {
namespace {

class PumpTest : public QtFixture {
protected:
    PumpTest() { form.show(); }

    QtPump pump{app};
    QStringList events;
};

TEST_F(PumpTest, QtEventsFlowWhileTheModelWaits)
{
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    app.delay(50);
    EXPECT_TRUE(fired);
}

TEST_F(PumpTest, InputFromTheUserIsHandledAtTheNextTurnOfQtsLoop)
{
    auto* button = add<ui::Button>("Button41", QRect(10, 10, 80, 25));
    button->onClick = [this] { events.push_back(QStringLiteral("click")); };
    QTest::mouseClick(widget(*button), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(events, (QStringList{"click"}));
}

TEST_F(PumpTest, TimedWorkRunsWhenDueWithoutAnyInput)
{
    app.postAfter(30, [this] { events.push_back(QStringLiteral("due")); });
    clock.advance(30);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !events.isEmpty(); }, 5000));
    EXPECT_EQ(events, (QStringList{"due"}));
}

TEST_F(PumpTest, TimedWorkPostedWhileTheModelWaitsRunsWhenDueAfterTheWait)
{
    auto* button = add<ui::Button>("Button41", QRect(10, 10, 80, 25));
    button->onClick = [this] {
        app.postAfter(40, [this] { events.push_back(QStringLiteral("due")); });
        app.delay(10);
        events.push_back(QStringLiteral("waited"));
    };
    QTest::mouseClick(widget(*button), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(events, (QStringList{"waited"}));

    clock.advance(30);
    EXPECT_TRUE(QTest::qWaitFor([this] { return events.size() == 2; }, 5000));
    EXPECT_EQ(events, (QStringList{"waited", "due"}));
}

TEST_F(PumpTest, TheQueueWaitsWhileAQtDialogIsOpen)
{
    QTimer::singleShot(0, [this] {
        QMessageBox box(QMessageBox::Information, QStringLiteral("QvlZantor"), QStringLiteral("Patience"));
        // Queued from inside the box's own loop, as the user's input is.
        QTimer::singleShot(0, &box, [this] { app.post([this] { events.push_back(QStringLiteral("work")); }); });
        QTimer::singleShot(30, &box, [&box] { box.accept(); });
        box.exec();
        events.push_back(QStringLiteral("box closed"));
    });
    EXPECT_TRUE(QTest::qWaitFor([this] { return events.size() == 2; }, 5000));
    EXPECT_EQ(events, (QStringList{"box closed", "work"}));
}

TEST_F(PumpTest, AModalFormTakesTheUsersInputWhileItsLoopRuns)
{
    ui::Form box(app, QStringLiteral("Form2"));
    box.setBounds(QRect(100, 100, 200, 120));
    auto* ok = box.create<ui::Button>(QStringLiteral("Button1"));
    ok->setBounds(QRect(10, 10, 75, 25));
    ok->setModalResult(ui::ModalResult::Ok);
    dialogs.answer(ui::DialogAnswer::action([](ui::Form&) {}));
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, [&] {
        modality = renderer().windowFor(box)->windowModality();
        QTest::mouseClick(widget(*ok), Qt::LeftButton);
    });
    EXPECT_EQ(box.showModal(), ui::ModalResult::Ok);
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_TRUE(renderer().windowFor(box)->isHidden());
}

TEST_F(PumpTest, TheLoopEndsWhenTheMainFormCloses)
{
    app.post([this] { form.close(); });
    EXPECT_EQ(pump.exec(), 0);
    EXPECT_TRUE(app.terminated());
}

TEST_F(PumpTest, AnExceptionThatEndsTheRunLeavesTheLoop)
{
    app.post([] { throw ui::ScriptFailure(QStringLiteral("nobody answered")); });
    EXPECT_THROW(pump.exec(), ui::ScriptFailure);
}

}  // namespace
}  // namespace uiqt
