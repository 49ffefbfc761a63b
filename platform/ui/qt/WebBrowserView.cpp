#include "platform/ui/qt/WebBrowserView.h"

#include "platform/text/Windows1252.h"
#include "platform/ui/Form.h"
#include "platform/ui/WebBrowser.h"

#include <QFile>
#include <QStackedLayout>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace uiqt {

WebBrowserView::WebBrowserView(Renderer& renderer, ui::WebBrowser& browser)
    : ControlView(renderer, browser, new QWidget)
{
    auto* layout = new QStackedLayout(widget());
    layout->setContentsMargins(0, 0, 0, 0);
    load();
}

void WebBrowserView::apply(ui::Property property)
{
    if (property == ui::Property::Data)
        load();
    else
        ControlView::apply(property);
}

MouseRouting WebBrowserView::mouseRouting(const QWidget*) const
{
    return m_engineView ? MouseRouting::Shared : MouseRouting::ModelOnly;
}

bool WebBrowserView::keyToWidget(const QWidget*, const QKeyEvent*) const
{
    return m_engineView && control().form().activeControl() == &control();
}

void WebBrowserView::load()
{
    auto& browser = static_cast<ui::WebBrowser&>(control());
    auto* layout = static_cast<QStackedLayout*>(widget()->layout());
    if (auto* page = qobject_cast<QWebEnginePage*>(browser.enginePage())) {
        if (!m_engineView) {
            m_engineView = new QWebEngineView;
            m_engineView->setPage(page);
            // The model opens the page's menu on a right click.
            m_engineView->setContextMenuPolicy(Qt::NoContextMenu);
            // The model's focus on the view reaches the page.
            widget()->setFocusProxy(m_engineView);
            layout->addWidget(m_engineView);
            layout->setCurrentWidget(m_engineView);
        }
        return;
    }
    if (!m_textView) {
        m_textView = new QTextBrowser;
        m_textView->setOpenLinks(false);
        layout->addWidget(m_textView);
    }
    showLocalPage();
}

void WebBrowserView::showLocalPage()
{
    const QUrl url(static_cast<ui::WebBrowser&>(control()).locationUrl());
    QFile page(url.toLocalFile());
    if (!url.isLocalFile() || !page.open(QIODevice::ReadOnly)) {
        m_textView->clear();
        return;
    }
    const QByteArray bytes = page.readAll();
    QStringDecoder declared = QStringDecoder::decoderForHtml(bytes);
    const bool named = declared.isValid() && bytes.toLower().contains("charset");
    // Pictures are found beside the page.
    m_textView->document()->setBaseUrl(url);
    m_textView->setHtml(named ? QString(declared(bytes)) : text::decodeWindows1252(bytes));
}

}  // namespace uiqt
