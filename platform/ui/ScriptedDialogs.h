#pragma once
// The dialog service of tests and of the scenario driver. Answers are queued and taken in order
// by the dialogs as they appear; a dialog that finds no answer (or one that does not fit it)
// fails the run with ScriptFailure. Every dialog shown is logged with its caption, text and
// buttons. The standard error box takes no answer: it is logged and acknowledged.
#include "platform/ui/DialogService.h"

#include <deque>
#include <functional>
#include <vector>

namespace ui {

struct DialogRecord {
    enum class Kind { Message, Error, Input, OpenFile, Folder, Print, Font, Form, Menu, Preview };
    Kind kind = Kind::Message;
    QString caption;
    QString text;         // message, prompt, filter, initial folder, or the form's name
    QStringList buttons;  // "OK", "Cancel", ...; a modal form's button captions; a menu's entries
    QString answer;       // as taken from the script
};

class DialogAnswer {
public:
    // A word of a script, read by the dialog that takes it: a button name ("OK", "Cancel",
    // "Yes", "No", ...) for a message box; text for an input box ("Cancel" cancels, "OK" keeps
    // the default); a path for file and folder dialogs ("Cancel" cancels); the caption or name
    // of the control to click for a modal form.
    static DialogAnswer word(const QString& word);
    static DialogAnswer button(ModalResult result);
    // Typed into an input box (never read as a button name), or a path.
    static DialogAnswer text(const QString& text);
    static DialogAnswer cancel();
    // Acts on a modal form; the form's loop then runs until its modal result is set.
    static DialogAnswer action(std::function<void(Form&)> act);

    QString describe() const;
    // The button the answer names: a button answer, a cancel, or a word that is a button name.
    std::optional<ModalResult> namedButton() const;

private:
    friend class ScriptedDialogs;
    enum class Kind { Word, Button, Text, Cancel, Action };
    Kind m_kind = Kind::Word;
    QString m_text;
    ModalResult m_button{};
    std::function<void(Form&)> m_action;
};

class ScriptedDialogs : public DialogService {
public:
    void answer(DialogAnswer answer);
    void answer(const QString& word) { answer(DialogAnswer::word(word)); }
    size_t pendingAnswers() const { return m_answers.size(); }
    void clearAnswers() { m_answers.clear(); }

    const std::vector<DialogRecord>& log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    // Texts of the standard error boxes shown.
    QStringList errors() const;

    // Called for each dialog, once its answer is known.
    std::function<void(const DialogRecord&)> onShown;

    ModalResult message(const MessageRequest& request) override;
    void exceptionBox(const QString& caption, const QString& text) override;
    std::optional<QString> input(const InputRequest& request) override;
    std::optional<QString> openFile(const OpenFileRequest& request) override;
    std::optional<QString> browseFolder(const FolderRequest& request) override;
    std::optional<PrintChoice> print(const PrintRequest& request) override;
    std::optional<Font> chooseFont(const Font& initial) override;
    std::optional<int> popupMenu(const PopupMenuRequest& request) override;
    // Shown and closed again ("OK" or "Cancel"); nothing is drawn.
    void printPreview(const PrintPreviewRequest& request) override;
    void modalFormShown(Form& form) override;

private:
    // The next answer, logged with the record; ScriptFailure when there is none.
    DialogAnswer take(DialogRecord record);
    [[noreturn]] void misfit(const DialogAnswer& answer) const;
    // For dialogs that only accept or cancel: true to accept.
    bool accepts(const DialogAnswer& answer) const;
    // File and folder dialogs take a path, or Cancel.
    std::optional<QString> pathAnswer(const DialogAnswer& answer) const;
    void logShown(const DialogRecord& record);

    std::deque<DialogAnswer> m_answers;
    std::vector<DialogRecord> m_log;
};

}  // namespace ui
