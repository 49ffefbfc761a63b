// The widgets mirror the model: places, visibility, texts, colours, fonts, lists, pages, z-order,
// menus, and the form's window with its non-client area and scrolling.
#include "QtFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FocusFrame.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/HitTest.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/qt/Appearance.h"
#include "platform/ui/qt/FormWindow.h"
#include "platform/ui/qt/PageControlView.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <functional>

namespace uiqt {
namespace {

using RendererTest = QtFixture;

TEST_F(RendererTest, WidgetsFollowPlacesVisibilityAndParentsThroughASequenceOfChanges)
{
    auto* screen = add<ui::Panel>("Panel14", QRect(8, 38, 300, 200));
    auto* other = add<ui::Panel>("Panel15", QRect(-4, 39, 200, 150));
    auto* label = add<ui::Label>("Label1", QRect(10, 10, 80, 13), screen);
    auto* edit = add<ui::Edit>("Edit1", QRect(10, 30, 120, 21), screen);
    auto* button = add<ui::Button>("Button41", QRect(10, 60, 75, 25), screen);
    auto* pages = add<ui::PageControl>("PageControl1", QRect(140, 10, 150, 120), screen);
    auto* first = add<ui::TabSheet>("TabSheet1", QRect(), pages);
    auto* second = add<ui::TabSheet>("TabSheet7", QRect(), pages);
    auto* onSecond = add<ui::Edit>("Edit39", QRect(5, 5, 60, 21), second);
    form.show();
    expectMirrored(form);

    screen->setTop(-800);
    screen->setTop(52);
    other->hide();
    label->setVisible(false);
    edit->setBounds(QRect(12, 31, 130, 22));
    button->setParent(other);
    pages->setActivePage(second);
    pages->setWidth(170);
    button->setEnabled(false);
    other->show();
    screen->setEnabled(false);
    expectMirrored(form);

    EXPECT_TRUE(widget(*first)->isHidden());
    EXPECT_FALSE(widget(*onSecond)->isHidden());
    EXPECT_EQ(widget(*second)->geometry(), QRect(4, 24, 162, 92));
}

TEST_F(RendererTest, FormsAndControlsThatExistBeforeTheRendererAreMirroredToo)
{
    ui::Form later(app, QStringLiteral("Form2"));
    later.setBounds(QRect(50, 60, 300, 200));
    auto* panel = later.create<ui::Panel>(QStringLiteral("Panel1"));
    panel->setBounds(QRect(5, 5, 100, 100));
    auto* inner = later.create<ui::Label>(QStringLiteral("Label1"), panel);
    inner->setBounds(QRect(1, 2, 30, 13));
    later.show();

    Renderer another(app);
    for (const ui::Control* control : {static_cast<ui::Control*>(panel), static_cast<ui::Control*>(inner)}) {
        EXPECT_EQ(another.widgetFor(*control)->geometry(), control->bounds());
        EXPECT_TRUE(another.widgetFor(*control)->isVisible());
    }
    EXPECT_EQ(another.windowFor(later)->geometry(), QRect(50, 60, 300, 200));
    EXPECT_TRUE(another.windowFor(later)->isVisible());
}

TEST_F(RendererTest, TextsColoursFontsAndStatesFollowTheModel)
{
    auto* panel = add<ui::Panel>("Panel4", QRect(0, 0, 300, 200));
    panel->setColor(ui::Color::fromBgr(0xE8FFFF));
    auto* label = add<ui::Label>("Label1", QRect(10, 10, 100, 13), panel);
    label->setCaption(QStringLiteral("N&om && pr\u00e9nom"));
    auto* edit = add<ui::Edit>("Edit1", QRect(10, 30, 100, 21), panel);
    edit->setColor(ui::colors::yellow);
    edit->setText(QStringLiteral("9782070612758"));
    edit->setSelStart(3);
    edit->setSelLength(4);
    auto* box = add<ui::CheckBox>("CheckBox1", QRect(10, 60, 100, 17), panel);
    box->setChecked(true);
    auto* combo = add<ui::ComboBox>("ComboBox1", QRect(10, 80, 100, 21), panel);
    combo->setItems({QStringLiteral("CP"), QStringLiteral("CE1")});
    combo->setText(QStringLiteral("CE1"));
    auto* gauge = add<ui::Gauge>("Gauge1", QRect(10, 110, 100, 20), panel);
    gauge->setProgress(40);
    auto* button = add<ui::Button>("Button48", QRect(10, 140, 80, 25), panel);
    button->setCaption(QStringLiteral("&Rangement"));
    button->setDefault(true);
    ui::Font font;
    font.name = QStringLiteral("Courier New");
    font.size = 12;
    font.bold = true;
    font.color = ui::colors::red;
    panel->setFont(font);

    EXPECT_EQ(widget<QLabel>(*label)->text(), QStringLiteral("Nom & pr\u00e9nom"));
    EXPECT_EQ(widget(*panel)->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xE8));
    EXPECT_EQ(widget<QLineEdit>(*edit)->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(widget<QLineEdit>(*edit)->text(), QStringLiteral("9782070612758"));
    EXPECT_EQ(widget<QLineEdit>(*edit)->selectedText(), QStringLiteral("2070"));
    EXPECT_TRUE(widget<QAbstractButton>(*box)->isChecked());
    ASSERT_NE(renderer().widgetFor(*combo), nullptr);
    ASSERT_NE(widget<QComboBox>(*combo), nullptr) << renderer().widgetFor(*combo)->metaObject()->className();
    EXPECT_EQ(widget<QComboBox>(*combo)->count(), 2);
    EXPECT_EQ(widget<QComboBox>(*combo)->currentText(), QStringLiteral("CE1"));
    EXPECT_EQ(widget<QProgressBar>(*gauge)->value(), 40);
    EXPECT_EQ(widget<QPushButton>(*button)->text(), QStringLiteral("Rangement"));
    EXPECT_TRUE(widget<QPushButton>(*button)->isDefault());
    // The panel's font reaches the children that follow it, the Liberation face standing in.
    for (const ui::Control* follower : {static_cast<ui::Control*>(label), static_cast<ui::Control*>(edit)}) {
        const QFont shown = widget(*follower)->font();
        EXPECT_EQ(shown.family(), QStringLiteral("Liberation Mono"));
        EXPECT_EQ(shown.pixelSize(), 16);
        EXPECT_TRUE(shown.bold());
        EXPECT_EQ(widget(*follower)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

    edit->clear();
    box->setChecked(false);
    combo->clearItems();
    gauge->setProgress(100);
    EXPECT_EQ(widget<QLineEdit>(*edit)->text(), QString());
    EXPECT_FALSE(widget<QAbstractButton>(*box)->isChecked());
    EXPECT_EQ(widget<QComboBox>(*combo)->count(), 0);
    EXPECT_EQ(widget<QProgressBar>(*gauge)->value(), 100);
}

TEST_F(RendererTest, DesignedFacesMapToTheLiberationFaces)
{
    const struct {
        const char* designed;
        const char* shown;
    } cases[] = {{"MS Sans Serif", "Liberation Sans"}, {"Arial", "Liberation Sans"},
                 {"Courier New", "Liberation Mono"}, {"Times New Roman", "Liberation Serif"},
                 {"C39HrP48DhTt", "C39HrP48DhTt"}};
    for (const auto& c : cases)
        EXPECT_EQ(fontFamily(QString::fromLatin1(c.designed)), QString::fromLatin1(c.shown)) << c.designed;
    EXPECT_EQ(toQFont(ui::Font{}).pixelSize(), 11);
}

TEST_F(RendererTest, HintsShowWhenTheControlOrAParentShowsHints)
{
    auto* panel = add<ui::Panel>("Panel24", QRect(0, 0, 300, 200));
    auto* button = add<ui::Button>("Button1", QRect(10, 10, 80, 25), panel);
    button->setHint(QStringLiteral("Rangement|Range le livre \u00e0 sa place"));
    EXPECT_TRUE(widget(*button)->toolTip().isEmpty());
    panel->setShowHint(true);
    EXPECT_TRUE(widget(*button)->toolTip().contains(QStringLiteral("Rangement")));
    EXPECT_FALSE(widget(*button)->toolTip().contains(QStringLiteral("place")));
}

TEST_F(RendererTest, PageTabsNameTheSheetsAndShowTheActiveOne)
{
    auto* pages = add<ui::PageControl>("PageControl2", QRect(0, 0, 300, 200));
    auto* table = add<ui::TabSheet>("TabSheet1", QRect(), pages);
    table->setCaption(QStringLiteral("Tableau"));
    auto* entry = add<ui::TabSheet>("TabSheet2", QRect(), pages);
    entry->setCaption(QStringLiteral("&Enregistrement"));
    QTabBar* tabs = static_cast<PageControlView&>(renderer().viewOf(*pages)).tabBar();
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Enregistrement"));
    EXPECT_EQ(tabs->currentIndex(), 0);
    pages->setActivePage(entry);
    EXPECT_EQ(tabs->currentIndex(), 1);
    table->setCaption(QStringLiteral("Liste"));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Liste"));
}

TEST_F(RendererTest, ZOrderPutsGraphicControlsUnderWindowedOnes)
{
    auto* panel = add<ui::Panel>("Panel1", QRect(0, 0, 300, 200));
    auto* picture = add<ui::Image>("Image29", QRect(0, 0, 100, 100), panel);
    auto* lower = add<ui::Panel>("Panel2", QRect(0, 0, 50, 50), panel);
    auto* upper = add<ui::Panel>("Panel3", QRect(0, 0, 50, 50), panel);
    auto* label = add<ui::Label>("Label1", QRect(0, 0, 40, 13), panel);
    form.show();
    const auto order = [&] {
        QStringList names;
        for (QObject* child : widget(*panel)->children())
            names.append(child->objectName());
        return names;
    };
    EXPECT_EQ(order(), (QStringList{"Image29", "Label1", "Panel2", "Panel3"}));
    lower->bringToFront();
    picture->bringToFront();
    EXPECT_EQ(order(), (QStringList{"Label1", "Image29", "Panel3", "Panel2"}));
    EXPECT_EQ(widget(*panel)->childAt(10, 10), widget(*lower));
    (void)upper;
    (void)label;
}

TEST_F(RendererTest, PicturesAndToolBarIconsAreShown)
{
    auto picture = std::make_shared<ui::Picture>(2, 1, std::vector<quint32>{0xFFFF0000, 0xFF0000FF});
    auto* image = add<ui::Image>("Image1", QRect(100, 50, 20, 10));
    image->setPicture(picture);
    image->setStretch(true);
    auto* bar = add<ui::ToolBar>("ToolBar2", QRect(0, 0, 200, 39));
    bar->setButtonSize(QSize(39, 39));
    auto* button = form.create<ui::ToolButton>(QStringLiteral("ToolButton2"), bar);
    button->setIcon(picture);
    button->setCaption(QStringLiteral("Rendre"));
    form.show();

    const QImage shot = renderer().grab(form);
    const QPoint client = form.clientOrigin();
    EXPECT_EQ(shot.pixelColor(client + QPoint(102, 55)), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(client + QPoint(117, 55)), QColor(0, 0, 255));
    EXPECT_FALSE(widget<QToolButton>(*button)->icon().isNull());
    EXPECT_EQ(widget<QToolButton>(*button)->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(widget(*button)->geometry(), QRect(0, 0, 39, 39));
}

TEST_F(RendererTest, AMemoShowsItsLinesAndSelectionAcrossLineEnds)
{
    auto* memo = add<ui::Memo>("Memo1", QRect(0, 0, 200, 100));
    memo->setLines({QStringLiteral("Alice"), QStringLiteral("Babar")});
    memo->setSelStart(9);
    memo->setSelLength(3);
    auto* editor = widget<QPlainTextEdit>(*memo);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("Alice\nBabar\n"));
    EXPECT_EQ(editor->textCursor().selectedText(), QStringLiteral("bar"));
}

TEST_F(RendererTest, RichEditShowsItsRunsWithTheirFonts)
{
    auto* log = add<ui::RichEdit>("RichEdit7", QRect(0, 0, 300, 100));
    ui::Font red;
    red.color = ui::colors::red;
    log->setRuns({ui::TextRun{QStringLiteral("Pr\u00eat\r"), ui::Font{}}, ui::TextRun{QStringLiteral("\nRetour"), red}});
    log->setSelStart(int(log->text().size()));
    auto* editor = widget<QTextEdit>(*log);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("Pr\u00eat\nRetour"));
    EXPECT_EQ(editor->textCursor().position(), 11);
    QTextCursor cursor(editor->document());
    cursor.setPosition(8);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 0, 0));
}

// Every character of a rich edit's document with its format, block by block.
QStringList shownCharacters(const QTextEdit& editor)
{
    QStringList shown;
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
        shown << QStringLiteral("block %1").arg(block.charFormat().font().toString());
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            shown << fragment.fragment().text() + u' ' + fragment.fragment().charFormat().font().toString() + u' '
                         + fragment.fragment().charFormat().foreground().color().name();
    }
    return shown;
}

TEST_F(RendererTest, ARichEditEditedInTheMiddleShowsWhatAFreshViewShows)
{
    auto* log = add<ui::RichEdit>("RichEdit7", QRect(0, 0, 300, 100));
    form.show();
    ui::Font red, bold;
    red.color = ui::colors::red;
    bold.bold = true;
    log->setRuns({ui::TextRun{QStringLiteral("Pr\u00eat\r\nRetour\r\n"), ui::Font{}}, ui::TextRun{QStringLiteral("Fin"), red}});
    struct Edit {
        int start, length;
        ui::Font font;
        const char* text;
    };
    const Edit edits[] = {
        {3, 0, bold, "x\r\ny"},   // a line end inside a run
        {0, 0, red, "D\u00e9but "},  // before everything
        {11, 4, ui::Font{}, ""},    // across a CR LF
        {8, 0, bold, "\r"},         // a lone CR
        {9, 0, red, "\n"},          // its LF, joining the CR into a CR LF
        {9, 1, ui::Font{}, ""},     // and splitting it again
        {9, 0, ui::Font{}, "\r\n"},  // after a lone CR
        {14, 0, red, "z"},           // between the CR and the LF of a line end
        {0, 6, bold, "Haut\r\n"},    // the start replaced
        {0, 7, ui::Font{}, ""},     // from the start across a line end
        {5, 3, red, "milieu"},
    };
    for (const Edit& edit : edits) {
        log->setSelStart(edit.start);
        log->setSelLength(edit.length);
        log->setSelAttributes(edit.font);
        log->setSelText(QString::fromUtf8(edit.text));
    }
    log->addLine(QStringLiteral("Dernier"));
    log->setSelStart(4);
    log->setSelLength(3);

    auto* fresh = add<ui::RichEdit>("RichEdit8", QRect(0, 0, 300, 100));
    fresh->setRuns(log->runs());
    fresh->setSelStart(4);
    fresh->setSelLength(3);
    const auto* shown = widget<QTextEdit>(*log);
    const auto* expected = widget<QTextEdit>(*fresh);
    EXPECT_EQ(shown->toPlainText(), expected->toPlainText());
    EXPECT_EQ(shownCharacters(*shown), shownCharacters(*expected));
    EXPECT_EQ(shown->textCursor().selectionStart(), expected->textCursor().selectionStart());
    EXPECT_EQ(shown->textCursor().selectionEnd(), expected->textCursor().selectionEnd());
}

TEST_F(RendererTest, ARichEditScrolledToItsEndShowsItsLastLine)
{
    auto* log = add<ui::RichEdit>("RichEdit7", QRect(0, 0, 74, 82));
    form.show();
    for (int line = 1; line <= 40; ++line)
        log->addLine(QString::number(line));
    auto* editor = widget<QTextEdit>(*log);
    QScrollBar* bar = editor->verticalScrollBar();
    bar->setValue(0);
    log->scrollToEnd();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

// The warnings Qt gives while it lives.
class QtWarnings {
public:
    QtWarnings() : m_previous(qInstallMessageHandler(&QtWarnings::keep)) { s_kept.clear(); }
    ~QtWarnings() { qInstallMessageHandler(m_previous); }
    QtWarnings(const QtWarnings&) = delete;
    QtWarnings& operator=(const QtWarnings&) = delete;

    const QStringList& kept() const { return s_kept; }

private:
    static void keep(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type == QtWarningMsg)
            s_kept << message;
    }

    static inline QStringList s_kept;
    QtMessageHandler m_previous;
};

TEST_F(RendererTest, ARichEditWithTextShownAnewShowsItsCaretWithinItsText)
{
    auto* log = add<ui::RichEdit>("RichEdit7", QRect(0, 0, 300, 100));
    log->setRuns({ui::TextRun{QStringLiteral("Pr\u00eat\r\nRetour\r\nFin"), ui::Font{}}});
    log->setSelStart(int(log->text().size()));
    const QtWarnings warnings;
    Renderer another(app);
    auto* editor = static_cast<QTextEdit*>(another.widgetFor(*log));
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("Pr\u00eat\nRetour\nFin"));
    EXPECT_EQ(editor->textCursor().position(), 15);
    EXPECT_TRUE(warnings.kept().isEmpty()) << warnings.kept().join(u'\n').toStdString();
}

// The model position where line `line` (from 1) of a rich edit's text starts.
int lineStart(const ui::RichEdit& edit, int line)
{
    int at = 0;
    for (int i = 1; i < line; ++i)
        at = int(edit.text().indexOf(QStringLiteral("\r\n"), at)) + 2;
    return at;
}

TEST_F(RendererTest, ARichEditsChangesOfOneTurnShowAsIfEachHadShownInItsOwnTurn)
{
    // The view scrolls each caret of the turn into view in turn, so the scroll position is the one
    // the changes leave one by one.
    const struct {
        const char* what;
        std::function<void(ui::RichEdit&)> changes;
    } cases[] = {
        {"lines added, the caret at the start, then at the end",
         [](ui::RichEdit& e) {
             for (int line = 41; line <= 60; ++line)
                 e.addLine(QString::number(line));
             e.setSelStart(0);
             e.setSelStart(int(e.text().size()));
         }},
        {"the caret at the top, further down, then up on a line left in view",
         [](ui::RichEdit& e) {
             e.setSelStart(lineStart(e, 1));
             e.setSelStart(lineStart(e, 9));
             e.setSelStart(lineStart(e, 6));
         }},
        {"a selection down the text, then the caret up in view of it",
         [](ui::RichEdit& e) {
             e.setSelStart(lineStart(e, 20));
             e.setSelLength(lineStart(e, 30) - lineStart(e, 20));
             e.setSelStart(lineStart(e, 27));
         }},
        {"a line inserted at the start, then the caret on a line further down",
         [](ui::RichEdit& e) {
             e.setSelStart(0);
             e.setSelText(QStringLiteral("D\u00e9but\r\n"));
             e.setSelStart(lineStart(e, 12));
         }},
        {"lines added, a scroll to the end, then the caret at the start",
         [](ui::RichEdit& e) {
             e.addLine(QStringLiteral("41"));
             e.scrollToEnd();
             e.setSelStart(0);
         }},
        {"the whole content replaced, then a line edited",
         [](ui::RichEdit& e) {
             ui::Font red;
             red.color = ui::colors::red;
             e.setRuns({ui::TextRun{QStringLiteral("Pr\u00eat\r\nRetour\r\n"), ui::Font{}},
                        ui::TextRun{QStringLiteral("Fin\r\n"), red}});
             e.setSelStart(4);
             e.setSelText(QStringLiteral("s"));
         }},
    };
    form.show();
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ++number;
        auto* oneTurn = form.create<ui::RichEdit>(QStringLiteral("RichEditA%1").arg(number));
        auto* turnByTurn = form.create<ui::RichEdit>(QStringLiteral("RichEditB%1").arg(number));
        oneTurn->setBounds(QRect(0, 0, 90, 82));
        turnByTurn->setBounds(QRect(100, 0, 90, 82));
        for (ui::RichEdit* edit : {oneTurn, turnByTurn})
            for (int line = 1; line <= 40; ++line)
                edit->addLine(QString::number(line));
        const auto* shown = widget<QTextEdit>(*oneTurn);
        const auto* expected = widget<QTextEdit>(*turnByTurn);

        c.changes(*oneTurn);
        QCoreApplication::processEvents();
        const int eachInItsTurn = app.notifications().subscribe([](const ui::Notification&) {
            QCoreApplication::processEvents();
        });
        c.changes(*turnByTurn);
        app.notifications().unsubscribe(eachInItsTurn);

        EXPECT_EQ(shownCharacters(*shown), shownCharacters(*expected));
        EXPECT_EQ(shown->textCursor().selectionStart(), expected->textCursor().selectionStart());
        EXPECT_EQ(shown->textCursor().selectionEnd(), expected->textCursor().selectionEnd());
        EXPECT_EQ(shown->verticalScrollBar()->value(), expected->verticalScrollBar()->value());
        oneTurn->hide();
        turnByTurn->hide();
    }
}

TEST_F(RendererTest, TheProgramsClipboardTextReachesTheDesktopsClipboard)
{
    ui::clipboard().setText(QStringLiteral("9782070360024.jpg"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("9782070360024.jpg"));
}

TEST_F(RendererTest, AFocusFrameLetsTheMouseThroughToThePictureBeneath)
{
    auto* cover = add<ui::Image>("Image3", QRect(0, 0, 310, 406));
    auto* frame = add<ui::FocusFrame>("CropSelection", QRect(10, 20, 150, 200));
    frame->setEnabled(false);
    form.show();
    EXPECT_EQ(ui::childAt(form, QPoint(50, 50)), cover);
    EXPECT_TRUE(widget<QWidget>(*frame)->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(RendererTest, MenuEntriesFollowCaptionsVisibilityAndNewEntries)
{
    auto* menu = form.createComponent<ui::MainMenu>(QStringLiteral("MainMenu1"));
    form.setMenu(menu);
    auto* file = menu->add(form.createComponent<ui::MenuItem>(QStringLiteral("F1")));
    file->setCaption(QStringLiteral("Fichier"));
    auto* quit = file->add(form.createComponent<ui::MenuItem>(QStringLiteral("Quitter1")));
    quit->setCaption(QStringLiteral("&Quitter"));
    auto* tools = menu->add(form.createComponent<ui::MenuItem>(QStringLiteral("Outils")));
    tools->setCaption(QStringLiteral("Outils"));
    tools->add(form.createComponent<ui::MenuItem>(QStringLiteral("Sauvegarde1")))->setCaption(QStringLiteral("&Sauvegarde"));
    tools->setVisible(false);

    QMenuBar* bar = renderer().windowFor(form)->menuBar();
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0]->text(), QStringLiteral("Fichier"));
    EXPECT_FALSE(bar->actions()[1]->isVisible());
    ASSERT_NE(bar->actions()[0]->menu(), nullptr);
    EXPECT_EQ(bar->actions()[0]->menu()->actions()[0]->text(), QStringLiteral("&Quitter"));

    tools->setVisible(true);
    quit->setCaption(QStringLiteral("&Sortir"));
    EXPECT_TRUE(bar->actions()[1]->isVisible());
    EXPECT_EQ(bar->actions()[0]->menu()->actions()[0]->text(), QStringLiteral("&Sortir"));
}

TEST_F(RendererTest, TheWindowHasTheFormsNonClientMetricsAndCaption)
{
    form.setBounds(QRect(0, 0, 300, 200));
    form.setCaption(QStringLiteral("QvlZantor"));
    form.setMenu(form.createComponent<ui::MainMenu>(QStringLiteral("MainMenu1")));
    form.show();
    FormWindow* window = renderer().windowFor(form);
    EXPECT_EQ(window->geometry(), QRect(0, 0, 300, 200));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("QvlZantor"));
    EXPECT_EQ(window->scrollArea()->geometry().topLeft(), QPoint(8, 50));
    EXPECT_EQ(window->client()->size(), form.clientSize());
    EXPECT_EQ(window->menuBar()->geometry(), QRect(8, 31, 284, 19));

    form.setBorderStyle(ui::BorderStyle::None);
    EXPECT_EQ(window->scrollArea()->geometry(), QRect(0, 0, 300, 200));
    EXPECT_TRUE(window->menuBar()->isHidden());
}

TEST_F(RendererTest, AScreenshotOfTheMainWindowColourShowsItsFrameCaptionAndClient)
{
    form.setBounds(QRect(0, 0, 200, 120));
    form.setColor(ui::Color::rgb(0, 0, 45));
    form.setCaption(QStringLiteral("QvlZantor"));
    form.show();
    const QImage shot = renderer().grab(form);
    ASSERT_EQ(shot.size(), QSize(200, 120));
    EXPECT_EQ(shot.pixelColor(100, 80), QColor(0, 0, 45));
    EXPECT_EQ(shot.pixelColor(form.clientOrigin()), QColor(0, 0, 45));
    EXPECT_EQ(shot.pixelColor(3, 60), toQColor(ui::colors::buttonFace));  // frame
    const QColor caption = shot.pixelColor(12, 12);
    EXPECT_GT(caption.blue(), caption.red() + 60);  // the active caption's blue
}

TEST_F(RendererTest, ALargeFormScrollsOnASmallerScreenAndTheModelFollowsTheUsersScrolling)
{
    form.setBounds(QRect(0, 0, 1378, 1080));
    form.setMenu(form.createComponent<ui::MainMenu>(QStringLiteral("MainMenu1")));
    auto* far = add<ui::Panel>("Panel18", QRect(1000, 900, 300, 100));
    form.show();
    FormWindow* window = renderer().windowFor(form);
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    ASSERT_LT(screen.width(), 1378) << "the offscreen screen is expected smaller than the main window";
    EXPECT_EQ(window->size(), QSize(1378, 1080).boundedTo(screen));
    EXPECT_EQ(window->client()->size(), QSize(1362, 1022));

    form.setScrollPosition(QPoint(100, 200));
    EXPECT_EQ(window->scrollArea()->horizontalScrollBar()->value(), 100);
    EXPECT_EQ(window->scrollArea()->verticalScrollBar()->value(), 200);

    QScrollBar* vertical = window->scrollArea()->verticalScrollBar();
    ASSERT_GT(vertical->maximum(), 250);
    vertical->setValue(250);
    app.processMessages();
    EXPECT_EQ(form.scrollPosition(), QPoint(100, 250));

    // The screenshot is the form at its scroll position, whatever part of it the screen shows.
    far->setColor(ui::colors::green);
    const QImage shot = renderer().grab(form);
    EXPECT_EQ(shot.size(), QSize(1378, 1080));
    EXPECT_EQ(shot.pixelColor(form.clientOrigin() + QPoint(1100, 950)), QColor(0, 128, 0));
}

}  // namespace
}  // namespace uiqt
