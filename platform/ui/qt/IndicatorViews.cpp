#include "platform/ui/qt/IndicatorViews.h"

#include "platform/ui/Gauge.h"
#include "platform/ui/StatusBar.h"

#include <QPainter>
#include <QProgressBar>
#include <qdrawutil.h>

namespace uiqt {

namespace {

class StatusBarWidget : public QWidget {
public:
    explicit StatusBarWidget(const ui::StatusBar& bar) : m_bar(bar) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QStringList texts = m_bar.simplePanel() ? QStringList{m_bar.simpleText()} : m_bar.panelTexts();
        const int count = int(std::max<qsizetype>(texts.size(), 1));
        for (int i = 0; i < count; ++i) {
            const int left = i * width() / count;
            const int right = (i + 1) * width() / count;
            const QRect panel(left, 1, right - left - 2, height() - 2);
            qDrawShadePanel(&painter, panel, palette(), true, 1);
            if (i < texts.size()) {
                painter.setPen(palette().color(QPalette::WindowText));
                painter.drawText(panel.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter, texts[i]);
            }
        }
    }

private:
    const ui::StatusBar& m_bar;
};

}  // namespace

GaugeView::GaugeView(Renderer& renderer, ui::Gauge& gauge) : ControlView(renderer, gauge, new QProgressBar)
{
    static_cast<QProgressBar*>(widget())->setAlignment(Qt::AlignCenter);
}

void GaugeView::apply(ui::Property property)
{
    if (property != ui::Property::Progress) {
        ControlView::apply(property);
        return;
    }
    auto& gauge = static_cast<ui::Gauge&>(control());
    auto* bar = static_cast<QProgressBar*>(widget());
    bar->setRange(gauge.minValue(), gauge.maxValue());
    bar->setValue(gauge.progress());
}

StatusBarView::StatusBarView(Renderer& renderer, ui::StatusBar& bar)
    : ControlView(renderer, bar, new StatusBarWidget(bar))
{
}

void StatusBarView::apply(ui::Property property)
{
    if (property == ui::Property::Items)
        widget()->update();
    else
        ControlView::apply(property);
}

}  // namespace uiqt
