// The label sheet as the librarian sees it on the desktop: rebuilt or edited by hand, its view
// shows what a view made anew for it shows.
#include "LabelScreenFixture.h"
#include "tests/exchange/labels/BarcodeDecoder.h"

#include "platform/ui/qt/Renderer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

namespace {

class LabelSheetShownTest : public LabelScreenTest {
protected:
    void SetUp() override
    {
        labeltest::ensureApplication();
        LabelScreenTest::SetUp();
        renderer = std::make_unique<uiqt::Renderer>(application);
        for (int i = 1; i <= 30; ++i)
            addCopy({QStringLiteral("*%1*").arg(i, 5, 10, QChar(u'0')),
                     QStringLiteral("%1 Le Petit Prince \u00e0 l'\u00e9cole").arg(i)});
        openLabels();
        shown = static_cast<QTextEdit*>(renderer->widgetFor(sheet()));
    }

    // The view as it stands once the turn of the event loop is over, against a view made anew.
    void expectShownAsAnew()
    {
        QCoreApplication::processEvents();
        uiqt::Renderer anew(application);
        const auto* expected = static_cast<QTextEdit*>(anew.widgetFor(sheet()));
        EXPECT_EQ(shown->document()->toHtml(), expected->document()->toHtml());
        EXPECT_EQ(shown->textCursor().selectionStart(), expected->textCursor().selectionStart());
        EXPECT_EQ(shown->textCursor().selectionEnd(), expected->textCursor().selectionEnd());
        EXPECT_EQ(shown->verticalScrollBar()->value(), expected->verticalScrollBar()->value());
    }

    // A press and release of the left button on the view, where the document shows `position`.
    void clickAt(int position)
    {
        QTextCursor cursor(shown->document());
        cursor.setPosition(position);
        const QPointF at = shown->cursorRect(cursor).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, shown->viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(shown->viewport(), &event);
        }
        input.process();
    }

    std::unique_ptr<uiqt::Renderer> renderer;
    QTextEdit* shown = nullptr;
};

TEST_F(LabelSheetShownTest, ARebuiltSheetShowsAsASheetShownAnew)
{
    rebuildWith(3, 2, 1);
    expectShownAsAnew();
    EXPECT_GT(shown->verticalScrollBar()->value(), 0);  // down to the caret at the end
    rebuildWith(2, 1, 0);
    expectShownAsAnew();
}

TEST_F(LabelSheetShownTest, TextTypedWhereTheLibrarianClickedReachesTheSheetAndShows)
{
    rebuildWith(3, 2, 1);
    QCoreApplication::processEvents();
    // The last title, in view at the end of the sheet.
    const QString title = QStringLiteral("Le Petit Prince");
    QTextDocument* document = shown->document();
    clickAt(document->find(title, document->characterCount(), QTextDocument::FindBackward).selectionStart());
    const int clicked = int(sheetText().lastIndexOf(title));
    EXPECT_EQ(sheet().selStart(), clicked);
    EXPECT_TRUE(sheet().focused());
    input.type(QStringLiteral("Salle B "));
    EXPECT_EQ(sheetText().mid(clicked, 8 + title.size()), QStringLiteral("Salle B ") + title);
    expectShownAsAnew();
}

}  // namespace
