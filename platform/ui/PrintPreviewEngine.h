#pragma once
// What the print-preview control asks of the rich-edit control's page formatting and of the
// current printer. The control model knows them only through this interface: a program installs
// the engine once at start (the rich-text layer's); a process without one previews one blank
// page and prints nothing.
#include "platform/ui/Font.h"

#include <QLine>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace ui {

class RichEdit;

// Lengths in twips; resolution in pixels per inch.
struct PrinterGeometry {
    int dpiX = 0;
    int dpiY = 0;
    int pageWidth = 0;
    int pageHeight = 0;
    int offsetX = 0;  // physical offset of the printable area
    int offsetY = 0;
    int printableWidth = 0;
    int printableHeight = 0;
};

// A header or footer band, its texts with their placeholders expanded.
struct BandDrawing {
    QRect rect;  // twips
    Font font;
    QString left;
    QString center;
    QString right;
    bool bottomAligned = false;
};

// Everything drawn on one page, in twips from the page's corner.
struct PageDrawing {
    int start = 0;
    int end = 0;
    QRect textRect;
    QSize pageSize;
    std::vector<BandDrawing> bands;
    std::vector<QLine> marginLines;  // dashed silver, on the screen's page image only
};

class PrintPreviewEngine {
public:
    virtual ~PrintPreviewEngine() = default;

    // std::nullopt when no printer is installed.
    virtual std::optional<PrinterGeometry> printerGeometry() = 0;
    // For each page of edit's content fitted into textRect, the position after its last
    // character; at least one page.
    virtual std::vector<int> paginate(const RichEdit& edit, const QRect& textRect) = 0;
    // Draws a page on white paper; the painter's unit is the twip.
    virtual void paint(const RichEdit& edit, const PageDrawing& page, QPainter& painter) = 0;
    // One print job on the current printer, pages placed so that page coordinates fall on the
    // paper where they belong; `printed` follows each page. A failure aborts the job and throws.
    virtual void print(const QString& title, const RichEdit& edit, const std::vector<PageDrawing>& pages,
                       const std::function<void(size_t index)>& printed) = 0;

    static PrintPreviewEngine* installed();
    static void install(PrintPreviewEngine* engine);
};

}  // namespace ui
