#include "platform/ui/qt/TrackBarView.h"

#include "platform/ui/TrackBar.h"

#include <QSlider>

namespace uiqt {

TrackBarView::TrackBarView(Renderer& renderer, ui::TrackBar& bar) : ControlView(renderer, bar, new QSlider(Qt::Horizontal))
{
    auto* slider = static_cast<QSlider*>(widget());
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setFocusPolicy(Qt::NoFocus);
    QObject::connect(slider, &QSlider::sliderMoved, slider, [this, &bar](int value) {
        postUserAction([&bar, value] { bar.userSetPosition(value); });
    });
}

void TrackBarView::apply(ui::Property property)
{
    if (property != ui::Property::Progress) {
        ControlView::apply(property);
        return;
    }
    auto& bar = static_cast<ui::TrackBar&>(control());
    auto* slider = static_cast<QSlider*>(widget());
    const QSignalBlocker block(slider);
    slider->setRange(bar.minValue(), bar.maxValue());
    slider->setTickInterval(bar.frequency());
    slider->setValue(bar.position());
}

}  // namespace uiqt
