#pragma once
// The browser engine of the web views: Qt WebEngine (Chromium), one private profile for the
// process, pages without windows of their own (the renderer shows them when it draws). Its own
// pages speak French; a local page not written yet shows blank.
//
// Tests route the engine through its command-line flags (QTWEBENGINE_CHROMIUM_FLAGS with
// --host-resolver-rules), set by their harness; with QVL_TEST_CA_FILE set, HTTPS also trusts
// the certificates of that authority, as the hidden browser does.
#include "platform/ui/WebEngine.h"

class QWebEngineProfile;

namespace browser {

class EngineWebPages : public ui::WebEngine {
public:
    EngineWebPages();
    ~EngineWebPages() override;

    std::unique_ptr<ui::WebEnginePage> createPage(std::function<void(int navigation, bool ok)> loaded) override;
    void waitForEvents(int ms) override;
    void print(QObject* page, const ui::PrintChoice& choice, const ui::PrintDestination& destination,
               std::function<void(bool ok)> done) override;
    void paint(QObject* page, QPrinter& printer) override;

private:
    QWebEngineProfile* profile();

    std::unique_ptr<QWebEngineProfile> m_profile;
    bool m_painting = false;
};

}  // namespace browser
