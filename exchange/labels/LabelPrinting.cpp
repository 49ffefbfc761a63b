#include "exchange/labels/LabelPrinting.h"

#include "platform/ui/PrintPreviewEngine.h"

#include <stdexcept>

namespace labels {

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

}  // namespace labels
