// Usage: qvl-make-artwork PROGRAM_DIR ICON_THEME_DIR ICON... [--theme ICON_THEME_DIR ICON...]
// with each ICON NAME=SHAPE=#RRGGBB[=add][=SIZE]. Makes the artwork of the program folder:
// - Reserve/Icones/NAME.png for each tool bar button and picture button: the icon theme's
//   symbolic shape SHAPE (a path under the theme folder given last before it) in the given
//   colour, with a "+" badge for "add", brought down to SIZE pixels square when given;
// - Reserve/Accueil.jpg, the picture of the home panel: a school library's bookcase under the
//   program's title;
// - Reserve/Splash.jpg, the splash window's picture: the title beside a row of books.
// Drawn the same on every run: the books come from a fixed pseudo-random sequence.
#include "PictureFile.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

constexpr QSize kHomeSize(1035, 778);
constexpr QSize kSplashSize(750, 130);
const QString kTitle = QStringLiteral("QvlZantor");

// A fixed sequence, so the pictures are the same on every build.
class Sequence {
public:
    int next(int low, int high)
    {
        m_state = m_state * 1103515245u + 12345u;
        return low + int((m_state >> 16) % quint32(high - low + 1));
    }

private:
    quint32 m_state = 20240902u;
};

const QColor kBookColours[] = {
    QColor(0xB3, 0x3A, 0x3A), QColor(0x2F, 0x66, 0x90), QColor(0x3A, 0x7D, 0x44), QColor(0xD9, 0xA4, 0x41),
    QColor(0x7B, 0x4B, 0x94), QColor(0xC9, 0x6F, 0x2D), QColor(0x2B, 0x8A, 0x8A), QColor(0x8C, 0x2F, 0x39),
    QColor(0xE0, 0xD2, 0xB4), QColor(0x1F, 0x3F, 0x6B), QColor(0x5E, 0x8C, 0x31), QColor(0xA8, 0x54, 0x6E),
};

void drawSpine(QPainter& painter, const QRectF& spine, const QColor& colour)
{
    QLinearGradient shade(spine.topLeft(), spine.topRight());
    shade.setColorAt(0, colour.darker(135));
    shade.setColorAt(0.35, colour.lighter(115));
    shade.setColorAt(1, colour.darker(150));
    painter.fillRect(spine, shade);
    const QColor band = colour.lightness() > 160 ? colour.darker(160) : QColor(0xE8, 0xD8, 0x9A);
    const qreal bandHeight = std::max<qreal>(2, spine.height() * 0.03);
    painter.fillRect(QRectF(spine.left() + 1, spine.top() + spine.height() * 0.08, spine.width() - 2, bandHeight), band);
    painter.fillRect(QRectF(spine.left() + 1, spine.bottom() - spine.height() * 0.1, spine.width() - 2, bandHeight), band);
    // The title, as a pale stroke along the spine.
    if (spine.width() >= 14)
        painter.fillRect(QRectF(spine.center().x() - 1.5, spine.top() + spine.height() * 0.25, 3, spine.height() * 0.4),
                         band);
}

// A shelf's books, standing on the line y = floor between left and right, as tall as height at
// most; some lean against their neighbour, some lie in a small pile.
void drawBookRow(QPainter& painter, Sequence& sequence, qreal left, qreal right, qreal floor, qreal height)
{
    qreal x = left;
    while (x < right - 12) {
        const int kind = sequence.next(0, 19);
        const QColor colour = kBookColours[sequence.next(0, int(std::size(kBookColours)) - 1)];
        if (kind == 0 && right - x > 70) {
            // A pile of books lying flat.
            qreal y = floor;
            const int count = sequence.next(2, 4);
            for (int i = 0; i < count; ++i) {
                const qreal thickness = sequence.next(9, 14);
                const qreal width = sequence.next(48, 62) - i * 3;
                painter.save();
                painter.translate(x + (62 - width) / 2 + width / 2, y - thickness / 2);
                painter.rotate(-90);
                drawSpine(painter, QRectF(-thickness / 2, -width / 2, thickness, width),
                          kBookColours[sequence.next(0, int(std::size(kBookColours)) - 1)]);
                painter.restore();
                y -= thickness;
            }
            x += 68;
            continue;
        }
        const qreal width = sequence.next(12, 30);
        const qreal tall = height * sequence.next(72, 98) / 100.0;
        if (kind == 1 && x + width + 10 < right) {
            // A book leaning on the next one.
            painter.save();
            painter.translate(x, floor);
            painter.rotate(12);
            drawSpine(painter, QRectF(0, -tall, width, tall), colour);
            painter.restore();
            x += width + tall * 0.22;
            continue;
        }
        drawSpine(painter, QRectF(x, floor - tall, width, tall), colour);
        x += width + (sequence.next(0, 9) == 0 ? sequence.next(6, 16) : 1);
    }
}

void drawTitle(QPainter& painter, const QRectF& box, int pixelSize)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 140));
    painter.drawText(box.translated(3, 4), Qt::AlignCenter, kTitle);
    painter.setPen(QColor(0xF6, 0xE7, 0xC1));
    painter.drawText(box, Qt::AlignCenter, kTitle);
}

void drawOpenBook(QPainter& painter, QPointF centre, qreal width)
{
    const qreal w = width / 2;
    const qreal h = width * 0.28;
    QPainterPath pages;
    pages.moveTo(centre);
    pages.cubicTo(centre + QPointF(-w * 0.4, -h * 0.5), centre + QPointF(-w * 0.8, -h * 0.5), centre + QPointF(-w, -h * 0.2));
    pages.lineTo(centre + QPointF(-w, h * 0.6));
    pages.cubicTo(centre + QPointF(-w * 0.8, h * 0.3), centre + QPointF(-w * 0.4, h * 0.3), centre + QPointF(0, h * 0.8));
    pages.cubicTo(centre + QPointF(w * 0.4, h * 0.3), centre + QPointF(w * 0.8, h * 0.3), centre + QPointF(w, h * 0.6));
    pages.lineTo(centre + QPointF(w, -h * 0.2));
    pages.cubicTo(centre + QPointF(w * 0.8, -h * 0.5), centre + QPointF(w * 0.4, -h * 0.5), centre);
    painter.setPen(QPen(QColor(0xF6, 0xE7, 0xC1), 2.5));
    painter.setBrush(QColor(0xF6, 0xE7, 0xC1, 60));
    painter.drawPath(pages);
    painter.drawLine(centre, centre + QPointF(0, h * 0.8));
}

void drawGlobe(QPainter& painter, QPointF base, qreal radius)
{
    const QPointF centre = base - QPointF(0, radius * 1.45);
    painter.setPen(QPen(QColor(0x8A, 0x6A, 0x2E), 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centre - QPointF(radius * 1.15, radius * 1.15), QSizeF(radius * 2.3, radius * 2.3)), -100 * 16, 200 * 16);
    painter.fillRect(QRectF(base.x() - 3, centre.y() + radius, 6, radius * 0.45), QColor(0x8A, 0x6A, 0x2E));
    painter.fillRect(QRectF(base.x() - radius * 0.6, base.y() - 6, radius * 1.2, 6), QColor(0x6B, 0x4F, 0x1E));
    QRadialGradient sea(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    sea.setColorAt(0, QColor(0x7F, 0xC4, 0xE8));
    sea.setColorAt(1, QColor(0x1F, 0x5F, 0x99));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sea);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(0x5E, 0x9C, 0x4A));
    painter.drawEllipse(centre + QPointF(-radius * 0.35, -radius * 0.25), radius * 0.35, radius * 0.45);
    painter.drawEllipse(centre + QPointF(radius * 0.3, radius * 0.2), radius * 0.3, radius * 0.38);
    painter.drawEllipse(centre + QPointF(radius * 0.45, -radius * 0.45), radius * 0.18, radius * 0.14);
}

void drawPlant(QPainter& painter, QPointF base, qreal size)
{
    painter.setPen(Qt::NoPen);
    const QColor leaves[] = {QColor(0x3E, 0x8E, 0x41), QColor(0x2E, 0x6B, 0x30), QColor(0x5C, 0xA8, 0x4E)};
    for (int i = 0; i < 7; ++i) {
        painter.save();
        painter.translate(base - QPointF(0, size * 0.5));
        painter.rotate(-75 + i * 25);
        painter.setBrush(leaves[i % 3]);
        painter.drawEllipse(QRectF(-size * 0.12, -size * 0.95, size * 0.24, size * 0.9));
        painter.restore();
    }
    QPainterPath pot;
    pot.moveTo(base + QPointF(-size * 0.35, -size * 0.55));
    pot.lineTo(base + QPointF(size * 0.35, -size * 0.55));
    pot.lineTo(base + QPointF(size * 0.26, 0));
    pot.lineTo(base + QPointF(-size * 0.26, 0));
    pot.closeSubpath();
    painter.setBrush(QColor(0xB5, 0x5A, 0x30));
    painter.drawPath(pot);
}

QImage homePicture()
{
    QImage image(kHomeSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = kHomeSize.width();
    const qreal h = kHomeSize.height();

    QLinearGradient wall(0, 0, 0, h);
    wall.setColorAt(0, QColor(0x14, 0x1E, 0x45));
    wall.setColorAt(1, QColor(0x2E, 0x4A, 0x7D));
    painter.fillRect(image.rect(), wall);

    drawTitle(painter, QRectF(0, 22, w, 130), 112);
    drawOpenBook(painter, QPointF(w / 2, 178), 90);

    // The bookcase: a wooden frame, four shelves of books.
    const QRectF bookcase(40, 232, w - 80, h - 262);
    const QColor wood(0x7A, 0x4E, 0x2A);
    const QColor darkWood(0x4A, 0x2E, 0x17);
    painter.fillRect(bookcase, darkWood);
    const qreal post = 22;
    const qreal board = 14;
    const int shelves = 4;
    const qreal inner = (bookcase.height() - board * (shelves + 1)) / shelves;
    Sequence sequence;
    for (int shelf = 0; shelf < shelves; ++shelf) {
        const qreal top = bookcase.top() + board + shelf * (inner + board);
        QLinearGradient back(0, top, 0, top + inner);
        back.setColorAt(0, QColor(0x2B, 0x19, 0x0C));
        back.setColorAt(1, QColor(0x46, 0x2A, 0x15));
        painter.fillRect(QRectF(bookcase.left() + post, top, bookcase.width() - 2 * post, inner), back);
        drawBookRow(painter, sequence, bookcase.left() + post + 4, bookcase.right() - post - 4, top + inner, inner - 12);
    }
    for (int shelf = 0; shelf <= shelves; ++shelf) {
        const QRectF plank(bookcase.left(), bookcase.top() + shelf * (inner + board), bookcase.width(), board);
        QLinearGradient grain(plank.topLeft(), plank.bottomLeft());
        grain.setColorAt(0, wood.lighter(125));
        grain.setColorAt(1, wood.darker(120));
        painter.fillRect(plank, grain);
    }
    for (qreal x : {bookcase.left(), bookcase.right() - post}) {
        QLinearGradient grain(x, 0, x + post, 0);
        grain.setColorAt(0, wood.lighter(120));
        grain.setColorAt(1, wood.darker(125));
        painter.fillRect(QRectF(x, bookcase.top(), post, bookcase.height()), grain);
    }
    drawGlobe(painter, QPointF(bookcase.right() - 90, bookcase.top()), 34);
    drawPlant(painter, QPointF(bookcase.left() + 80, bookcase.top()), 60);

    // The floor.
    QLinearGradient floor(0, bookcase.bottom(), 0, h);
    floor.setColorAt(0, QColor(0x3B, 0x24, 0x14));
    floor.setColorAt(1, QColor(0x22, 0x14, 0x0A));
    painter.fillRect(QRectF(0, bookcase.bottom(), w, h - bookcase.bottom()), floor);
    return image;
}

QImage splashPicture()
{
    QImage image(kSplashSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, kSplashSize.width(), 0);
    sky.setColorAt(0, QColor(0, 0, 45));
    sky.setColorAt(1, QColor(0x1F, 0x3F, 0x7A));
    painter.fillRect(image.rect(), sky);
    Sequence sequence;
    drawBookRow(painter, sequence, 14, 290, 118, 96);
    painter.fillRect(QRectF(0, 118, kSplashSize.width(), 12), QColor(0x7A, 0x4E, 0x2A));
    painter.fillRect(QRectF(0, 118, kSplashSize.width(), 2), QColor(0xA0, 0x70, 0x45));
    drawTitle(painter, QRectF(300, 8, 440, 100), 74);
    return image;
}

// The symbolic shape in one colour, with a "+" badge when the button adds something.
QImage buttonIcon(const QImage& shape, const QColor& colour, bool add)
{
    QImage icon = shape.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&icon);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(icon.rect(), colour);
    if (add) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF centre(icon.width() - 8.5, icon.height() - 8.5);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(QColor(0x2E, 0x7D, 0x32));
        painter.drawEllipse(centre, 7.5, 7.5);
        painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(centre - QPointF(4, 0), centre + QPointF(4, 0));
        painter.drawLine(centre - QPointF(0, 4), centre + QPointF(0, 4));
    }
    return icon;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_DIR ICON_THEME_DIR ICON... [--theme ICON_THEME_DIR ICON...]\n", argv[0]);
        return 2;
    }
    const QDir program(QFile::decodeName(argv[1]));
    QDir theme(QFile::decodeName(argv[2]));
    for (int i = 3; i < argc; ++i) {
        if (qstrcmp(argv[i], "--theme") == 0 && i + 1 < argc) {
            theme.setPath(QFile::decodeName(argv[++i]));
            continue;
        }
        const QStringList parts = QString::fromUtf8(argv[i]).split(u'=');
        const QImage shape(theme.filePath(parts.value(1)));
        const QColor colour = QColor::fromString(parts.value(2));
        const bool add = parts.mid(3).contains(QStringLiteral("add"));
        bool sized = false;
        const int size = parts.size() > 3 ? parts.last().toInt(&sized) : 0;
        if (parts.size() < 3 || shape.isNull() || !colour.isValid() || (sized && size <= 0)) {
            std::fprintf(stderr, "bad icon %s (theme %s)\n", argv[i], qPrintable(theme.path()));
            return 1;
        }
        QImage icon = buttonIcon(shape, colour, add);
        if (sized)
            icon = icon.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (!writePicture(icon, program.filePath(QStringLiteral("Reserve/Icones/") + parts[0] + QStringLiteral(".png")), "PNG"))
            return 1;
    }
    const bool saved = writePicture(homePicture(), program.filePath(QStringLiteral("Reserve/Accueil.jpg")), "JPEG", 90)
                       && writePicture(splashPicture(), program.filePath(QStringLiteral("Reserve/Splash.jpg")), "JPEG", 90);
    return saved ? 0 : 1;
}
