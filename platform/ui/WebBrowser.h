#pragma once
// A web view control: a page of the browser engine inside the control model. navigate() returns
// at once; the page's completion and the results of its scripts come back later as posted
// messages, each tied to the navigation it belongs to, so that those of a navigation that
// another one has replaced are dropped; a navigation the page starts itself (a link followed)
// is one of the view's too. A click gives the view the focus, so that its page gets the keys; a
// right click opens the page's menu. Without an engine in the process the control keeps the
// address it was sent to and never completes a page.
#include "platform/ui/WinControl.h"

#include <functional>
#include <memory>
#include <vector>

class QObject;

namespace ui {

class WebEnginePage;

class WebBrowser : public WinControl {
public:
    WebBrowser(Form& form, const QString& name);
    ~WebBrowser() override;

    void navigate(const QString& url);
    // Runs JavaScript in the page now shown; its result reaches onExecuteScript as JSON text.
    void executeScript(const QString& script);
    // The engine's history; InvalidOperation when it has no page on that side.
    void goBack();
    void goForward();
    // The address shown: the final one once the page completed (Source).
    const QString& locationUrl() const { return m_url; }

    // Processes messages until the page and the scripts asked of it have reported, or until
    // limitMs of real time have passed (false). The engine works in real time whatever the
    // model's clock.
    bool waitIdle(int limitMs);
    bool busy() const { return m_loading || m_scriptsPending > 0; }

    // The engine's page object once the control has one, for the renderer.
    QObject* enginePage() const;

    // An entry of the page's context menu, which a right click on the view opens.
    struct PageMenuEntry {
        QString caption;
        std::function<void()> choose;
    };
    void setPageMenu(std::vector<PageMenuEntry> entries) { m_pageMenu = std::move(entries); }

    std::function<void(bool isSuccess)> onNavigationCompleted;
    std::function<void(const QString& resultJson)> onExecuteScript;

protected:
    // A click into the page gives it the keys.
    bool takesFocusOnClick() const override { return true; }
    void contextMenu(QPoint screenPos) override;

private:
    void pageLoaded(int navigation, bool ok);
    void beginNavigation();
    WebEnginePage* page();

    std::unique_ptr<WebEnginePage> m_page;
    // Handed to the engine's callbacks, which may outlive the control.
    std::shared_ptr<WebBrowser*> m_self;
    QString m_url;
    int m_navigation = 0;
    bool m_loading = false;
    int m_scriptsPending = 0;
    std::vector<PageMenuEntry> m_pageMenu;
};

}  // namespace ui
