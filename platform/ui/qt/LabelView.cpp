#include "platform/ui/qt/LabelView.h"

#include "platform/ui/Label.h"
#include "platform/ui/Menu.h"

#include <QLabel>

namespace uiqt {

LabelView::LabelView(Renderer& renderer, ui::Label& label) : ControlView(renderer, label, new QLabel)
{
    auto* text = static_cast<QLabel*>(widget());
    text->setTextFormat(Qt::PlainText);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setWordWrap(false);
}

void LabelView::applyText() { static_cast<QLabel*>(widget())->setText(ui::stripAccelerator(control().caption())); }

}  // namespace uiqt
