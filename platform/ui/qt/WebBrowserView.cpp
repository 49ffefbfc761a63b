#include "platform/ui/qt/WebBrowserView.h"

#include "platform/text/Windows1252.h"
#include "platform/ui/WebBrowser.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QUrl>

namespace uiqt {

WebBrowserView::WebBrowserView(Renderer& renderer, ui::WebBrowser& browser)
    : ControlView(renderer, browser, new QTextBrowser)
{
    static_cast<QTextBrowser*>(widget())->setOpenLinks(false);
    load();
}

void WebBrowserView::apply(ui::Property property)
{
    if (property == ui::Property::Data)
        load();
    else
        ControlView::apply(property);
}

void WebBrowserView::load()
{
    auto* view = static_cast<QTextBrowser*>(widget());
    const QUrl url(static_cast<ui::WebBrowser&>(control()).locationUrl());
    QFile page(url.toLocalFile());
    if (!url.isLocalFile() || !page.open(QIODevice::ReadOnly)) {
        view->clear();
        return;
    }
    const QByteArray bytes = page.readAll();
    QStringDecoder declared = QStringDecoder::decoderForHtml(bytes);
    const bool named = declared.isValid() && bytes.toLower().contains("charset");
    // Pictures are found beside the page.
    view->document()->setBaseUrl(url);
    view->setHtml(named ? QString(declared(bytes)) : text::decodeWindows1252(bytes));
}

}  // namespace uiqt
