#include "tools/drive/RealInput.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/qt/FormWindow.h"
#include "platform/ui/qt/Renderer.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>

namespace drive {

namespace {

// Long enough for the X server's events to come through Qt and the engine to act on them.
constexpr int kSettleMs = 400;
// Between typed characters, as a quick typist.
constexpr char kTypingDelayMs[] = "30";

QString xdotoolPath() { return QStandardPaths::findExecutable(QStringLiteral("xdotool")); }

QString keySymbol(const QString& name)
{
    static const QHash<QString, QString> symbols = {
        {"enter", "Return"}, {"return", "Return"}, {"tab", "Tab"}, {"escape", "Escape"},
        {"backspace", "BackSpace"}, {"delete", "Delete"}, {"left", "Left"}, {"right", "Right"},
        {"up", "Up"}, {"down", "Down"}, {"home", "Home"}, {"end", "End"}, {"capslock", "Caps_Lock"},
        {"space", "space"},
    };
    return symbols.value(name.toLower(), name);
}

}  // namespace

RealInput::RealInput(uiqt::Renderer& renderer, ui::Application& application)
    : m_renderer(renderer), m_application(application)
{
}

bool RealInput::available() { return !xdotoolPath().isEmpty(); }

bool RealInput::moveTo(QPoint offset)
{
    const ui::Form* form = m_application.activeForm() ? m_application.activeForm() : m_application.mainForm();
    if (!form)
        return false;
    const QPoint screen = m_renderer.windowFor(*form)->mapToGlobal(offset);
    // xdotool waits for a move that never comes when the pointer is there already.
    if (QCursor::pos() == screen)
        return true;
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(screen.x()),
                    QString::number(screen.y())});
}

bool RealInput::click(QPoint offset, Button button, int count)
{
    if (!moveTo(offset))
        return false;
    settle();
    const bool ok = xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
                             QString::number(int(button))});
    settle();
    return ok;
}

bool RealInput::wheel(QPoint offset, int notches)
{
    if (!moveTo(offset))
        return false;
    settle();
    // Buttons 4 and 5 are the wheel's notches up and down.
    const bool ok = xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(qAbs(notches)),
                             notches > 0 ? QStringLiteral("5") : QStringLiteral("4")});
    settle();
    return ok;
}

bool RealInput::type(const QString& text)
{
    const bool ok = xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QString::fromLatin1(kTypingDelayMs),
                             QStringLiteral("--"), text});
    settle();
    return ok;
}

bool RealInput::key(const QString& name)
{
    const bool ok = xdotool({QStringLiteral("key"), QStringLiteral("--"), keySymbol(name)});
    settle();
    return ok;
}

bool RealInput::xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(xdotoolPath(), arguments);
    // Qt keeps reading the display meanwhile, as the events come.
    while (process.state() != QProcess::NotRunning)
        if (!process.waitForFinished(20))
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void RealInput::settle()
{
    QDeadlineTimer settled(kSettleMs);
    while (!settled.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    m_application.processMessages();
}

}  // namespace drive
