#pragma once
// The hidden browser the page readers load pages into: navigate() returns once the page is
// there (or once it is known that none will come) and the page stays readable until the next
// navigation. The wait lets the program's messages through (net::Waiting).
//
// Whatever the server answers is the page, an error page included: the readers recognise pages
// by their own texts. No answer within the limits (no connection, the connect or whole-page
// time, more bytes than the page may have) shows the cancelled-navigation page. Plain text and
// XML are shown as their text; pictures and other kinds of files give empty texts. file://
// addresses are read from the disk.
#include "platform/browser/PageDocument.h"
#include "platform/browser/WebTransfer.h"

namespace browser {

class PageView {
public:
    explicit PageView(net::Waiting waiting, WebLimits limits = {});

    // Throws net::Error when a navigation of this view is still waiting further up the stack
    // (a handler entered during the wait): its caller would otherwise read another page.
    void navigate(const QString& url);

    const QString& title() const { return page_.title(); }
    const QString& innerText() const { return page_.innerText(); }
    const QString& innerHtml() const { return page_.innerHtml(); }
    const PageDocument& document() const { return page_; }
    // The address of the page shown, after redirects.
    const QString& address() const { return address_; }

private:
    PageDocument load(const QString& url);
    PageDocument loadFile(const QString& url);

    WebTransfer transfer_;
    WebLimits limits_;
    bool busy_ = false;
    PageDocument page_;
    QString address_;
};

}  // namespace browser
