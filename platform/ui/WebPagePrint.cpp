#include "platform/ui/WebPagePrint.h"

#include "platform/ui/Application.h"
#include "platform/ui/WebBrowser.h"
#include "platform/ui/WebEngine.h"

#include <QElapsedTimer>
#include <memory>
#include <optional>

namespace ui {

bool printWebPage(WebBrowser& view, const PrintChoice& choice, const PrintDestination& destination, int limitMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    WebEngine* engine = WebEngine::installed();
    if (!engine || !view.enginePage() || !view.waitIdle(limitMs))
        return false;
    // The engine may answer after the view is gone.
    auto printed = std::make_shared<std::optional<bool>>();
    engine->print(view.enginePage(), choice, destination, [printed](bool ok) { *printed = ok; });
    for (;;) {
        view.application().processMessages();
        if (printed->has_value())
            return **printed;
        if (elapsed.elapsed() >= limitMs)
            return false;
        engine->waitForEvents(20);
    }
}

bool previewWebPage(WebBrowser& view, const QString& caption, int limitMs)
{
    WebEngine* engine = WebEngine::installed();
    if (!engine || !view.enginePage() || !view.waitIdle(limitMs))
        return false;
    QObject* page = view.enginePage();
    view.application().dialogs().printPreview({caption, [engine, page](QPrinter& printer) { engine->paint(page, printer); }});
    return true;
}

}  // namespace ui
