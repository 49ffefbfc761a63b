#include "platform/ui/ScriptedDialogs.h"

#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PrintDestination.h"
#include "platform/ui/ToolkitTranslation.h"

#include <algorithm>

namespace ui {

DialogAnswer DialogAnswer::word(const QString& word)
{
    DialogAnswer a;
    a.m_kind = Kind::Word;
    a.m_text = word;
    return a;
}

DialogAnswer DialogAnswer::button(ModalResult result)
{
    DialogAnswer a;
    a.m_kind = Kind::Button;
    a.m_button = result;
    return a;
}

DialogAnswer DialogAnswer::text(const QString& text)
{
    DialogAnswer a;
    a.m_kind = Kind::Text;
    a.m_text = text;
    return a;
}

DialogAnswer DialogAnswer::cancel()
{
    DialogAnswer a;
    a.m_kind = Kind::Cancel;
    return a;
}

DialogAnswer DialogAnswer::action(std::function<void(Form&)> act)
{
    DialogAnswer a;
    a.m_kind = Kind::Action;
    a.m_action = std::move(act);
    return a;
}

QString DialogAnswer::describe() const
{
    switch (m_kind) {
    case Kind::Word: return m_text;
    case Kind::Button: return resultName(m_button);
    case Kind::Text: return '"' + m_text + '"';
    case Kind::Cancel: return QStringLiteral("Cancel");
    case Kind::Action: return QStringLiteral("(action)");
    }
    return {};
}

std::optional<ModalResult> DialogAnswer::namedButton() const
{
    switch (m_kind) {
    case Kind::Button: return m_button;
    case Kind::Cancel: return ModalResult::Cancel;
    case Kind::Word: return resultFromName(m_text);
    default: return std::nullopt;
    }
}

void ScriptedDialogs::answer(DialogAnswer answer) { m_answers.push_back(std::move(answer)); }

QStringList ScriptedDialogs::errors() const
{
    QStringList texts;
    for (const DialogRecord& record : m_log)
        if (record.kind == DialogRecord::Kind::Error)
            texts << record.text;
    return texts;
}

void ScriptedDialogs::logShown(const DialogRecord& record)
{
    m_log.push_back(record);
    if (onShown)
        onShown(record);
}

DialogAnswer ScriptedDialogs::take(DialogRecord record)
{
    if (m_answers.empty()) {
        logShown(record);
        throw ScriptFailure("no scripted answer for the dialog \"" + record.caption + "\": " + record.text + " ["
                            + record.buttons.join(QStringLiteral(", ")) + "]");
    }
    DialogAnswer answer = std::move(m_answers.front());
    m_answers.pop_front();
    record.answer = answer.describe();
    logShown(record);
    return answer;
}

void ScriptedDialogs::misfit(const DialogAnswer& answer) const
{
    const DialogRecord& record = m_log.back();
    throw ScriptFailure("the answer " + answer.describe() + " does not fit the dialog \"" + record.caption + "\": "
                        + record.text + " [" + record.buttons.join(QStringLiteral(", ")) + "]");
}

bool ScriptedDialogs::accepts(const DialogAnswer& answer) const
{
    const auto button = answer.namedButton();
    if (button == ModalResult::Ok)
        return true;
    if (button == ModalResult::Cancel)
        return false;
    misfit(answer);
}

ModalResult ScriptedDialogs::message(const MessageRequest& request)
{
    const std::vector<ModalResult> buttons = buttonsOf(request.buttons);
    QStringList names;
    for (ModalResult b : buttons)
        names << buttonCaption(b);
    const DialogAnswer answer = take({DialogRecord::Kind::Message, request.caption, request.text, names, {}});
    const auto chosen = answer.namedButton();
    if (!chosen || std::find(buttons.begin(), buttons.end(), *chosen) == buttons.end())
        misfit(answer);
    return *chosen;
}

void ScriptedDialogs::exceptionBox(const QString& caption, const QString& text)
{
    logShown({DialogRecord::Kind::Error, caption, text, {buttonCaption(ModalResult::Ok)}, {}});
}

// The two buttons of the input, file, folder, print and font dialogs.
static QStringList okCancelCaptions()
{
    return {buttonCaption(ModalResult::Ok), buttonCaption(ModalResult::Cancel)};
}

std::optional<QString> ScriptedDialogs::input(const InputRequest& request)
{
    const DialogAnswer answer = take({DialogRecord::Kind::Input, request.caption, request.prompt, okCancelCaptions(), {}});
    switch (answer.m_kind) {
    case DialogAnswer::Kind::Text: return answer.m_text;
    case DialogAnswer::Kind::Word:
        if (const auto button = resultFromName(answer.m_text); button == ModalResult::Ok || button == ModalResult::Cancel)
            return accepts(answer) ? std::optional(request.defaultText) : std::nullopt;
        return answer.m_text;
    default: return accepts(answer) ? std::optional(request.defaultText) : std::nullopt;
    }
}

std::optional<QString> ScriptedDialogs::pathAnswer(const DialogAnswer& answer) const
{
    if (answer.m_kind == DialogAnswer::Kind::Button || answer.m_kind == DialogAnswer::Kind::Action)
        misfit(answer);
    const auto button = answer.namedButton();
    if (button == ModalResult::Cancel)
        return std::nullopt;
    if (button)
        misfit(answer);
    return answer.m_text;
}

std::optional<QString> ScriptedDialogs::openFile(const OpenFileRequest& request)
{
    return pathAnswer(take({DialogRecord::Kind::OpenFile, request.title, request.filter, okCancelCaptions(), {}}));
}

std::optional<QString> ScriptedDialogs::browseFolder(const FolderRequest& request)
{
    return pathAnswer(take({DialogRecord::Kind::Folder, request.title, request.initialDir, okCancelCaptions(), {}}));
}

std::optional<PrintChoice> ScriptedDialogs::print(const PrintRequest& request)
{
    const DialogAnswer answer = take({DialogRecord::Kind::Print, QStringLiteral("Print"), {}, okCancelCaptions(), {}});
    // "OK" prints on the default printer; any answer but a button, into the PDF file it names.
    const bool toFile = (answer.m_kind == DialogAnswer::Kind::Word || answer.m_kind == DialogAnswer::Kind::Text)
                        && !answer.namedButton();
    if (!toFile && !accepts(answer))
        return std::nullopt;
    choosePrintDestination({QString(), toFile ? answer.m_text : QString()});
    return PrintChoice{PrintChoice::Range::All, request.minPage, request.maxPage, 1};
}

std::optional<Font> ScriptedDialogs::chooseFont(const Font& initial)
{
    const DialogAnswer answer = take({DialogRecord::Kind::Font, QStringLiteral("Font"), initial.name, okCancelCaptions(), {}});
    if (!accepts(answer))
        return std::nullopt;
    return initial;
}

std::optional<int> ScriptedDialogs::popupMenu(const PopupMenuRequest& request)
{
    const DialogAnswer answer = take({DialogRecord::Kind::Menu, QString(), QString(), request.captions, {}});
    if (answer.m_kind == DialogAnswer::Kind::Word || answer.m_kind == DialogAnswer::Kind::Text)
        for (int i = 0; i < request.captions.size(); ++i)
            if (stripAccelerator(request.captions[i]).compare(answer.m_text, Qt::CaseInsensitive) == 0)
                return i;
    if (answer.namedButton() != ModalResult::Cancel)
        misfit(answer);
    return std::nullopt;
}

void ScriptedDialogs::printPreview(const PrintPreviewRequest& request)
{
    accepts(take({DialogRecord::Kind::Preview, request.caption, QString(), okCancelCaptions(), {}}));
}

// The button or other control of the form that a script word names (caption or name).
static Control* controlNamed(Form& form, const QString& word)
{
    for (Component* component : form.components())
        if (auto* control = dynamic_cast<Control*>(component))
            if (control->name().compare(word, Qt::CaseInsensitive) == 0
                || (!control->caption().isEmpty()
                    && stripAccelerator(control->caption()).compare(word, Qt::CaseInsensitive) == 0))
                return control;
    return nullptr;
}

void ScriptedDialogs::modalFormShown(Form& form)
{
    QStringList captions;
    for (Component* component : form.components())
        if (auto* button = dynamic_cast<Button*>(component); button && button->showing())
            captions << stripAccelerator(button->caption());
    const DialogAnswer answer = take({DialogRecord::Kind::Form, form.caption(), form.name(), captions, {}});
    switch (answer.m_kind) {
    case DialogAnswer::Kind::Action: answer.m_action(form); return;
    case DialogAnswer::Kind::Cancel: form.setModalResult(ModalResult::Cancel); return;
    case DialogAnswer::Kind::Button: {
        for (Component* component : form.components())
            if (auto* button = dynamic_cast<Button*>(component); button && button->modalResult() == answer.m_button) {
                form.application().input().setCursorPos(Input::centreOf(*button));
                form.application().input().leftClick();
                return;
            }
        misfit(answer);
    }
    case DialogAnswer::Kind::Word:
    case DialogAnswer::Kind::Text: {
        Control* control = controlNamed(form, answer.m_text);
        if (!control)
            misfit(answer);
        form.application().input().setCursorPos(Input::centreOf(*control));
        form.application().input().leftClick();
        return;
    }
    }
}

}  // namespace ui
