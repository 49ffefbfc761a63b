#pragma once
// The modal dialogs of the platform: message boxes, input boxes, file, folder, print and font
// dialogs, the standard error box, and the hook called when a modal form starts its loop.
// Scripted in tests and in the scenario driver (ScriptedDialogs.h); real windows come from the
// renderer behind the same interface.
#include "platform/ui/Font.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;

namespace ui {

class Form;
enum class ModalResult;

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };

// The buttons of a set, left to right.
std::vector<ModalResult> buttonsOf(MessageButtons buttons);
// "OK", "Cancel", "Yes", "No", "Abort", "Retry", "Ignore", "Close" (empty for None).
QString resultName(ModalResult result);
// The inverse of resultName, without regard to case; std::nullopt for any other word.
std::optional<ModalResult> resultFromName(const QString& name);

struct MessageRequest {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    int defaultButton = 1;  // 1-based position among the buttons
};

struct InputRequest {
    QString caption;
    QString prompt;
    QString defaultText;
    bool masked = false;  // password boxes hide what is typed
};

struct OpenFileRequest {
    QString title;
    QString filter;  // "Description|*.ext|Description|*.ext"
    QString initialDir;
    QString fileName;
};

struct FolderRequest {
    QString title;
    QString initialDir;
};

struct PrintRequest {
    int minPage = 1;
    int maxPage = 1;
    bool selectionAllowed = false;
};

struct PrintChoice {
    enum class Range { All, Pages, Selection };
    Range range = Range::All;
    int fromPage = 1;
    int toPage = 1;
    int copies = 1;
};

struct PopupMenuRequest {
    QStringList captions;
    QPoint screenPos;  // where the pointer was when the menu was asked for
};

struct PrintPreviewRequest {
    QString caption;
    // Lays the pages out on the printer the preview draws or prints on.
    std::function<void(QPrinter& printer)> paint;
};

class DialogService {
public:
    virtual ~DialogService() = default;

    // The button chosen (Cancel when the box is closed without one).
    virtual ModalResult message(const MessageRequest& request) = 0;
    // The standard error box for an exception that left a handler: one OK button.
    virtual void exceptionBox(const QString& caption, const QString& text) = 0;
    // std::nullopt on Cancel.
    virtual std::optional<QString> input(const InputRequest& request) = 0;
    virtual std::optional<QString> openFile(const OpenFileRequest& request) = 0;
    virtual std::optional<QString> browseFolder(const FolderRequest& request) = 0;
    virtual std::optional<PrintChoice> print(const PrintRequest& request) = 0;
    virtual std::optional<Font> chooseFont(const Font& initial) = 0;
    // A context menu: the index of the entry chosen, std::nullopt when it is closed without one.
    virtual std::optional<int> popupMenu(const PopupMenuRequest& request) = 0;
    // The pages as they will print, until the user closes the preview (or prints from it).
    virtual void printPreview(const PrintPreviewRequest& request) = 0;
    // A modal form is shown and its loop is about to run.
    virtual void modalFormShown(Form& form) = 0;
};

}  // namespace ui
