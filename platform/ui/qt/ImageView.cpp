#include "platform/ui/qt/ImageView.h"

#include "platform/ui/Image.h"
#include "platform/ui/qt/Appearance.h"

#include <QPainter>

namespace uiqt {

namespace {

class PictureWidget : public QWidget {
public:
    explicit PictureWidget(const ui::Image& image) : m_image(image) {}

    void pictureChanged()
    {
        const ui::PicturePtr& picture = m_image.picture();
        m_shown = picture ? toQImage(*picture) : QImage();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_shown.isNull())
            return;
        QPainter painter(this);
        if (m_image.stretch()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(rect(), m_shown);
        } else {
            painter.drawImage(QPoint(0, 0), m_shown);
        }
    }

private:
    const ui::Image& m_image;
    QImage m_shown;
};

}  // namespace

ImageView::ImageView(Renderer& renderer, ui::Image& image) : ControlView(renderer, image, new PictureWidget(image)) {}

void ImageView::apply(ui::Property property)
{
    if (property == ui::Property::Picture)
        static_cast<PictureWidget*>(widget())->pictureChanged();
    else
        ControlView::apply(property);
}

}  // namespace uiqt
