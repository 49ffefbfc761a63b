#include "platform/ui/qt/FocusFrameView.h"

#include "platform/ui/FocusFrame.h"

#include <QPainter>

namespace uiqt {

namespace {

class DottedOutline : public QWidget {
public:
    DottedOutline() { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        // Black dots over white ones: the outline shows on dark and light covers alike.
        QPainter painter(this);
        const QRect outline = rect().adjusted(0, 0, -1, -1);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(outline);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(outline);
    }
};

}  // namespace

FocusFrameView::FocusFrameView(Renderer& renderer, ui::FocusFrame& frame)
    : ControlView(renderer, frame, new DottedOutline)
{
}

}  // namespace uiqt
