#pragma once
// A browser control showing the page it was sent to. It keeps the address; the renderer draws a
// local page (HTML 4 with its tables and pictures, no scripts). It stands in for the full web
// view, which takes its place once it exists.
#include "platform/ui/WinControl.h"

namespace ui {

class WebBrowser : public WinControl {
public:
    WebBrowser(Form& form, const QString& name);

    // "file:" followed by a native path. Sent again to the same address, the page is read again.
    void navigate(const QString& url);
    const QString& locationUrl() const { return m_url; }

private:
    QString m_url;
};

}  // namespace ui
