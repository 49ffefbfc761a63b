#pragma once
// The print buttons and the context menus of the pages shown in web views: Qt's print dialog,
// then the page on the printer or into the file chosen there, with its copies and pages; or the
// page in a print preview.
namespace ui {
class WebBrowser;
}  // namespace ui

namespace app {

class TFrmPrin;

// False when nothing was printed: the dialog was cancelled, or the print failed, which the
// librarian is told.
bool printWebPage(TFrmPrin& frm, ui::WebBrowser& view);
// The page as it will print; a page that is not there (yet) is told.
void previewWebPage(TFrmPrin& frm, ui::WebBrowser& view);

}  // namespace app
