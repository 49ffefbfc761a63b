#pragma once
// A web view drawn as a real browser widget showing the control's engine page. In a process
// without the engine it shows the local page it was sent to in a text browser, read as the
// program writes its pages (Windows-1252 unless the page names its character set).
#include "platform/ui/qt/ControlView.h"

class QWebEngineView;
class QTextBrowser;

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
    void showLocalPage();

    QWebEngineView* m_engineView = nullptr;
    QTextBrowser* m_textView = nullptr;
};

}  // namespace uiqt
