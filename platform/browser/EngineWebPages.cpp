#include "platform/browser/EngineWebPages.h"

#include "platform/browser/TestRouting.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QPageLayout>
#include <QPageRanges>
#include <QPrinter>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QWebEngineCertificateError>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <algorithm>
#include <deque>
#include <unistd.h>

namespace browser {

namespace {

// A PDF file is printed on A4, the paper of French schools, with margins of 1 cm.
QPageLayout filePageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

// Whether the certificate chain of an HTTPS page leads to the tests' own authority.
bool trustedByTestAuthority(const QWebEngineCertificateError& error)
{
    const QString caFile = testRoutingOfEnvironment().caFile;
    if (caFile.isEmpty())
        return false;
    static const bool added = [&] {
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.addCaCertificates(caFile);
        QSslConfiguration::setDefaultConfiguration(configuration);
        return true;
    }();
    Q_UNUSED(added);
    return QSslCertificate::verify(error.certificateChain(), error.url().host()).isEmpty();
}

// What a local page the program has not written yet shows instead of the engine's error page;
// its navigation fails all the same.
QUrl notWrittenPage() { return QUrl(QStringLiteral("about:blank")); }

class EnginePage : public ui::WebEnginePage {
public:
    EnginePage(QWebEngineProfile* profile, std::function<void(int, bool)> loaded)
        : m_page(profile), m_loaded(std::move(loaded))
    {
        QObject::connect(&m_page, &QWebEnginePage::loadingChanged, &m_page,
                         [this](const QWebEngineLoadingInfo& info) { loadingChanged(info); });
        QObject::connect(&m_page, &QWebEnginePage::certificateError, &m_page,
                         [](const QWebEngineCertificateError& error) {
                             auto e = error;
                             if (trustedByTestAuthority(error))
                                 e.acceptCertificate();
                             else
                                 e.rejectCertificate();
                         });
    }

    void navigate(const QString& url, int navigation) override
    {
        QUrl address(url);
        if (address.isLocalFile() && !QFileInfo::exists(address.toLocalFile()))
            address = notWrittenPage();
        request(navigation, address);
        m_page.load(address);
    }

    void runScript(const QString& script, std::function<void(const QString&)> done) override
    {
        m_page.runJavaScript(script, [done = std::move(done)](const QVariant& result) {
            const QJsonValue value = QJsonValue::fromVariant(result);
            if (value.isNull() || value.isUndefined()) {
                done(QStringLiteral("null"));
                return;
            }
            // A document holding one value writes it as JSON; the array's brackets are cut off.
            const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
            done(QString::fromUtf8(array.mid(1, array.size() - 2)));
        });
    }

    bool goBack(int navigation) override { return move(navigation, QWebEnginePage::Back); }
    bool goForward(int navigation) override { return move(navigation, QWebEnginePage::Forward); }

    QString url() const override { return m_page.url().toString(QUrl::FullyEncoded); }
    QObject* native() override { return &m_page; }
    void onStartedByPage(std::function<int()> started) override { m_startedByPage = std::move(started); }

private:
    struct Request {
        int navigation;
        QUrl url;  // empty for a move in the history
    };

    void request(int navigation, const QUrl& url)
    {
        m_requests.push_back({navigation, url});
        if (m_requests.size() > 8)
            m_requests.pop_front();
    }

    bool move(int navigation, QWebEnginePage::WebAction action)
    {
        QWebEngineHistory* history = m_page.history();
        if (action == QWebEnginePage::Back ? !history->canGoBack() : !history->canGoForward())
            return false;
        request(navigation, QUrl());
        m_page.triggerAction(action);
        return true;
    }

    // A load that starts belongs to the newest navigation asked for its address or for a move in
    // the history (whose address is not known beforehand), which it uses up with the older ones;
    // when none is left, the page started it itself.
    void loadingChanged(const QWebEngineLoadingInfo& info)
    {
        if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
            if (m_requests.empty()) {
                m_current = m_startedByPage ? m_startedByPage() : 0;
                return;
            }
            const auto matched = std::find_if(m_requests.rbegin(), m_requests.rend(), [&](const Request& r) {
                return r.url.isEmpty() || r.url == info.url();
            });
            if (matched == m_requests.rend()) {
                m_current = m_requests.back().navigation;
                m_requests.clear();
            } else {
                m_current = matched->navigation;
                m_requests.erase(m_requests.begin(), matched.base());
            }
            return;
        }
        m_loaded(m_current, info.status() == QWebEngineLoadingInfo::LoadSucceededStatus && !info.isErrorPage() &&
                                info.url() != notWrittenPage());
    }

    QWebEnginePage m_page;
    std::function<void(int, bool)> m_loaded;
    std::deque<Request> m_requests;
    int m_current = 0;
    std::function<int()> m_startedByPage;
};

}  // namespace

EngineWebPages::EngineWebPages() = default;

EngineWebPages::~EngineWebPages() = default;

QWebEngineProfile* EngineWebPages::profile()
{
    if (!m_profile) {
        // Chromium's sandbox cannot run as root (as CI runs the tests).
        if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        // The engine's own pages (folder listings, error pages) are French whatever the
        // machine's language. Its flags are read once, when the first profile starts it.
        const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("--lang="))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + " --lang=fr");
        m_profile = std::make_unique<QWebEngineProfile>();
        m_profile->setHttpAcceptLanguage(QStringLiteral("fr-FR,fr"));
    }
    return m_profile.get();
}

std::unique_ptr<ui::WebEnginePage> EngineWebPages::createPage(std::function<void(int, bool)> loaded)
{
    return std::make_unique<EnginePage>(profile(), std::move(loaded));
}

void EngineWebPages::waitForEvents(int ms)
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, ms);
}

void EngineWebPages::print(QObject* page, const ui::PrintChoice& choice, const ui::PrintDestination& destination,
                           std::function<void(bool)> done)
{
    auto* shown = qobject_cast<QWebEnginePage*>(page);
    if (!shown) {
        done(false);
        return;
    }
    QPageRanges ranges;
    if (choice.range == ui::PrintChoice::Range::Pages)
        ranges.addRange(choice.fromPage, choice.toPage);
    if (!destination.outputFile.isEmpty()) {
        // The engine writes the PDF file itself.
        auto finished = std::make_shared<QMetaObject::Connection>();
        *finished = QObject::connect(shown, &QWebEnginePage::pdfPrintingFinished, shown,
                                     [finished, done](const QString&, bool ok) {
                                         QObject::disconnect(*finished);
                                         done(ok);
                                     });
        shown->printToPdf(destination.outputFile, filePageLayout(), ranges);
        return;
    }
    // A printer takes the page through the view that shows it.
    QWebEngineView* view = QWebEngineView::forPage(shown);
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    if (!destination.printerName.isEmpty())
        printer->setPrinterName(destination.printerName);
    if (!view || !printer->isValid() || printer->printerName().isEmpty()) {
        done(false);
        return;
    }
    printer->setCopyCount(choice.copies);
    printer->setPageRanges(ranges);
    auto finished = std::make_shared<QMetaObject::Connection>();
    *finished = QObject::connect(view, &QWebEngineView::printFinished, view, [finished, printer, done](bool ok) {
        QObject::disconnect(*finished);
        done(ok);
    });
    view->print(printer.get());
}

void EngineWebPages::paint(QObject* page, QPrinter& printer)
{
    auto* shown = qobject_cast<QWebEnginePage*>(page);
    QWebEngineView* view = shown ? QWebEngineView::forPage(shown) : nullptr;
    // The preview may ask again while the engine is still laying the page out for it.
    if (!view || m_painting)
        return;
    m_painting = true;
    // The preview draws its pages as soon as this returns.
    QEventLoop drawn;
    QObject::connect(view, &QWebEngineView::printFinished, &drawn, &QEventLoop::quit);
    view->print(&printer);
    drawn.exec();
    m_painting = false;
}

}  // namespace browser
