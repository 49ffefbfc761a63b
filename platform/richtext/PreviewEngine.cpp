#include "platform/richtext/PreviewEngine.h"

#include "platform/richtext/ErrorTexts.h"
#include "platform/richtext/PageLayout.h"
#include "platform/richtext/RichEditContent.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <cmath>
#include <stdexcept>

namespace richtext {

namespace {

constexpr int kTwipsPerInch = 1440;

constexpr double kMillimetresPerInch = 25.4;

// Millimetres keep a page's sizes as its definition gives them (points and pixels are rounded).
int toTwips(qreal millimetres) { return int(std::lround(millimetres * kTwipsPerInch / kMillimetresPerInch)); }
qreal toMillimetres(int twips) { return twips * kMillimetresPerInch / kTwipsPerInch; }

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

struct PreviewEngine::Laid {
    std::vector<ui::TextRun> runs;
    Document document;
    PageLayout layout{document};
};

PreviewEngine::PreviewEngine(std::function<QPrinter*()> currentPrinter) : m_currentPrinter(std::move(currentPrinter))
{
}

PreviewEngine::~PreviewEngine() = default;

PageLayout& PreviewEngine::layoutOf(const ui::RichEdit& edit)
{
    if (!m_laid || m_laid->runs != edit.runs()) {
        m_laid.reset();
        m_laid.reset(new Laid{edit.runs(), documentOf(edit.runs())});
    }
    return m_laid->layout;
}

std::optional<ui::PrinterGeometry> PreviewEngine::printerGeometry()
{
    QPrinter* printer = m_currentPrinter ? m_currentPrinter() : nullptr;
    if (!printer || !printer->isValid())
        return std::nullopt;
    const int dpi = printer->resolution();
    const QRectF paper = printer->pageLayout().fullRect(QPageLayout::Millimeter);
    const QRectF printable = printer->pageLayout().paintRect(QPageLayout::Millimeter);
    return ui::PrinterGeometry{dpi,
                               dpi,
                               toTwips(paper.width()),
                               toTwips(paper.height()),
                               toTwips(printable.left()),
                               toTwips(printable.top()),
                               toTwips(printable.width()),
                               toTwips(printable.height())};
}

std::vector<int> PreviewEngine::paginate(const ui::RichEdit& edit, const QRect& textRect)
{
    return layoutOf(edit).paginate(textRect);
}

void PreviewEngine::paint(const ui::RichEdit& edit, const ui::PageDrawing& page, QPainter& painter)
{
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), page.pageSize), Qt::white);
    for (const ui::BandDrawing& band : page.bands)
        drawBand(band, painter);
    if (page.end > page.start)
        layoutOf(edit).render(FormatRange{page.start, page.end, page.textRect}, painter);
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
        throw std::runtime_error(errorTexts().printNotStarted.toStdString());
    try {
        // The painter starts at the printable area's corner; page coordinates start at the paper's.
        painter.translate(-printable.left(), -printable.top());
        painter.scale(double(dpi) / kTwipsPerInch, double(dpi) / kTwipsPerInch);
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0 && !printer->newPage())
                throw std::runtime_error(errorTexts().printFailed.toStdString());
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
    printer.setPageLayout(QPageLayout(QPageSize(QSizeF(toMillimetres(11908), toMillimetres(16832)), QPageSize::Millimeter),
                                      QPageLayout::Portrait,
                                      QMarginsF(toMillimetres(172), toMillimetres(172), toMillimetres(216), toMillimetres(737)),
                                      QPageLayout::Millimeter));
}

}  // namespace richtext
