#include "tools/drive/ScenarioRunner.h"

#include "app/FrmPrin.h"
#include "app/MainWindowLayout.h"
#include "app/Program.h"
#include "program/ProgramScreens.h"
#include "platform/files/WindowsPath.h"
#include "platform/media/SoundCommands.h"
#include "platform/shell/RecordingShell.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clock.h"
#include "platform/ui/WebBrowser.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Input.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/testing/InputDriver.h"
#include "tools/drive/RealInput.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEnginePage>
#include <optional>

namespace drive {

namespace {

const QHash<QString, quint16>& keyNames()
{
    static const QHash<QString, quint16> names = {
        {"enter", ui::vk::Return}, {"return", ui::vk::Return}, {"tab", ui::vk::Tab},
        {"escape", ui::vk::Escape}, {"backspace", ui::vk::Back}, {"delete", ui::vk::Delete},
        {"left", ui::vk::Left}, {"right", ui::vk::Right}, {"up", ui::vk::Up}, {"down", ui::vk::Down},
        {"home", ui::vk::Home}, {"end", ui::vk::End}, {"capslock", ui::vk::Capital}, {"space", ui::vk::Space},
    };
    return names;
}

// The engine loads in real time, whatever the program's clock.
constexpr int kPageWaitMs = 30'000;

// Handles events until the engine has answered or the page wait is over.
void waitForEngine(const std::function<bool()>& answered)
{
    QDeadlineTimer deadline(kPageWaitMs);
    while (!answered() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
}

// The text the web view's page shows, as the engine lays it out; none when it has no page or
// does not answer in time.
std::optional<QString> shownPageText(const ui::WebBrowser& view)
{
    auto* page = qobject_cast<QWebEnginePage*>(view.enginePage());
    if (!page)
        return std::nullopt;
    auto shown = std::make_shared<std::optional<QString>>();
    page->toPlainText([shown](const QString& text) { *shown = text; });
    waitForEngine([&shown] { return shown->has_value(); });
    return *shown;
}

// The middle of the element of the view's page whose text is `text` (the innermost, the last
// in the page's order), brought into sight first, in pixels from the view's top-left corner.
std::optional<QPoint> pagePointOf(const ui::WebBrowser& view, const QString& text)
{
    auto* page = qobject_cast<QWebEnginePage*>(view.enginePage());
    if (!page)
        return std::nullopt;
    const QString quoted = QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact));
    const QString script = QStringLiteral(
        "(() => { const text = %1[0]; let found = null;"
        " for (const e of document.querySelectorAll('body *'))"
        "   if (e.innerText && e.innerText.trim() === text) found = e;"
        " if (!found) return null;"
        " found.scrollIntoView({block: 'center', inline: 'center'});"
        " const r = found.getBoundingClientRect();"
        " return [Math.round(r.left + r.width / 2), Math.round(r.top + r.height / 2)]; })()").arg(quoted);
    auto answer = std::make_shared<std::optional<QVariant>>();
    page->runJavaScript(script, [answer](const QVariant& result) { *answer = result; });
    waitForEngine([&answer] { return answer->has_value(); });
    const QVariantList xy = answer->value_or(QVariant()).toList();
    if (xy.size() != 2)
        return std::nullopt;
    return QPoint(xy[0].toInt(), xy[1].toInt());
}

QString describe(const ui::DialogRecord& record)
{
    return record.caption + QStringLiteral(" | ") + QString(record.text).replace(u'\r', QStringLiteral("\\r")) +
           QStringLiteral(" | ") + record.buttons.join(u',');
}

// The program ending itself ends the scenario: nothing after it may run.
class ProgramEnded : public ui::Unguarded {
public:
    ProgramEnded() : ui::Unguarded(QStringLiteral("the program ended itself")) {}
};

class DriverShell : public shell::RecordingShell {
public:
    void endProcess() override
    {
        shell::RecordingShell::endProcess();
        throw ProgramEnded();
    }
};

}  // namespace

// The program and the stand-ins of the outside world it runs against.
struct ScenarioRunner::Host {
    ui::VirtualClock clock{QDateTime::currentDateTime()};
    ui::ScriptedDialogs dialogs;
    ui::Application application{clock, dialogs};
    DriverShell shell;
    media::SoundCommands sound{[](const QString& path) { return files::nativePath(path); }, QString()};
    app::ProgramServices services{application, shell, sound, {}};
    app::Program program{services};
    ui::testing::InputDriver input{application};
    // The main window: the library program's, or the started program's own.
    ui::Form* mainWindow = nullptr;
    std::unique_ptr<ui::Form> startedWindow;
    // Last, so that it ends before the windows it shows.
    std::shared_ptr<void> attachment;
};

ScenarioRunner::ScenarioRunner(QTextStream& out) : m_out(out) {}

ScenarioRunner::~ScenarioRunner() = default;

int ScenarioRunner::run(const std::vector<Action>& actions)
{
    m_host = std::make_unique<Host>();
    if (m_attach)
        m_host->attachment = m_attach(m_host->application);
    m_host->dialogs.onShown = [this](const ui::DialogRecord& record) {
        if (record.kind == ui::DialogRecord::Kind::Error)
            m_out << "error: " << record.text << Qt::endl;
        else if (record.kind == ui::DialogRecord::Kind::Menu)
            m_out << "popup: " << record.buttons.join(QStringLiteral(" | ")) << Qt::endl;
        else
            m_out << "dialog: " << describe(record) << Qt::endl;
    };
    // Answers before the first other action are there for the dialogs of start-up.
    size_t next = 0;
    for (; next < actions.size() && actions[next].kind == ActionKind::Answer; ++next)
        m_host->dialogs.answer(actions[next].text);
    try {
        if (m_start) {
            m_host->startedWindow = m_start(m_host->application);
            m_host->mainWindow = m_host->startedWindow.get();
        } else {
            m_host->program.start(program::programScreens());
            m_host->mainWindow = &m_host->program.mainWindow();
        }
        m_host->application.processMessages();
    } catch (const ProgramEnded&) {
        reportChanges();
        return 0;
    } catch (const ui::ScriptFailure& failure) {
        m_out << "failed: start-up: " << failure.message() << Qt::endl;
        return 1;
    }
    reportChanges();
    for (; next < actions.size(); ++next) {
        bool ok = false;
        try {
            ok = perform(actions[next]);
        } catch (const ProgramEnded&) {
            reportChanges();
            return 0;
        } catch (const ui::ScriptFailure& failure) {
            ok = fail(actions[next], failure.message());
        }
        reportChanges();
        if (!ok)
            return 1;
        if (actions[next].kind == ActionKind::Quit)
            break;
    }
    return 0;
}

bool ScenarioRunner::perform(const Action& a)
{
    Host& h = *m_host;
    switch (a.kind) {
    case ActionKind::Scan:
        h.input.scan(a.text);
        return true;
    case ActionKind::Type:
        h.input.type(a.text);
        return true;
    case ActionKind::Key: {
        const auto it = keyNames().find(a.text.toLower());
        if (it == keyNames().end())
            return fail(a, QStringLiteral("unknown key %1").arg(a.text));
        h.input.key(*it);
        return true;
    }
    case ActionKind::Click:
        h.input.click(a.control);
        return true;
    case ActionKind::ClickAt:
        h.input.clickAt(QPoint(a.x, a.y));
        return true;
    case ActionKind::Tab: {
        auto* page = dynamic_cast<ui::TabSheet*>(&h.input.control(a.control));
        if (!page)
            return fail(a, QStringLiteral("%1 is no tab").arg(a.control));
        h.input.selectTab(*page);
        return true;
    }
    case ActionKind::Menu:
        h.input.menu(a.path.join(QStringLiteral(" > ")));
        return true;
    case ActionKind::Answer:
        h.dialogs.answer(a.text);
        return true;
    case ActionKind::Wait:
        h.application.delay(a.milliseconds);
        return true;
    case ActionKind::WaitPage: {
        auto* view = dynamic_cast<ui::WebBrowser*>(&h.input.control(a.control));
        if (!view)
            return fail(a, QStringLiteral("%1 is no web view").arg(a.control));
        if (!view->waitIdle(kPageWaitMs))
            return fail(a, QStringLiteral("%1 is still loading its page").arg(a.control));
        return true;
    }
    case ActionKind::ExpectVisible:
    case ActionKind::ExpectHidden: {
        const bool want = a.kind == ActionKind::ExpectVisible;
        const bool showing = h.input.control(a.control).showing();
        if (showing != want)
            return fail(a, QStringLiteral("%1 is %2").arg(a.control, showing ? "visible" : "hidden"));
        return true;
    }
    case ActionKind::ExpectText: {
        const QString actual = h.input.control(a.control).text();
        if (actual != a.text)
            return fail(a, QStringLiteral("%1 shows \"%2\", not \"%3\"").arg(a.control, actual, a.text));
        return true;
    }
    case ActionKind::ExpectPageText: {
        auto* view = dynamic_cast<ui::WebBrowser*>(&h.input.control(a.control));
        if (!view)
            return fail(a, QStringLiteral("%1 is no web view").arg(a.control));
        // A page that real input started may not have begun loading yet: it is waited for.
        QDeadlineTimer deadline(kPageWaitMs);
        for (;;) {
            if (!view->waitIdle(kPageWaitMs))
                return fail(a, QStringLiteral("%1 is still loading its page").arg(a.control));
            const std::optional<QString> shown = shownPageText(*view);
            if (!shown)
                return fail(a, QStringLiteral("%1 shows no page").arg(a.control));
            if (shown->contains(a.text))
                return true;
            if (deadline.hasExpired())
                return fail(a, QStringLiteral("%1 shows \"%2\", without \"%3\"").arg(a.control, *shown, a.text));
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
    }
    case ActionKind::ExpectFocus: {
        ui::Form* form = h.application.activeForm();
        ui::WinControl* focused = form ? form->activeControl() : nullptr;
        if (!focused || focused->name().compare(a.control, Qt::CaseInsensitive) != 0)
            return fail(a, QStringLiteral("the focus is on %1").arg(focused ? focused->name() : QStringLiteral("nothing")));
        return true;
    }
    case ActionKind::Show: {
        const ui::Control& c = h.input.control(a.control);
        const QRect r = c.bounds();
        m_out << "show: " << c.name() << (c.showing() ? " visible" : " hidden") << (c.enabled() ? "" : " disabled")
              << " at " << r.x() << "," << r.y() << " " << r.width() << "x" << r.height() << " text \"" << c.text()
              << "\"" << Qt::endl;
        return true;
    }
    case ActionKind::Screenshot:
        if (!m_screenshot)
            return fail(a, QStringLiteral("screenshots need --render"));
        if (!m_screenshot(a.text))
            return fail(a, QStringLiteral("cannot write %1").arg(a.text));
        return true;
    case ActionKind::Quit:
        h.mainWindow->close();
        h.application.processMessages();
        return true;
    case ActionKind::RealClick:
    case ActionKind::RealDoubleClick:
    case ActionKind::RealRightClick:
    case ActionKind::RealWheel:
    case ActionKind::RealType:
    case ActionKind::RealKey: return performReal(a);
    }
    return true;
}

bool ScenarioRunner::performReal(const Action& a)
{
    if (!m_realInput)
        return fail(a, QStringLiteral("real input needs --render on an X display, and xdotool"));
    QPoint offset(a.x, a.y);
    if (!a.control.isEmpty() && a.text.isEmpty()) {
        const ui::Control& control = m_host->input.control(a.control);
        offset = ui::Input::centreOf(control) - control.form().bounds().topLeft();
    } else if (!a.control.isEmpty()) {
        auto* view = dynamic_cast<ui::WebBrowser*>(&m_host->input.control(a.control));
        if (!view)
            return fail(a, QStringLiteral("%1 is no web view").arg(a.control));
        const std::optional<QPoint> inPage = pagePointOf(*view, a.text);
        if (!inPage)
            return fail(a, QStringLiteral("the page of %1 shows nothing that reads \"%2\"").arg(a.control, a.text));
        offset = view->screenRect().topLeft() + *inPage - view->form().bounds().topLeft();
    }
    bool delivered = false;
    switch (a.kind) {
    case ActionKind::RealClick: delivered = m_realInput->click(offset, RealInput::Button::Left, 1); break;
    case ActionKind::RealDoubleClick: delivered = m_realInput->click(offset, RealInput::Button::Left, 2); break;
    case ActionKind::RealRightClick: delivered = m_realInput->click(offset, RealInput::Button::Right, 1); break;
    case ActionKind::RealWheel: delivered = m_realInput->wheel(offset, a.notches); break;
    case ActionKind::RealType: delivered = m_realInput->type(a.text); break;
    case ActionKind::RealKey: delivered = m_realInput->key(a.text); break;
    default: break;
    }
    return delivered || fail(a, QStringLiteral("xdotool did not deliver the input"));
}

void ScenarioRunner::reportChanges()
{
    Host& h = *m_host;
    const QStringList& records = h.shell.records();
    for (; m_reportedRecords < records.size(); ++m_reportedRecords)
        m_out << records[m_reportedRecords] << Qt::endl;
    if (m_start)
        return;
    for (const layout::ScreenPanel& s : layout::screenPanels()) {
        const QString name = QString::fromUtf8(s.name);
        const bool showing = h.program.mainWindow().get<ui::Control>(name).showing();
        if (showing && !m_shownScreens.contains(name))
            m_out << "screen: " << name << Qt::endl;
        if (showing)
            m_shownScreens.insert(name);
        else
            m_shownScreens.remove(name);
    }
}

bool ScenarioRunner::fail(const Action& action, const QString& message)
{
    m_out << "failed: line " << action.line << ": " << message << Qt::endl;
    return false;
}

}  // namespace drive
