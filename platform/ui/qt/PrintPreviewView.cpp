#include "platform/ui/qt/PrintPreviewView.h"

#include "platform/ui/RichEditPrintPreview.h"
#include "platform/ui/qt/Appearance.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

namespace uiqt {

namespace {

class PrintPreviewWidget : public QWidget {
public:
    using Post = std::function<void(std::function<void()>)>;

    PrintPreviewWidget(ui::RichEditPrintPreview& preview, Post post)
        : m_preview(preview), m_post(std::move(post)), m_horz(new QScrollBar(Qt::Horizontal, this)),
          m_vert(new QScrollBar(Qt::Vertical, this))
    {
        // The bars report where the user dragged them; the control keeps the offsets.
        connect(m_horz, &QScrollBar::sliderMoved, this, [this](int value) {
            m_post([this, value] { m_preview.scrollHorz(ui::RichEditPrintPreview::Scroll::Track, value); });
        });
        connect(m_vert, &QScrollBar::sliderMoved, this, [this](int value) {
            m_post([this, value] { m_preview.scrollVert(ui::RichEditPrintPreview::Scroll::Track, value); });
        });
        connect(m_horz, &QScrollBar::actionTriggered, this, [this](int action) { step(action, true); });
        connect(m_vert, &QScrollBar::actionTriggered, this, [this](int action) { step(action, false); });
    }

    void follow()
    {
        const int thickness = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const bool horz = m_preview.horzScrollBar(), vert = m_preview.vertScrollBar();
        m_horz->setVisible(horz);
        m_vert->setVisible(vert);
        m_horz->setGeometry(0, height() - thickness, width() - (vert ? thickness : 0), thickness);
        m_vert->setGeometry(width() - thickness, 0, thickness, height() - (horz ? thickness : 0));
        const QSignalBlocker blockH(m_horz), blockV(m_vert);
        m_horz->setRange(0, std::max(0, m_preview.horzRange() - width()));
        m_horz->setPageStep(width());
        m_horz->setValue(m_preview.scrollX());
        m_vert->setRange(0, std::max(0, m_preview.vertRange() - height()));
        m_vert->setPageStep(height());
        m_vert->setValue(m_preview.scrollY());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), toQColor(m_preview.color()));
        ui::PrintPreviewEngine* engine = ui::PrintPreviewEngine::installed();
        if (!engine || !m_preview.richEdit() || m_preview.currentPage() < 1)
            return;
        const QSize page = m_preview.pageSize();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-m_preview.scrollX(), -m_preview.scrollY());
        painter.scale(double(m_preview.imageWidth()) / std::max(1, page.width()),
                      double(m_preview.imageHeight()) / std::max(1, page.height()));
        engine->paint(*m_preview.richEdit(), m_preview.pageDrawing(m_preview.currentPage()), painter);
    }

    void resizeEvent(QResizeEvent*) override { follow(); }

    void wheelEvent(QWheelEvent* event) override
    {
        const int delta = event->angleDelta().y();
        m_post([this, delta] { m_preview.mouseWheel(delta); });
    }

private:
    void step(int action, bool horizontal)
    {
        using Scroll = ui::RichEditPrintPreview::Scroll;
        Scroll how;
        switch (action) {
        case QAbstractSlider::SliderSingleStepSub: how = Scroll::LineBack; break;
        case QAbstractSlider::SliderSingleStepAdd: how = Scroll::LineOn; break;
        case QAbstractSlider::SliderPageStepSub: how = Scroll::PageBack; break;
        case QAbstractSlider::SliderPageStepAdd: how = Scroll::PageOn; break;
        default: return;
        }
        m_post([this, how, horizontal] { horizontal ? m_preview.scrollHorz(how) : m_preview.scrollVert(how); });
    }

    ui::RichEditPrintPreview& m_preview;
    Post m_post;
    QScrollBar* m_horz;
    QScrollBar* m_vert;
};

}  // namespace

PrintPreviewView::PrintPreviewView(Renderer& renderer, ui::RichEditPrintPreview& preview)
    : ControlView(renderer, preview, new PrintPreviewWidget(preview, [this](std::function<void()> action) {
                      postUserAction(std::move(action));
                  }))
{
}

void PrintPreviewView::apply(ui::Property property)
{
    ControlView::apply(property);
    if (property == ui::Property::Picture || property == ui::Property::Bounds)
        static_cast<PrintPreviewWidget*>(widget())->follow();
}

MouseRouting PrintPreviewView::mouseRouting(const QWidget* receiver) const
{
    return isScrollBarPart(receiver) ? MouseRouting::WidgetOnly : MouseRouting::ModelOnly;
}

}  // namespace uiqt
