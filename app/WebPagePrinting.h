#pragma once
// The print buttons of the pages shown in web views: Qt's print dialog, then the page on the
// printer or into the file chosen there, with its copies and pages.
namespace ui {
class WebBrowser;
}  // namespace ui

namespace app {

class TFrmPrin;

// False when nothing was printed: the dialog was cancelled, or the print failed, which the
// librarian is told.
bool printWebPage(TFrmPrin& frm, ui::WebBrowser& view);

}  // namespace app
