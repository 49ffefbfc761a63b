#include "platform/ui/qt/FormWindow.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/qt/Appearance.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>

namespace uiqt {

namespace {
constexpr QColor kActiveCaption[] = {QColor(0, 0, 128), QColor(16, 132, 208)};
constexpr QColor kInactiveCaption[] = {QColor(128, 128, 128), QColor(192, 192, 192)};
constexpr QSize kCloseBox(16, 14);

// A raised edge: light on the top and left, shadow on the bottom and right.
void drawRaisedEdge(QPainter& painter, const QRect& box)
{
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
}
}  // namespace

FormWindow::FormWindow(ui::Form& form)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      m_form(form),
      m_menuBar(new QMenuBar(this)),
      m_scrollArea(new QScrollArea(this)),
      m_client(new QWidget)
{
    setObjectName(form.name());
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    m_menuBar->setNativeMenuBar(false);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(false);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->setWidget(m_client);
    m_scrollArea->viewport()->setMouseTracking(true);
    m_client->setMouseTracking(true);
    m_client->setFocusPolicy(Qt::NoFocus);
    m_client->setAutoFillBackground(true);
    for (QScrollBar* bar : {m_scrollArea->horizontalScrollBar(), m_scrollArea->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] { scrolled(); });
}

void FormWindow::layoutFromModel()
{
    const QRect outer = m_form.bounds();
    QSize size = outer.size();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    setGeometry(QRect(outer.topLeft(), size));

    const QMargins margins = m_form.nonClient();
    const bool hasMenuBar = m_form.menu() && m_form.borderStyle() != ui::BorderStyle::None;
    m_menuBar->setVisible(hasMenuBar);
    if (hasMenuBar)
        m_menuBar->setGeometry(margins.left(), margins.top() - ui::frame::kMenuBar,
                               size.width() - margins.left() - margins.right(), ui::frame::kMenuBar);
    m_scrollArea->setGeometry(QRect(QPoint(0, 0), size).marginsRemoved(margins));
    m_client->resize(m_form.clientSize());

    const QSignalBlocker horizontal(m_scrollArea->horizontalScrollBar());
    const QSignalBlocker vertical(m_scrollArea->verticalScrollBar());
    m_scrollArea->horizontalScrollBar()->setValue(m_form.scrollPosition().x());
    m_scrollArea->verticalScrollBar()->setValue(m_form.scrollPosition().y());
    update();
}

void FormWindow::scrolled()
{
    const QPoint position(m_scrollArea->horizontalScrollBar()->value(), m_scrollArea->verticalScrollBar()->value());
    ui::Form& form = m_form;
    form.application().post([&form, position] { form.setScrollPosition(position); });
}

QRect FormWindow::captionBar(QSize outer) const
{
    using namespace ui::frame;
    return QRect(kBorder, kBorder, outer.width() - 2 * kBorder, kCaptionBar);
}

QRect FormWindow::closeBox(QSize outer) const
{
    const QRect bar = captionBar(outer);
    return QRect(QPoint(bar.right() - 2 - kCloseBox.width() + 1, bar.top() + (bar.height() - kCloseBox.height()) / 2),
                 kCloseBox);
}

void FormWindow::paintNonClient(QPainter& painter, QSize outer) const
{
    if (m_form.borderStyle() == ui::BorderStyle::None)
        return;
    const QColor face = toQColor(ui::colors::buttonFace);
    const QRect all(QPoint(0, 0), outer);
    painter.fillRect(all, face);
    drawRaisedEdge(painter, all);

    const QRect bar = captionBar(outer);
    const QColor* colours = m_form.active() ? kActiveCaption : kInactiveCaption;
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, colours[0]);
    gradient.setColorAt(1, colours[1]);
    painter.fillRect(bar, gradient);

    QFont captionFont = toQFont(ui::Font{});
    captionFont.setBold(true);
    painter.setFont(captionFont);
    painter.setPen(Qt::white);
    const QRect box = closeBox(outer);
    painter.drawText(bar.adjusted(4, 0, -(bar.right() - box.left()) - 4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     m_form.caption());

    painter.fillRect(box, face);
    drawRaisedEdge(painter, box);
    painter.setPen(QPen(Qt::black, 1.5));
    const QRect cross = box.adjusted(5, 4, -5, -4);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

void FormWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintNonClient(painter, size());
}

QImage FormWindow::renderImage()
{
    const QSize outer = m_form.bounds().size();
    QImage image(outer, QImage::Format_RGB32);
    image.fill(toQColor(m_form.color()));
    QPainter painter(&image);
    paintNonClient(painter, outer);
    const QMargins margins = m_form.nonClient();
    if (m_menuBar->isVisible()) {
        const QSize wanted(outer.width() - margins.left() - margins.right(), ui::frame::kMenuBar);
        const QSize shown = m_menuBar->size();
        m_menuBar->resize(wanted);
        m_menuBar->render(&painter, QPoint(margins.left(), margins.top() - ui::frame::kMenuBar));
        m_menuBar->resize(shown);
    }
    const QRect seen(m_form.scrollPosition(), m_form.clientSize());
    m_client->render(&painter, QPoint(margins.left(), margins.top()), QRegion(seen));
    return image;
}

void FormWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_form.borderStyle() != ui::BorderStyle::None
        && closeBox(size()).contains(event->position().toPoint()))
        requestClose();
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    // Only the model closes its windows.
    event->ignore();
    requestClose();
}

void FormWindow::requestClose()
{
    ui::Form& form = m_form;
    form.application().post([&form] { form.close(); });
}

}  // namespace uiqt
