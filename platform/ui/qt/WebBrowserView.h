#pragma once
// A browser control drawn by a text browser: the local page it was sent to, read as the program
// writes its pages (Windows-1252 unless the page names its character set).
#include "platform/ui/qt/ControlView.h"

namespace ui {
class WebBrowser;
}

namespace uiqt {

class WebBrowserView : public ControlView {
public:
    WebBrowserView(Renderer& renderer, ui::WebBrowser& browser);
    void apply(ui::Property property) override;

private:
    void load();
};

}  // namespace uiqt
