#include "platform/ui/RichEditPrintPreview.h"

#include "platform/ui/Application.h"
#include "platform/ui/Clock.h"
#include "platform/ui/RichEdit.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr int kTwipsPerInch = 1440;

// The page of a machine without a printer: A4 at 360 dpi with the usual unprintable borders.
constexpr PrinterGeometry kNoPrinter{360, 360, 11908, 16832, 172, 172, 11520, 15856};
const QMargins kNoPrinterMinimum{172, 172, 216, 737};

int roundToInt(double value) { return int(std::lround(value)); }

}  // namespace

RichEditPrintPreview::RichEditPrintPreview(Form& form, const QString& name) : WinControl(form, name)
{
    setBounds(QRect(0, 0, 300, 300));
    setColor(Color::rgb(171, 171, 171));  // the application workspace
    Font band;
    band.name = QStringLiteral("Arial");
    band.size = 10;
    m_header.font = m_footer.font = band;
    readPrinterGeometry();
}

void RichEditPrintPreview::setRichEdit(RichEdit* edit)
{
    m_richEdit = edit;
    notify(Property::Picture);
}

void RichEditPrintPreview::setShowMargin(bool show)
{
    m_showMargin = show;
    display();
}

void RichEditPrintPreview::setHeaderText(const QString& left, const QString& center, const QString& right)
{
    m_header.left = left;
    m_header.center = center;
    m_header.right = right;
}

void RichEditPrintPreview::setFooterText(const QString& left, const QString& center, const QString& right)
{
    m_footer.left = left;
    m_footer.center = center;
    m_footer.right = right;
}

float RichEditPrintPreview::fromTwips(int twips) const
{
    const float inches = float(twips) / kTwipsPerInch;
    return m_marginInMM ? inches * 25.4f : inches;
}

int RichEditPrintPreview::marginTwips(float value, int minimum) const
{
    if (!(value > 0))
        value = 0;
    if (m_marginInMM)
        value /= 25.4f;
    return std::max(minimum, roundToInt(double(value) * kTwipsPerInch));
}

void RichEditPrintPreview::readPrinterGeometry()
{
    PrintPreviewEngine* engine = PrintPreviewEngine::installed();
    const std::optional<PrinterGeometry> printer = engine ? engine->printerGeometry() : std::nullopt;
    if (printer) {
        m_geometry = *printer;
        m_min = QMargins(m_geometry.offsetX, m_geometry.offsetY,
                         m_geometry.pageWidth - m_geometry.printableWidth - m_geometry.offsetX,
                         m_geometry.pageHeight - m_geometry.printableHeight - m_geometry.offsetY);
    } else {
        m_geometry = kNoPrinter;
        m_min = kNoPrinterMinimum;
    }
    m_margins = QMargins(std::max(m_margins.left(), m_min.left()), std::max(m_margins.top(), m_min.top()),
                         std::max(m_margins.right(), m_min.right()), std::max(m_margins.bottom(), m_min.bottom()));
}

QRect RichEditPrintPreview::textRect() const
{
    const int left = m_margins.left();
    const int top = m_margins.top() + m_header.height;
    const int right = m_geometry.pageWidth - m_margins.right();
    const int bottom = m_geometry.pageHeight - m_margins.bottom() - m_footer.height;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void RichEditPrintPreview::paginate()
{
    if (!m_richEdit) {
        m_pageEnds.clear();
        return;
    }
    readPrinterGeometry();
    PrintPreviewEngine* engine = PrintPreviewEngine::installed();
    // An empty document, or none that can be laid out, is one blank page.
    m_pageEnds = engine ? engine->paginate(*m_richEdit, textRect()) : std::vector<int>{};
    if (m_pageEnds.empty())
        m_pageEnds.push_back(0);
    m_currentPage = std::min(m_currentPage, numberOfPages());
}

QString RichEditPrintPreview::expandPlaceholders(const QString& text, int page) const
{
    QString s = text;
    s.replace(QStringLiteral("[TITLE]"), m_printTitle);
    s.replace(QStringLiteral("[PAGE]"), QString::number(page));
    s.replace(QStringLiteral("[PAGES]"), QString::number(numberOfPages()));
    s.replace(QStringLiteral("[Y]"), m_printDate.toString(QStringLiteral("yyyy")));
    s.replace(QStringLiteral("[M]"), m_printDate.toString(QStringLiteral("MM")));
    s.replace(QStringLiteral("[D]"), m_printDate.toString(QStringLiteral("dd")));
    s.replace(QStringLiteral("[h]"), m_printDate.toString(QStringLiteral("HH")));
    s.replace(QStringLiteral("[n]"), m_printDate.toString(QStringLiteral("mm")));
    s.replace(QStringLiteral("[s]"), m_printDate.toString(QStringLiteral("ss")));
    return s;
}

PageDrawing RichEditPrintPreview::pageContent(int page) const
{
    PageDrawing d;
    const QRect text = textRect();
    d.textRect = text;
    d.pageSize = pageSize();
    if (page >= 1 && page <= numberOfPages()) {
        d.start = page == 1 ? 0 : m_pageEnds[size_t(page - 2)];
        d.end = m_pageEnds[size_t(page - 1)];
    }
    const auto band = [&](const Band& b, QRect rect, bool bottom) {
        if (b.height > 0)
            d.bands.push_back(BandDrawing{rect, b.font, expandPlaceholders(b.left, page),
                                          expandPlaceholders(b.center, page), expandPlaceholders(b.right, page), bottom});
    };
    const int textBottom = text.bottom() + 1;
    const int textRight = text.right() + 1;
    band(m_header, QRect(QPoint(text.left(), text.top() - m_header.height), QPoint(textRight - 1, text.top() - 1)), false);
    band(m_footer, QRect(QPoint(text.left(), textBottom), QPoint(textRight - 1, textBottom + m_footer.height - 1)), true);
    return d;
}

PageDrawing RichEditPrintPreview::pageDrawing(int page) const
{
    PageDrawing d = pageContent(page);
    if (m_showMargin) {
        const QRect text = d.textRect;
        const int textBottom = text.bottom() + 1;
        const int textRight = text.right() + 1;
        const int w = m_geometry.pageWidth, h = m_geometry.pageHeight;
        const auto across = [&d, w](int y) { d.marginLines.emplace_back(0, y, w, y); };
        const auto down = [&d, h](int x) { d.marginLines.emplace_back(x, 0, x, h); };
        across(text.top() - m_header.height);
        if (m_header.height > 0)
            across(text.top());
        down(textRight);
        across(textBottom + m_footer.height);
        if (m_footer.height > 0)
            across(textBottom);
        down(text.left());
    }
    return d;
}

void RichEditPrintPreview::setScaleMode(ScaleMode mode)
{
    m_scaleMode = mode;
    applyScale(m_scale);
    if (onScaleModeChange)
        onScaleModeChange(mode);
}

void RichEditPrintPreview::setScale(float value)
{
    if (!(value >= kMinScale))
        value = kMinScale;
    value = std::min(value, kMaxScale);
    m_scaleMode = ScaleMode::Scaled;
    applyScale(value);
}

void RichEditPrintPreview::applyScale(float value)
{
    m_updating = true;
    const float old = m_scale;
    const int availW = roundToInt(0.96 * width());
    const int availH = roundToInt(0.96 * height());
    // The whole page is drawn, so both fits measure the whole page (never an image not yet drawn).
    const float pageW = float(std::max(1, m_geometry.pageWidth));
    const float pageH = float(std::max(1, m_geometry.pageHeight));
    switch (m_scaleMode) {
    case ScaleMode::PageWidth: m_scale = float(availW) * kTwipsPerInch / kScreenDpi / pageW; break;
    case ScaleMode::WholePage:
        m_scale = std::min(float(availW) * kTwipsPerInch / kScreenDpi / pageW,
                           float(availH) * kTwipsPerInch / kScreenDpi / pageH);
        break;
    case ScaleMode::Scaled: m_scale = value; break;
    }
    m_scale = std::clamp(m_scale, kMinScale, kMaxScale);
    m_imageWidth = roundToInt(double(pageW) * m_scale * kScreenDpi / kTwipsPerInch);
    m_imageHeight = roundToInt(double(pageH) * m_scale * kScreenDpi / kTwipsPerInch);
    if (m_scaleMode != ScaleMode::Scaled || m_scale == old) {
        m_scrollX = m_scrollY = 0;
    } else {
        m_scrollX = roundToInt(double(m_scrollX) * m_scale / old);
        m_scrollY = roundToInt(double(m_scrollY) * m_scale / old);
    }
    m_extraX = roundToInt(27.0 * m_scale);
    m_extraY = roundToInt(69.0 * m_scale);
    if (m_imageWidth + m_extraX - m_scrollX < availW)
        m_scrollX = m_imageWidth + m_extraX - availW;
    if (m_imageHeight + m_extraY - m_scrollY < availH)
        m_scrollY = m_imageHeight + m_extraY - availH;
    m_scrollX = availW > m_imageWidth ? -((availW - m_imageWidth) / 2) : std::max(0, m_scrollX);
    m_scrollY = availH > m_imageHeight ? -((availH - m_imageHeight) / 2) : std::max(0, m_scrollY);
    notify(Property::Picture);
    m_updating = false;
    if (m_scale != old && onScaleChange)
        onScaleChange(m_scale);
}

void RichEditPrintPreview::boundsChanged()
{
    WinControl::boundsChanged();
    if (!m_updating)
        applyScale(m_scale);
}

void RichEditPrintPreview::reset()
{
    m_currentPage = 1;
    m_scaleMode = ScaleMode::Scaled;
    m_scale = 1;
    m_printDate = application().clock().currentDateTime();
    paginate();
}

void RichEditPrintPreview::display()
{
    paginate();
    applyScale(m_scale);
}

void RichEditPrintPreview::gotoPage(int page)
{
    m_currentPage = std::min(std::max(page, 1), numberOfPages());
    display();
}

void RichEditPrintPreview::firstPage() { gotoPage(1); }

void RichEditPrintPreview::previousPage() { gotoPage(m_currentPage > 1 ? m_currentPage - 1 : m_currentPage); }

void RichEditPrintPreview::nextPage()
{
    gotoPage(m_currentPage < numberOfPages() ? m_currentPage + 1 : m_currentPage);
}

void RichEditPrintPreview::lastPage() { gotoPage(numberOfPages()); }

void RichEditPrintPreview::print(int fromPage, int toPage)
{
    PrintPreviewEngine* engine = PrintPreviewEngine::installed();
    if (!engine || !m_richEdit || !engine->printerGeometry() || numberOfPages() <= 0)
        return;
    fromPage = std::min(std::max(fromPage, 1), numberOfPages());
    toPage = toPage == -1 ? numberOfPages() : std::min(std::max(toPage, fromPage), numberOfPages());
    std::vector<PageDrawing> pages;
    for (int page = fromPage; page <= toPage; ++page)
        pages.push_back(pageContent(page));
    engine->print(m_printTitle, *m_richEdit, pages, [this, fromPage](size_t index) {
        if (onPrint)
            onPrint(fromPage + int(index));
    });
}

void RichEditPrintPreview::scrollToX(int x)
{
    x = std::max(0, std::min(x, m_imageWidth + m_extraX - width()));
    if (x == m_scrollX)
        return;
    m_scrollX = x;
    notify(Property::Picture);
}

void RichEditPrintPreview::scrollToY(int y)
{
    y = std::max(0, std::min(y, m_imageHeight + m_extraY - height()));
    if (y == m_scrollY)
        return;
    m_scrollY = y;
    notify(Property::Picture);
}

static int scrolledTo(RichEditPrintPreview::Scroll how, int position, int clientSize, int trackPosition)
{
    using Scroll = RichEditPrintPreview::Scroll;
    switch (how) {
    case Scroll::LineBack: return position - clientSize / 10;
    case Scroll::LineOn: return position + clientSize / 10;
    case Scroll::PageBack: return position - clientSize;
    case Scroll::PageOn: return position + clientSize;
    case Scroll::Track: return trackPosition;
    }
    return position;
}

void RichEditPrintPreview::scrollHorz(Scroll how, int trackPosition)
{
    scrollToX(scrolledTo(how, m_scrollX, width(), trackPosition));
}

void RichEditPrintPreview::scrollVert(Scroll how, int trackPosition)
{
    scrollToY(scrolledTo(how, m_scrollY, height(), trackPosition));
}

void RichEditPrintPreview::mouseWheel(int delta)
{
    if (height() >= m_imageHeight)
        return;
    scrollToY(delta < 0 ? m_scrollY + height() / 10 : m_scrollY - height() / 10);
}

}  // namespace ui
