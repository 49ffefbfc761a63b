#include "platform/ui/qt/BalloonTip.h"

#include "platform/ui/qt/Appearance.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QStyle>

namespace uiqt::balloon {

namespace {

struct Balloon {
    QPointer<QWidget> window;
    QPointer<QWidget> anchor;
};

Balloon& current()
{
    static Balloon balloon;
    return balloon;
}

QIcon iconOf(int icon)
{
    switch (icon % 4) {
    case 1: return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    case 2: return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    case 3: return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    default: return {};
    }
}

}  // namespace

void show(QWidget* anchor, const ui::BalloonHint& hint)
{
    hide();
    auto* window = new QWidget(anchor, Qt::ToolTip | Qt::FramelessWindowHint);
    window->setObjectName(QStringLiteral("BalloonHint"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, toQColor(hint.backColor));
    palette.setColor(QPalette::WindowText, toQColor(hint.textColor));
    window->setPalette(palette);
    window->setAutoFillBackground(true);

    auto* layout = new QHBoxLayout(window);
    layout->setContentsMargins(8, 6, 8, 6);
    if (const QIcon icon = iconOf(hint.icon); !icon.isNull()) {
        auto* picture = new QLabel(window);
        picture->setPixmap(icon.pixmap(16, 16));
        layout->addWidget(picture, 0, Qt::AlignTop);
    }
    auto* words = new QLabel(window);
    words->setTextFormat(Qt::RichText);
    words->setText(QStringLiteral("<b>") + hint.title.toHtmlEscaped() + QStringLiteral("</b><br>")
                   + hint.text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
    layout->addWidget(words);
    window->adjustSize();

    const QPoint below = anchor->mapToGlobal(QPoint(anchor->width() / 2, anchor->height()));
    window->move(below - QPoint(window->width() / 2, 0));
    window->show();
    current() = Balloon{window, anchor};
}

void hide(const QWidget* anchor)
{
    Balloon& balloon = current();
    if (balloon.window && (!anchor || balloon.anchor == anchor))
        balloon.window->close();
}

QWidget* shown() { return current().window; }

}  // namespace uiqt::balloon
