#include "tests/exchange/labels/WebPageScan.h"

#include "exchange/labels/BarcodeFonts.h"
#include "tests/exchange/labels/BarcodeDecoder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEngineView>
#include <functional>
#include <unistd.h>

namespace labeltest {

namespace {

void waitFor(const std::function<bool()>& done, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace

bool installFontsForTheWebEngine()
{
    ensureApplication();
    // The engine's fontconfig reads the user's font folder once, when the engine starts.
    static QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("share")).toUtf8());
    const bool installed = labels::installBarcodeFonts(QStringLiteral(QVL_PROGRAM_DIR "/Reserve"));
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    return installed;
}

std::optional<QStringList> scanWebPage(const QString& file)
{
    if (!decodeBarcodes(blankPicture(QSize(10, 10), 96)))
        return std::nullopt;
    QWebEngineView view;
    // Wide and tall enough for a page of a few rows with a 15-character Code 39 label.
    view.resize(2600, 1800);
    // About the printer's resolution, so that the narrow bars are several pixels wide.
    view.setZoomFactor(2.5);
    view.show();
    bool loaded = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, [&](bool) { loaded = true; });
    view.load(QUrl::fromLocalFile(file));
    waitFor([&] { return loaded; }, 30000);
    QStringList symbols;
    // The first frames may come before the page's fonts are in.
    waitFor([&] {
        symbols = decodeBarcodes(view.grab().toImage()).value_or(QStringList());
        return !symbols.isEmpty();
    }, 15000);
    // Each face comes in on its own: read until two frames apart give the same symbols.
    QStringList previous;
    waitFor([&] {
        previous = symbols;
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        symbols = decodeBarcodes(view.grab().toImage()).value_or(QStringList());
        return symbols == previous;
    }, 10000);
    return symbols;
}

}  // namespace labeltest
