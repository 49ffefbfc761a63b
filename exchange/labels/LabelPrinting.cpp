#include "exchange/labels/LabelPrinting.h"

#include "platform/ui/DialogService.h"
#include "platform/ui/PrintPreviewEngine.h"
#include "platform/ui/WebBrowser.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QWebEnginePage>
#include <stdexcept>

namespace labels {

namespace {

constexpr int kPdfWaitMs = 60000;

}  // namespace

void printOnCurrentPrinter(const ui::RichEdit& sheet)
{
    ui::PrintPreviewEngine* engine = ui::PrintPreviewEngine::installed();
    const std::optional<ui::PrinterGeometry> printer = engine ? engine->printerGeometry() : std::nullopt;
    if (!printer)
        throw std::runtime_error("Aucune imprimante n'est installée");
    const QRect textRect(printer->offsetX, printer->offsetY, printer->printableWidth, printer->printableHeight);
    std::vector<ui::PageDrawing> pages;
    int start = 0;
    for (int end : engine->paginate(sheet, textRect)) {
        pages.push_back({start, end, textRect, QSize(printer->pageWidth, printer->pageHeight), {}, {}});
        start = end;
    }
    engine->print(QString(), sheet, pages, [](size_t) {});
}

bool printShownPage(ui::DialogService& dialogs, ui::WebBrowser& view)
{
    if (!dialogs.print(ui::PrintRequest{}))
        return false;
    auto* page = qobject_cast<QWebEnginePage*>(view.enginePage());
    const QPrinterInfo current = QPrinterInfo::defaultPrinter();
    const QString lp = QStandardPaths::findExecutable(QStringLiteral("lp"));
    if (!page || current.isNull() || lp.isEmpty())
        return false;
    // The engine lays the page out for paper as a PDF, which the printing system takes as it is.
    QByteArray pdf;
    bool done = false;
    page->printToPdf([&](const QByteArray& result) {
        pdf = result;
        done = true;
    });
    QDeadlineTimer deadline(kPdfWaitMs);
    while (!done && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (pdf.isEmpty())
        return false;
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("Etiquettes-XXXXXX.pdf")));
    file.setAutoRemove(false);
    if (!file.open() || file.write(pdf) != pdf.size())
        return false;
    file.close();
    return QProcess::execute(lp, {QStringLiteral("-d"), current.printerName(), file.fileName()}) == 0;
}

}  // namespace labels
