#pragma once
// The print-preview control's engine on this platform: the rich-edit control's content laid out
// by PageLayout, pages drawn with QPainter, printed through Qt Print Support on the current
// printer (a CUPS queue, or a PDF file).
#include "platform/ui/PrintPreviewEngine.h"

#include <functional>
#include <memory>

class QPrinter;

namespace richtext {

class PageLayout;

class PreviewEngine : public ui::PrintPreviewEngine {
public:
    // `currentPrinter` gives the printer to measure and print on; none (nullptr) when no
    // printer is installed.
    explicit PreviewEngine(std::function<QPrinter*()> currentPrinter);
    ~PreviewEngine() override;

    std::optional<ui::PrinterGeometry> printerGeometry() override;
    std::vector<int> paginate(const ui::RichEdit& edit, const QRect& textRect) override;
    void paint(const ui::RichEdit& edit, const ui::PageDrawing& page, QPainter& painter) override;
    void print(const QString& title, const ui::RichEdit& edit, const std::vector<ui::PageDrawing>& pages,
               const std::function<void(size_t index)>& printed) override;

private:
    struct Laid;
    // The layout of the content, kept while it stays the same: the preview asks for the pages
    // again and draws them one at a time.
    PageLayout& layoutOf(const ui::RichEdit& edit);

    std::function<QPrinter*()> m_currentPrinter;
    std::unique_ptr<Laid> m_laid;
};

// The printer of a machine that has none but can print to PDF: `nativePath` on A4 with the
// borders the preview uses without a printer, at 360 dpi.
void setUpPdfPrinter(QPrinter& printer, const QString& nativePath);

}  // namespace richtext
