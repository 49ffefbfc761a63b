#include "platform/ui/qt/ContainerViews.h"

#include "platform/ui/Menu.h"
#include "platform/ui/Panel.h"

#include <QGroupBox>
#include <QPainter>
#include <qdrawutil.h>

namespace uiqt {

namespace {

class ContainerWidget : public QWidget {
public:
    ContainerWidget(const ui::Control& control, ContainerView::Look look) : m_control(control), m_look(look) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_look != ContainerView::Look::Panel && m_look != ContainerView::Look::Band)
            return;
        QPainter painter(this);
        qDrawShadePanel(&painter, rect(), palette(), false, 1);
        if (m_look == ContainerView::Look::Panel && !m_control.caption().isEmpty()) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(rect(), Qt::AlignCenter, ui::stripAccelerator(m_control.caption()));
        }
    }

private:
    const ui::Control& m_control;
    ContainerView::Look m_look;
};

}  // namespace

ContainerView::ContainerView(Renderer& renderer, ui::WinControl& control, Look look)
    : ControlView(renderer, control, new ContainerWidget(control, look)), m_look(look)
{
}

void ContainerView::apply(ui::Property property)
{
    ControlView::apply(property);
    if (property == ui::Property::Text)
        widget()->update();
}

GroupBoxView::GroupBoxView(Renderer& renderer, ui::GroupBox& box) : ControlView(renderer, box, new QGroupBox) {}

void GroupBoxView::applyText()
{
    static_cast<QGroupBox*>(widget())->setTitle(ui::stripAccelerator(control().caption()));
}

}  // namespace uiqt
