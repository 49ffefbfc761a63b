#include "platform/ui/WebBrowser.h"

#include "platform/ui/Application.h"
#include "platform/ui/Errors.h"
#include "platform/ui/WebEngine.h"

#include <QElapsedTimer>

namespace ui {

namespace {

WebEngine* g_engine = nullptr;

}  // namespace

WebEngine* WebEngine::installed() { return g_engine; }

void WebEngine::install(WebEngine* engine) { g_engine = engine; }

WebBrowser::WebBrowser(Form& form, const QString& name)
    : WinControl(form, name), m_self(std::make_shared<WebBrowser*>(this))
{
    setColor(colors::window);
}

WebBrowser::~WebBrowser() { *m_self = nullptr; }

WebEnginePage* WebBrowser::page()
{
    // The engine starts with the first page a view shows, so a run that never browses never
    // pays for it.
    if (!m_page && WebEngine::installed()) {
        std::weak_ptr<WebBrowser*> self = m_self;
        m_page = WebEngine::installed()->createPage([self](int navigation, bool ok) {
            if (const auto alive = self.lock(); alive && *alive)
                (*alive)->pageLoaded(navigation, ok);
        });
        m_page->onStartedByPage([self] {
            const auto alive = self.lock();
            if (!alive || !*alive)
                return 0;
            (*alive)->beginNavigation();
            return (*alive)->m_navigation;
        });
        notify(Property::Data);
    }
    return m_page.get();
}

void WebBrowser::beginNavigation()
{
    ++m_navigation;
    m_scriptsPending = 0;
    m_loading = m_page != nullptr;
}

void WebBrowser::navigate(const QString& url)
{
    m_url = url;
    WebEnginePage* p = page();
    beginNavigation();
    if (p)
        p->navigate(url, m_navigation);
    notify(Property::Data);
}

void WebBrowser::pageLoaded(int navigation, bool ok)
{
    std::weak_ptr<WebBrowser*> self = m_self;
    application().post([self, navigation, ok] {
        const auto alive = self.lock();
        if (!alive || !*alive)
            return;
        WebBrowser& view = **alive;
        if (navigation != view.m_navigation || !view.m_loading)
            return;
        view.m_loading = false;
        view.m_url = view.m_page->url();
        if (view.onNavigationCompleted)
            view.guarded([&] { view.onNavigationCompleted(ok); });
    });
}

void WebBrowser::executeScript(const QString& script)
{
    if (!m_page)
        return;
    ++m_scriptsPending;
    std::weak_ptr<WebBrowser*> self = m_self;
    const int navigation = m_navigation;
    m_page->runScript(script, [self, navigation](const QString& json) {
        const auto owner = self.lock();
        if (!owner || !*owner)
            return;
        (*owner)->application().post([self, navigation, json] {
            const auto alive = self.lock();
            if (!alive || !*alive)
                return;
            WebBrowser& view = **alive;
            // A result of a page that another navigation replaced belongs to no page shown.
            if (navigation != view.m_navigation)
                return;
            --view.m_scriptsPending;
            if (view.onExecuteScript)
                view.guarded([&] { view.onExecuteScript(json); });
        });
    });
}

void WebBrowser::goBack()
{
    if (!m_page || !m_page->goBack(m_navigation + 1))
        throw InvalidOperation(QStringLiteral("No page to go back to"));
    beginNavigation();
}

void WebBrowser::goForward()
{
    if (!m_page || !m_page->goForward(m_navigation + 1))
        throw InvalidOperation(QStringLiteral("No page to go forward to"));
    beginNavigation();
}

bool WebBrowser::waitIdle(int limitMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        application().processMessages();
        if (!busy())
            return true;
        if (elapsed.elapsed() >= limitMs)
            return false;
        WebEngine::installed()->waitForEvents(20);
    }
}

void WebBrowser::contextMenu(QPoint screenPos)
{
    if (m_pageMenu.empty())
        return;
    QStringList captions;
    for (const PageMenuEntry& entry : m_pageMenu)
        captions << entry.caption;
    const std::optional<int> chosen = application().dialogs().popupMenu({captions, screenPos});
    if (!chosen)
        return;
    // The entry's action may give the view another menu.
    const std::function<void()> choose = m_pageMenu[size_t(*chosen)].choose;
    guarded(choose);
}

QObject* WebBrowser::enginePage() const { return m_page ? m_page->native() : nullptr; }

}  // namespace ui
