#pragma once
// A print preview of a rich-edit control's content: pages laid out against the printer's page
// with margins and header and footer bands, shown one at a time at a zoom, with scroll bars,
// and printed. Lengths are twips inside; the length properties are millimetres or inches.
// Page formatting, drawing and printing go through the installed PrintPreviewEngine.
#include "platform/ui/PrintPreviewEngine.h"
#include "platform/ui/WinControl.h"

#include <QDateTime>
#include <QMargins>

namespace ui {

class RichEdit;

enum class ScaleMode { Scaled, PageWidth, WholePage };

class RichEditPrintPreview : public WinControl {
public:
    static constexpr float kMinScale = 0.125f;
    static constexpr float kMaxScale = 16.0f;
    // The screen's pixels per inch at scale 1 (the layout's own).
    static constexpr int kScreenDpi = 96;

    RichEditPrintPreview(Form& form, const QString& name);

    RichEdit* richEdit() const { return m_richEdit; }
    void setRichEdit(RichEdit* edit);

    bool marginInMM() const { return m_marginInMM; }
    void setMarginInMM(bool inMM) { m_marginInMM = inMM; }
    bool showMargin() const { return m_showMargin; }
    void setShowMargin(bool show);

    float topMargin() const { return fromTwips(m_margins.top()); }
    float bottomMargin() const { return fromTwips(m_margins.bottom()); }
    float leftMargin() const { return fromTwips(m_margins.left()); }
    float rightMargin() const { return fromTwips(m_margins.right()); }
    void setTopMargin(float value) { m_margins.setTop(marginTwips(value, m_min.top())); }
    void setBottomMargin(float value) { m_margins.setBottom(marginTwips(value, m_min.bottom())); }
    void setLeftMargin(float value) { m_margins.setLeft(marginTwips(value, m_min.left())); }
    void setRightMargin(float value) { m_margins.setRight(marginTwips(value, m_min.right())); }
    float headerHeight() const { return fromTwips(m_header.height); }
    float footerHeight() const { return fromTwips(m_footer.height); }
    void setHeaderHeight(float value) { m_header.height = marginTwips(value, 0); }
    void setFooterHeight(float value) { m_footer.height = marginTwips(value, 0); }
    const Font& headerFont() const { return m_header.font; }
    const Font& footerFont() const { return m_footer.font; }
    void setHeaderFont(const Font& font) { m_header.font = font; }
    void setFooterFont(const Font& font) { m_footer.font = font; }
    QStringList headerText() const { return {m_header.left, m_header.center, m_header.right}; }
    QStringList footerText() const { return {m_footer.left, m_footer.center, m_footer.right}; }
    void setHeaderText(const QString& left, const QString& center, const QString& right);
    void setFooterText(const QString& left, const QString& center, const QString& right);

    const QString& printTitle() const { return m_printTitle; }
    void setPrintTitle(const QString& title) { m_printTitle = title; }

    int currentPage() const { return m_currentPage; }
    int numberOfPages() const { return int(m_pageEnds.size()); }

    ScaleMode scaleMode() const { return m_scaleMode; }
    void setScaleMode(ScaleMode mode);
    float scale() const { return m_scale; }
    // Kept within kMinScale..kMaxScale; the mode becomes Scaled.
    void setScale(float value);

    // Paginates from page 1 at scale 1.
    void reset();
    // Paginates again and shows the current page.
    void display();
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void gotoPage(int page);
    // toPage -1: to the end. Nothing without a printer or pages.
    void print(int fromPage, int toPage);

    // What the page shown holds, for drawing it on screen: the page as it prints, and the margin
    // guides when they are shown; page from 1.
    PageDrawing pageDrawing(int page) const;
    QSize pageSize() const { return {m_geometry.pageWidth, m_geometry.pageHeight}; }

    // The page on screen: its size in pixels and the scroll offsets (negative when centred).
    int imageWidth() const { return m_imageWidth; }
    int imageHeight() const { return m_imageHeight; }
    int scrollX() const { return m_scrollX; }
    int scrollY() const { return m_scrollY; }
    bool horzScrollBar() const { return m_richEdit && m_scaleMode == ScaleMode::Scaled; }
    bool vertScrollBar() const { return m_richEdit && m_scaleMode != ScaleMode::WholePage; }
    int horzRange() const { return m_imageWidth + m_extraX; }
    int vertRange() const { return m_imageHeight + m_extraY; }

    // The scroll bars and the wheel, as the user moves them.
    enum class Scroll { LineBack, LineOn, PageBack, PageOn, Track };
    void scrollHorz(Scroll how, int trackPosition = 0);
    void scrollVert(Scroll how, int trackPosition = 0);
    void mouseWheel(int delta);

    std::function<void(float scale)> onScaleChange;
    std::function<void(ScaleMode mode)> onScaleModeChange;
    std::function<void(int page)> onPrint;

protected:
    void boundsChanged() override;
    bool takesFocusOnClick() const override { return true; }

private:
    struct Band {
        int height = 0;
        Font font;
        QString left, center, right;
    };

    float fromTwips(int twips) const;
    int marginTwips(float value, int minimum) const;
    void readPrinterGeometry();
    QRect textRect() const;
    // What a page prints: its bands and its text, never the margin guides.
    PageDrawing pageContent(int page) const;
    void paginate();
    void applyScale(float value);
    void scrollToX(int x);
    void scrollToY(int y);
    QString expandPlaceholders(const QString& text, int page) const;

    RichEdit* m_richEdit = nullptr;
    bool m_marginInMM = true;
    bool m_showMargin = false;
    QMargins m_margins{851, 283, 0, 283};
    QMargins m_min;
    Band m_header, m_footer;
    QString m_printTitle;
    PrinterGeometry m_geometry;
    std::vector<int> m_pageEnds;
    int m_currentPage = 0;
    QDateTime m_printDate;
    ScaleMode m_scaleMode = ScaleMode::Scaled;
    float m_scale = 1;
    int m_imageWidth = 0, m_imageHeight = 0;
    int m_scrollX = 0, m_scrollY = 0;
    int m_extraX = 5, m_extraY = 5;
    bool m_updating = false;
};

}  // namespace ui
