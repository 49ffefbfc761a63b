#pragma once
// A web view drawn as a real browser widget showing the control's engine page. The page gets the
// mouse as the model does (links, fields, selections) and the keys while the view has the
// model's focus; its context menu is the model's. In a process without the engine it shows the
// local page it was sent to in a text browser, read as the program writes its pages
// (Windows-1252 unless the page names its character set).
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
    MouseRouting mouseRouting(const QWidget* receiver) const override;
    bool keyToWidget(const QWidget* receiver, const QKeyEvent* event) const override;

private:
    void load();
    void showLocalPage();

    QWebEngineView* m_engineView = nullptr;
    QTextBrowser* m_textView = nullptr;
};

}  // namespace uiqt
