// Usage: qvl-make-card-pictures OUTPUT_DIR
// Draws the card pictures OUTPUT_DIR/Carte (1).jpg to Carte (500).jpg that borrowers without a
// photo get at random: friendly animals and things made of simple shapes (a cat, an owl, a fish,
// a ladybird, a snail, a flower, a rocket, a house, a balloon bunch, a smiling sun), each on a
// sky, meadow or sea of its own with stars, clouds or bubbles. Picture n is drawn from a sequence
// seeded with n, so every build gives the same pictures.
#include "PictureFile.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kCardCount = 500;
constexpr QSize kCardSize(320, 240);

class Sequence {
public:
    explicit Sequence(quint32 seed) : m_state(seed * 2654435761u + 977u) {}
    int next(int low, int high)
    {
        m_state = m_state * 1103515245u + 12345u;
        return low + int((m_state >> 16) % quint32(high - low + 1));
    }
    QColor bright()
    {
        static const QColor colours[] = {
            QColor(0xE5, 0x39, 0x35), QColor(0xFB, 0x8C, 0x00), QColor(0xFD, 0xD8, 0x35), QColor(0x43, 0xA0, 0x47),
            QColor(0x1E, 0x88, 0xE5), QColor(0x8E, 0x24, 0xAA), QColor(0xEC, 0x40, 0x7A), QColor(0x00, 0xAC, 0xC1),
            QColor(0x6D, 0x4C, 0x41), QColor(0x7C, 0xB3, 0x42), QColor(0x5C, 0x6B, 0xC0), QColor(0xFF, 0x70, 0x43),
        };
        return colours[next(0, int(std::size(colours)) - 1)];
    }

private:
    quint32 m_state;
};

void eye(QPainter& p, QPointF c, qreal r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(0x21, 0x21, 0x21));
    p.drawEllipse(c + QPointF(r * 0.2, r * 0.1), r * 0.55, r * 0.55);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(r * 0.35, -r * 0.2), r * 0.18, r * 0.18);
}

void smile(QPainter& p, QPointF c, qreal w)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x21, 0x21, 0x21), std::max<qreal>(2, w / 8), Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - w / 2, c.y() - w / 2, w, w * 0.8), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
}

void star(QPainter& p, QPointF c, qreal r, const QColor& colour)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal radius = i % 2 ? r * 0.45 : r;
        const QPointF pt = c + QPointF(std::cos(a) * radius, std::sin(a) * radius);
        i ? path.lineTo(pt) : path.moveTo(pt);
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void cloud(QPainter& p, QPointF c, qreal s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(c, s, s * 0.6);
    p.drawEllipse(c + QPointF(-s * 0.8, s * 0.15), s * 0.6, s * 0.45);
    p.drawEllipse(c + QPointF(s * 0.8, s * 0.15), s * 0.65, s * 0.45);
}

enum class Scene { Sky, Night, Meadow, Sea };

void background(QPainter& p, Scene scene, Sequence& seq)
{
    const QRectF all(QPointF(0, 0), kCardSize);
    QLinearGradient g(0, 0, 0, kCardSize.height());
    switch (scene) {
    case Scene::Sky:
        g.setColorAt(0, QColor(0x81, 0xD4, 0xFA));
        g.setColorAt(1, QColor(0xE1, 0xF5, 0xFE));
        break;
    case Scene::Night:
        g.setColorAt(0, QColor(0x1A, 0x23, 0x7E));
        g.setColorAt(1, QColor(0x39, 0x49, 0xAB));
        break;
    case Scene::Meadow:
        g.setColorAt(0, QColor(0xB3, 0xE5, 0xFC));
        g.setColorAt(0.6, QColor(0xE8, 0xF5, 0xE9));
        g.setColorAt(0.61, QColor(0x9C, 0xCC, 0x65));
        g.setColorAt(1, QColor(0x68, 0x9F, 0x38));
        break;
    case Scene::Sea:
        g.setColorAt(0, QColor(0x4F, 0xC3, 0xF7));
        g.setColorAt(1, QColor(0x01, 0x57, 0x9B));
        break;
    }
    p.fillRect(all, g);
    const int extras = seq.next(3, 8);
    for (int i = 0; i < extras; ++i) {
        const QPointF at(seq.next(10, kCardSize.width() - 10), seq.next(10, scene == Scene::Meadow ? 120 : 230));
        switch (scene) {
        case Scene::Night: star(p, at, seq.next(4, 10), QColor(0xFF, 0xF1, 0x76)); break;
        case Scene::Sea:
            p.setPen(QPen(QColor(255, 255, 255, 180), 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(at, seq.next(3, 8), seq.next(3, 8));
            break;
        default: cloud(p, at, seq.next(12, 22)); break;
        }
    }
}

void cat(QPainter& p, QPointF c, Sequence& seq)
{
    const QColor fur = seq.bright();
    p.setPen(Qt::NoPen);
    p.setBrush(fur);
    p.drawEllipse(c + QPointF(0, 45), 55, 40);  // body
    QPolygonF left({c + QPointF(-45, -20), c + QPointF(-35, -70), c + QPointF(-10, -40)});
    QPolygonF right({c + QPointF(45, -20), c + QPointF(35, -70), c + QPointF(10, -40)});
    p.drawPolygon(left);
    p.drawPolygon(right);
    p.drawEllipse(c, 50, 42);  // head
    eye(p, c + QPointF(-18, -8), 10);
    eye(p, c + QPointF(18, -8), 10);
    p.setBrush(QColor(0xF4, 0x8F, 0xB1));
    p.drawEllipse(c + QPointF(0, 10), 6, 4);
    smile(p, c + QPointF(0, 20), 22);
    p.setPen(QPen(QColor(0x42, 0x42, 0x42), 2));
    for (int side : {-1, 1})
        for (int k = -1; k <= 1; ++k)
            p.drawLine(c + QPointF(side * 22, 14 + k * 5), c + QPointF(side * 58, 10 + k * 10));
    p.setPen(Qt::NoPen);
}

void owl(QPainter& p, QPointF c, Sequence& seq)
{
    const QColor body = seq.bright();
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(c + QPointF(0, 15), 55, 75);
    p.drawPolygon(QPolygonF({c + QPointF(-45, -40), c + QPointF(-40, -75), c + QPointF(-15, -50)}));
    p.drawPolygon(QPolygonF({c + QPointF(45, -40), c + QPointF(40, -75), c + QPointF(15, -50)}));
    p.setBrush(body.lighter(140));
    p.drawEllipse(c + QPointF(0, 40), 35, 40);  // belly
    eye(p, c + QPointF(-22, -25), 18);
    eye(p, c + QPointF(22, -25), 18);
    p.setBrush(QColor(0xFF, 0xA0, 0x00));
    p.drawPolygon(QPolygonF({c + QPointF(-7, -8), c + QPointF(7, -8), c + QPointF(0, 6)}));
}

void fish(QPainter& p, QPointF c, Sequence& seq)
{
    const QColor scales = seq.bright();
    p.setPen(Qt::NoPen);
    p.setBrush(scales.darker(120));
    p.drawPolygon(QPolygonF({c + QPointF(50, 0), c + QPointF(95, -40), c + QPointF(95, 40)}));
    p.setBrush(scales);
    p.drawEllipse(c, 70, 45);
    p.setBrush(scales.lighter(135));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(c + QPointF(-5 + i * 20, 5), 9, 14);
    eye(p, c + QPointF(-40, -10), 11);
    smile(p, c + QPointF(-55, 12), 16);
}

void ladybird(QPainter& p, QPointF c, Sequence& seq)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x21, 0x21, 0x21));
    p.drawEllipse(c + QPointF(0, -55), 30, 25);
    p.setBrush(seq.next(0, 1) ? QColor(0xE5, 0x39, 0x35) : QColor(0xFF, 0xB3, 0x00));
    p.drawEllipse(c + QPointF(0, 10), 65, 60);
    p.setPen(QPen(QColor(0x21, 0x21, 0x21), 3));
    p.drawLine(c + QPointF(0, -50), c + QPointF(0, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x21, 0x21, 0x21));
    const int spots = seq.next(2, 4);
    for (int side : {-1, 1})
        for (int i = 0; i < spots; ++i)
            p.drawEllipse(c + QPointF(side * (20 + (i % 2) * 18), -15 + i * 22), 9, 9);
    eye(p, c + QPointF(-12, -60), 7);
    eye(p, c + QPointF(12, -60), 7);
}

void snail(QPainter& p, QPointF c, Sequence& seq)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xAE, 0xD5, 0x81));
    p.drawRoundedRect(QRectF(c.x() - 90, c.y() + 30, 170, 30), 15, 15);
    p.drawEllipse(c + QPointF(-80, 20), 20, 28);
    p.setPen(QPen(QColor(0x55, 0x8B, 0x2F), 3));
    p.drawLine(c + QPointF(-88, -2), c + QPointF(-95, -30));
    p.drawLine(c + QPointF(-72, -2), c + QPointF(-68, -30));
    p.setPen(Qt::NoPen);
    const QColor shell = seq.bright();
    for (int ring = 0; ring < 4; ++ring) {
        p.setBrush(ring % 2 ? shell.lighter(140) : shell);
        p.drawEllipse(c + QPointF(10 + ring * 4, 0 + ring * 4), 55 - ring * 13, 55 - ring * 13);
    }
    eye(p, c + QPointF(-80, 10), 7);
}

void flower(QPainter& p, QPointF c, Sequence& seq)
{
    p.setPen(QPen(QColor(0x38, 0x8E, 0x3C), 6));
    p.drawLine(c + QPointF(0, 20), c + QPointF(0, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x66, 0xBB, 0x6A));
    p.drawEllipse(c + QPointF(22, 75), 20, 9);
    const QColor petal = seq.bright();
    const int petals = seq.next(5, 8);
    p.setBrush(petal);
    for (int i = 0; i < petals; ++i) {
        const qreal a = i * 2 * M_PI / petals;
        p.drawEllipse(c + QPointF(std::cos(a) * 38, std::sin(a) * 38), 24, 24);
    }
    p.setBrush(QColor(0xFF, 0xD5, 0x4F));
    p.drawEllipse(c, 28, 28);
    eye(p, c + QPointF(-10, -5), 6);
    eye(p, c + QPointF(10, -5), 6);
    smile(p, c + QPointF(0, 10), 14);
}

void rocket(QPainter& p, QPointF c, Sequence& seq)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x98, 0x00));
    p.drawPolygon(QPolygonF({c + QPointF(-15, 60), c + QPointF(15, 60), c + QPointF(0, 100)}));
    const QColor fin = seq.bright();
    p.setBrush(fin);
    p.drawPolygon(QPolygonF({c + QPointF(-25, 20), c + QPointF(-50, 65), c + QPointF(-25, 55)}));
    p.drawPolygon(QPolygonF({c + QPointF(25, 20), c + QPointF(50, 65), c + QPointF(25, 55)}));
    p.setBrush(QColor(0xEC, 0xEF, 0xF1));
    p.drawRoundedRect(QRectF(c.x() - 27, c.y() - 40, 54, 100), 20, 20);
    p.setBrush(fin);
    p.drawPolygon(QPolygonF({c + QPointF(-27, -30), c + QPointF(27, -30), c + QPointF(0, -85)}));
    p.setBrush(QColor(0x4F, 0xC3, 0xF7));
    p.drawEllipse(c + QPointF(0, 0), 15, 15);
}

void house(QPainter& p, QPointF c, Sequence& seq)
{
    p.setPen(Qt::NoPen);
    p.setBrush(seq.bright().lighter(130));
    p.drawRect(QRectF(c.x() - 60, c.y() - 10, 120, 90));
    p.setBrush(seq.bright().darker(110));
    p.drawPolygon(QPolygonF({c + QPointF(-75, -10), c + QPointF(75, -10), c + QPointF(0, -75)}));
    p.setBrush(QColor(0x79, 0x55, 0x48));
    p.drawRect(QRectF(c.x() - 14, c.y() + 30, 28, 50));
    p.setBrush(QColor(0xFF, 0xF5, 0x9D));
    p.drawRect(QRectF(c.x() - 50, c.y() + 5, 26, 22));
    p.drawRect(QRectF(c.x() + 24, c.y() + 5, 26, 22));
}

void balloons(QPainter& p, QPointF c, Sequence& seq)
{
    const int count = seq.next(3, 5);
    for (int i = 0; i < count; ++i) {
        const QPointF top = c + QPointF(-60 + i * 120.0 / std::max(1, count - 1), -40 + seq.next(-20, 20));
        p.setPen(QPen(QColor(0x61, 0x61, 0x61), 1.5));
        p.drawLine(top + QPointF(0, 32), c + QPointF(0, 100));
        p.setPen(Qt::NoPen);
        const QColor colour = seq.bright();
        p.setBrush(colour);
        p.drawEllipse(top, 24, 31);
        p.setBrush(colour.lighter(160));
        p.drawEllipse(top + QPointF(-8, -12), 5, 8);
    }
}

void sun(QPainter& p, QPointF c, Sequence& seq)
{
    const int rays = seq.next(8, 14);
    p.setPen(QPen(QColor(0xFF, 0xB3, 0x00), 6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < rays; ++i) {
        const qreal a = i * 2 * M_PI / rays;
        p.drawLine(c + QPointF(std::cos(a) * 62, std::sin(a) * 62), c + QPointF(std::cos(a) * 88, std::sin(a) * 88));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xEB, 0x3B));
    p.drawEllipse(c, 55, 55);
    p.setBrush(QColor(0xFF, 0x8A, 0x80));
    p.drawEllipse(c + QPointF(-30, 15), 9, 6);
    p.drawEllipse(c + QPointF(30, 15), 9, 6);
    eye(p, c + QPointF(-18, -10), 9);
    eye(p, c + QPointF(18, -10), 9);
    smile(p, c + QPointF(0, 18), 30);
}

QImage card(int n)
{
    Sequence seq{quint32(n)};
    QImage image(kCardSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    using Subject = void (*)(QPainter&, QPointF, Sequence&);
    struct Kind {
        Subject draw;
        Scene scene;
    };
    static const Kind kinds[] = {
        {cat, Scene::Meadow}, {owl, Scene::Night}, {fish, Scene::Sea},      {ladybird, Scene::Meadow},
        {snail, Scene::Meadow}, {flower, Scene::Sky}, {rocket, Scene::Night}, {house, Scene::Meadow},
        {balloons, Scene::Sky}, {sun, Scene::Sky},
    };
    // Every kind in turn, so that neighbouring numbers differ; the rest is drawn from n.
    const Kind& kind = kinds[(n - 1) % int(std::size(kinds))];
    background(p, kind.scene, seq);
    const QPointF centre(kCardSize.width() / 2 + seq.next(-40, 40), kCardSize.height() / 2 + seq.next(-10, 10));
    kind.draw(p, centre, seq);
    return image;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qvl-make-card-pictures OUTPUT_DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    for (int n = 1; n <= kCardCount; ++n) {
        if (!writePicture(card(n), dir + QStringLiteral("/Carte (") + QString::number(n) + QStringLiteral(").jpg"), "JPG", 85))
            return 1;
    }
    return 0;
}
