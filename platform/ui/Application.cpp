#include "platform/ui/Application.h"

#include "platform/ui/Form.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/PlatformPump.h"

#include <algorithm>

namespace ui {

// How long an idle wait sleeps before it lets the platform pump run again.
constexpr qint64 kPumpSliceMs = 10;

Application::Application(Clock& clock, DialogService& dialogs)
    : m_clock(clock), m_dialogs(dialogs), m_input(*this, m_queue), m_router(std::make_unique<InputRouter>(*this))
{
}

Application::~Application() = default;

Form* Application::findForm(const QString& name) const
{
    for (Form* form : m_forms)
        if (form->name().compare(name, Qt::CaseInsensitive) == 0)
            return form;
    return nullptr;
}

void Application::registerForm(Form& form)
{
    m_forms.push_back(&form);
    if (!m_mainForm)
        m_mainForm = &form;
}

void Application::unregisterForm(Form& form)
{
    std::erase(m_forms, &form);
    std::erase(m_modalForms, &form);
    m_router->forget(form);
    if (m_mainForm == &form)
        m_mainForm = nullptr;
    if (m_activeForm == &form)
        m_activeForm = nullptr;
}

void Application::formShown(Form& form)
{
    if (m_modalForms.empty() || m_modalForms.back() == &form)
        setActiveForm(&form);
}

void Application::formHidden(Form& form)
{
    if (m_activeForm != &form)
        return;
    Form* next = nullptr;
    if (!m_modalForms.empty() && m_modalForms.back() != &form)
        next = m_modalForms.back();
    else if (m_mainForm && m_mainForm != &form && m_mainForm->visible())
        next = m_mainForm;
    else
        for (Form* other : m_forms)
            if (other != &form && other->visible())
                next = other;
    setActiveForm(next);
}

void Application::setActiveForm(Form* form)
{
    if (form == m_activeForm)
        return;
    Form* previous = m_activeForm;
    m_activeForm = form;
    if (previous)
        m_notifications.notify(*previous, Property::Active);
    if (form)
        m_notifications.notify(*form, Property::Active);
}

void Application::beginMoveDrag(Control& control) { m_router->beginMoveDrag(control); }

void Application::post(std::function<void()> work)
{
    m_queue.push(WorkMessage{std::move(work)});
    queued();
}

void Application::postAfter(qint64 ms, std::function<void()> work)
{
    m_queue.pushAt(m_clock.milliseconds() + std::max<qint64>(ms, 0), std::move(work));
    queued();
}

void Application::queued()
{
    if (onMessageQueued)
        onMessageQueued();
}

void Application::processMessages()
{
    if (m_pump)
        m_pump->processEvents();
    while (handleMessage()) {
    }
}

void Application::processMessagesRefusingInput()
{
    if (m_pump)
        m_pump->processEvents();
    while (std::optional<Message> message = m_queue.take(m_clock.milliseconds()))
        if (std::holds_alternative<WorkMessage>(*message))
            dispatch(*message);
}

bool Application::handleMessage()
{
    std::optional<Message> message = m_queue.take(m_clock.milliseconds());
    if (!message)
        return false;
    dispatch(*message);
    return true;
}

void Application::dispatch(Message& message)
{
    guard([&] {
        if (auto* key = std::get_if<KeyMessage>(&message)) {
            if (m_activeForm)
                m_activeForm->dispatchKey(*key);
        } else if (auto* mouse = std::get_if<MouseMessage>(&message)) {
            m_router->mouse(*mouse);
        } else if (auto* menu = std::get_if<MenuMessage>(&message)) {
            m_router->menu(*menu);
        } else if (auto* work = std::get_if<WorkMessage>(&message)) {
            work->work();
        }
    });
}

void Application::idleUntil(qint64 deadline)
{
    const qint64 now = m_clock.milliseconds();
    if (m_queue.hasReady(now))
        return;
    qint64 until = deadline;
    if (const auto due = m_queue.nextDue())
        until = std::min(until, *due);
    if (m_pump)
        until = std::min(until, now + kPumpSliceMs);
    m_clock.sleepUntil(until);
}

void Application::delay(int ms)
{
    const qint64 start = m_clock.milliseconds();
    for (;;) {
        processMessages();
        if (m_clock.milliseconds() - start >= ms)
            return;
        idleUntil(start + ms);
    }
}

bool Application::waitUntil(const std::function<bool()>& done, qint64 limitMs)
{
    const qint64 start = m_clock.milliseconds();
    while (!done()) {
        if (m_clock.milliseconds() - start >= limitMs)
            return false;
        processMessages();
        if (done())
            break;
        idleUntil(start + limitMs);
    }
    return true;
}

void Application::runUntilIdle(qint64 limitMs)
{
    const qint64 end = m_clock.milliseconds() + limitMs;
    for (;;) {
        processMessages();
        if (m_terminated)
            return;
        const auto due = m_queue.nextDue();
        if (!due || *due > end)
            return;
        m_clock.sleepUntil(*due);
    }
}

ModalResult Application::runModal(Form& form)
{
    if (form.visible() || form.m_modal)
        throw InvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    Form* previous = m_activeForm;
    form.m_modal = true;
    form.m_modalResult = ModalResult::None;
    m_modalForms.push_back(&form);
    struct Restore {
        Application& app;
        Form& form;
        Form* previous;
        ~Restore()
        {
            std::erase(app.m_modalForms, &form);
            form.m_modal = false;
            form.hide();
            if (previous && previous->visible() && app.m_modalForms.empty())
                app.setActiveForm(previous);
        }
    } restore{*this, form, previous};

    form.show();
    m_dialogs.modalFormShown(form);
    // The result is looked at after every message, as the library's modal loop does.
    for (;;) {
        if (form.m_modalResult != ModalResult::None && form.closeModal())
            return form.m_modalResult;
        if (m_terminated || !form.visible())
            return ModalResult::Cancel;
        if (m_pump)
            m_pump->processEvents();
        if (handleMessage())
            continue;
        if (!m_pump && !m_queue.nextDue())
            throw ScriptFailure("the modal window " + form.name() + " (\"" + form.caption()
                                + "\") stays open and nothing is left to happen");
        idleUntil(m_queue.nextDue().value_or(m_clock.milliseconds() + kPumpSliceMs));
    }
}

void Application::showMessage(const QString& text)
{
    m_dialogs.message(MessageRequest{m_title, text, MessageIcon::None, MessageButtons::Ok, 1});
}

ModalResult Application::messageBox(const QString& text, const QString& caption, MessageButtons buttons,
                                    MessageIcon icon, int defaultButton)
{
    return m_dialogs.message(MessageRequest{caption, text, icon, buttons, defaultButton});
}

QString Application::inputBox(const QString& caption, const QString& prompt, const QString& defaultText, bool masked)
{
    return m_dialogs.input(InputRequest{caption, prompt, defaultText, masked}).value_or(defaultText);
}

void Application::showException(const std::exception& error)
{
    QString text = QString::fromUtf8(error.what());
    if (!text.isEmpty() && text.back() > u'.')
        text += u'.';
    m_dialogs.exceptionBox(m_title, text);
}

}  // namespace ui
