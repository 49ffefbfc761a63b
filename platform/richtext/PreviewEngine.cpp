#include "platform/richtext/PreviewEngine.h"

#include "platform/richtext/PageLayout.h"
#include "platform/richtext/RichEditContent.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <stdexcept>

namespace richtext {

namespace {

constexpr int kTwipsPerInch = 1440;

int toTwips(int pixels, int dpi) { return int((qint64(pixels) * kTwipsPerInch + dpi / 2) / dpi); }

void drawBand(const ui::BandDrawing& band, QPainter& painter)
{
    painter.setFont(layoutFont(charFormatOf(band.font)));
    painter.setPen(Qt::black);
    const Qt::Alignment vertical = band.bottomAligned ? Qt::AlignBottom : Qt::AlignTop;
    painter.drawText(band.rect, int(vertical | Qt::AlignLeft), band.left);
    painter.drawText(band.rect, int(vertical | Qt::AlignHCenter), band.center);
    painter.drawText(band.rect, int(vertical | Qt::AlignRight), band.right);
}

}  // namespace

PreviewEngine::PreviewEngine(std::function<QPrinter*()> currentPrinter) : m_currentPrinter(std::move(currentPrinter))
{
}

std::optional<ui::PrinterGeometry> PreviewEngine::printerGeometry()
{
    QPrinter* printer = m_currentPrinter ? m_currentPrinter() : nullptr;
    if (!printer || !printer->isValid())
        return std::nullopt;
    const int dpi = printer->resolution();
    const QRect paper = printer->pageLayout().fullRectPixels(dpi);
    const QRect printable = printer->pageLayout().paintRectPixels(dpi);
    return ui::PrinterGeometry{dpi,
                               dpi,
                               toTwips(paper.width(), dpi),
                               toTwips(paper.height(), dpi),
                               toTwips(printable.left(), dpi),
                               toTwips(printable.top(), dpi),
                               toTwips(printable.width(), dpi),
                               toTwips(printable.height(), dpi)};
}

std::vector<int> PreviewEngine::paginate(const ui::RichEdit& edit, const QRect& textRect)
{
    const Document document = documentOf(edit.runs());
    return PageLayout(document).paginate(textRect);
}

void PreviewEngine::paint(const ui::RichEdit& edit, const ui::PageDrawing& page, QPainter& painter)
{
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), page.pageSize), Qt::white);
    for (const ui::BandDrawing& band : page.bands)
        drawBand(band, painter);
    const Document document = documentOf(edit.runs());
    if (page.end > page.start)
        PageLayout(document).render(FormatRange{page.start, page.end, page.textRect}, painter);
    QPen dashed(QColor(0xC0, 0xC0, 0xC0), 0, Qt::DashLine);
    painter.setPen(dashed);
    for (const QLine& line : page.marginLines)
        painter.drawLine(line);
    painter.restore();
}

void PreviewEngine::print(const QString& title, const ui::RichEdit& edit, const std::vector<ui::PageDrawing>& pages,
                          const std::function<void(size_t index)>& printed)
{
    QPrinter* printer = m_currentPrinter ? m_currentPrinter() : nullptr;
    if (!printer)
        return;
    printer->setDocName(title);
    const int dpi = printer->resolution();
    const QRect printable = printer->pageLayout().paintRectPixels(dpi);
    QPainter painter;
    if (!painter.begin(printer))
        throw std::runtime_error("L'impression n'a pas pu commencer.");
    try {
        // The painter starts at the printable area's corner; page coordinates start at the paper's.
        painter.translate(-printable.left(), -printable.top());
        painter.scale(double(dpi) / kTwipsPerInch, double(dpi) / kTwipsPerInch);
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0 && !printer->newPage())
                throw std::runtime_error("L'impression a échoué.");
            paint(edit, pages[i], painter);
            printed(i);
        }
    } catch (...) {
        printer->abort();
        painter.end();
        throw;
    }
    painter.end();
}

void setUpPdfPrinter(QPrinter& printer, const QString& nativePath)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(nativePath);
    printer.setResolution(360);
    // Twips are twentieths of a point.
    printer.setPageLayout(QPageLayout(QPageSize(QSizeF(11908 / 20.0, 16832 / 20.0), QPageSize::Point),
                                      QPageLayout::Portrait, QMarginsF(172 / 20.0, 172 / 20.0, 216 / 20.0, 737 / 20.0),
                                      QPageLayout::Point));
}

}  // namespace richtext
