#pragma once
// The dialog service on real Qt dialogs: message boxes with the icon and buttons asked, input
// boxes (masked for passwords), file and folder dialogs, the print and font dialogs, and the
// standard error box. Captions and texts are shown exactly as the program gives them. Paths
// cross the dialogs as the program writes them (Windows text), mapped to native paths for the
// dialog and back.
#include "platform/ui/DialogService.h"

#include <QString>
#include <memory>

class QPrinter;

namespace uiqt {

class QtDialogs : public ui::DialogService {
public:
    QtDialogs();
    ~QtDialogs() override;

    ui::ModalResult message(const ui::MessageRequest& request) override;
    void exceptionBox(const QString& caption, const QString& text) override;
    std::optional<QString> input(const ui::InputRequest& request) override;
    std::optional<QString> openFile(const ui::OpenFileRequest& request) override;
    std::optional<QString> browseFolder(const ui::FolderRequest& request) override;
    std::optional<ui::PrintChoice> print(const ui::PrintRequest& request) override;
    std::optional<ui::Font> chooseFont(const ui::Font& initial) override;
    // A menu at the pointer.
    std::optional<int> popupMenu(const ui::PopupMenuRequest& request) override;
    // Qt's print preview; its print button prints on the printer of the print dialog.
    void printPreview(const ui::PrintPreviewRequest& request) override;
    // Modal forms are windows of the renderer.
    void modalFormShown(ui::Form&) override {}

    // The printer the print dialog set up, for the printing that follows it.
    QPrinter& printer();

private:
    std::unique_ptr<QPrinter> m_printer;
};

// "Text files|*.txt;*.csv|All|*.*" as Qt's name filters: "Text files (*.txt *.csv)", "All (*.*)".
QStringList nameFilters(const QString& filter);

}  // namespace uiqt
