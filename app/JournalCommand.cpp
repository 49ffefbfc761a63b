#include "app/JournalCommand.h"

#include "app/FrmPrin.h"
#include "platform/files/WindowsPath.h"
#include "platform/shell/Shell.h"
#include "platform/ui/Application.h"

namespace app {

namespace {

void Afficherlejournal1Click(TFrmPrin& window)
{
    ui::Application& application = window.application();
    const QString journal = window.AppDir + QStringLiteral("journal.csv");
    application.showMessage(window.tables.message(55) + journal + QStringLiteral(" \r\n") + window.tables.message(56));
    const ui::ModalResult answer = application.messageBox(window.tables.dialog(10), QStringLiteral("Excel"),
                                                          ui::MessageButtons::OkCancel, ui::MessageIcon::Question, 2);
    if (answer == ui::ModalResult::Ok)
        window.services().shell.open(files::nativePath(journal));
}

}  // namespace

void bindJournalCommand(TFrmPrin& window)
{
    window.handlers.bind(QStringLiteral("Afficherlejournal1Click"), [&window] { Afficherlejournal1Click(window); });
}

}  // namespace app
