#pragma once
// The browser engine behind the web view controls. The control model knows it only through this
// interface: a program installs the real engine once at start; a process without one (most
// tests) has web views that keep their address and never complete a page.
#include "platform/ui/DialogService.h"
#include "platform/ui/PrintDestination.h"

#include <QString>
#include <functional>
#include <memory>

class QObject;
class QPrinter;

namespace ui {

// One page of the engine: a browsing context with its own history.
class WebEnginePage {
public:
    virtual ~WebEnginePage() = default;
    // Each navigation carries the number its completion is reported with.
    virtual void navigate(const QString& url, int navigation) = 0;
    // Runs JavaScript in the page; `done` gets the result as JSON text ("null" for none).
    virtual void runScript(const QString& script, std::function<void(const QString& json)> done) = 0;
    // False when the history has no page on that side.
    virtual bool goBack(int navigation) = 0;
    virtual bool goForward(int navigation) = 0;
    // The address shown, after redirects.
    virtual QString url() const = 0;
    // The engine's own page object, for the renderer to show.
    virtual QObject* native() = 0;
    // `started` is called when the page begins a navigation of its own (a link followed, a form
    // sent, a script's move); it gives the number that navigation's completion is reported with.
    virtual void onStartedByPage(std::function<int()> started) {}
};

class WebEngine {
public:
    virtual ~WebEngine() = default;
    // `loaded` is called with a navigation's number and success when its page finishes loading
    // (a replaced navigation may still report, failed or not).
    virtual std::unique_ptr<WebEnginePage> createPage(std::function<void(int navigation, bool ok)> loaded) = 0;
    // Lets the engine's pending events through, waiting up to ms for the first one.
    virtual void waitForEvents(int ms) = 0;
    // Lays the page (a page's native object) out for paper and prints it as the print dialog
    // chose; `done` tells whether the printer or the file took it.
    virtual void print(QObject* page, const PrintChoice& choice, const PrintDestination& destination,
                       std::function<void(bool ok)> done) = 0;
    // Lays the page out on the printer of a print preview; returns once its pages are drawn.
    virtual void paint(QObject* page, QPrinter& printer) {}

    // The engine of this process; none until installed.
    static WebEngine* installed();
    static void install(WebEngine* engine);
};

}  // namespace ui
