#pragma once
// How the two label forms reach paper: the sheet as the rich-edit control prints itself, the
// HTML page through its web view.
namespace ui {
class DialogService;
class RichEdit;
class WebBrowser;
}  // namespace ui

namespace labels {

// The whole content on the current printer, its printable area as the text rectangle, as one
// job without a document name; throws when no printer is installed or the job fails.
void printOnCurrentPrinter(const ui::RichEdit& sheet);

// The browser's print dialog, then the page the web view shows on the default printer; false
// when nothing was printed (the dialog cancelled, no printer).
bool printShownPage(ui::DialogService& dialogs, ui::WebBrowser& view);

}  // namespace labels
