// Usage: qvl-make-site-pictures PROGRAM_DIR
// Draws the pictures of the Amazon site choice and of its sign-in warning:
// - Reserve/Drapeaux/SITE.png for "fr", "de" and "com": the flag of the site's language, and
//   Reserve/Drapeaux/SITE_choisi.png, the same flag framed, which marks the site chosen;
// - Reserve/Avertissement_connexion.png: the warning shown when a product page was read
//   without the texts a signed-in customer sees.
#include "PictureFile.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr QSize kFlagSize(32, 22);
constexpr QSize kWarningSize(407, 180);

void drawFrenchFlag(QPainter& painter, const QRectF& r)
{
    const qreal third = r.width() / 3;
    painter.fillRect(QRectF(r.left(), r.top(), third, r.height()), QColor(0x00, 0x23, 0x95));
    painter.fillRect(QRectF(r.left() + third, r.top(), third, r.height()), Qt::white);
    painter.fillRect(QRectF(r.left() + 2 * third, r.top(), r.width() - 2 * third, r.height()), QColor(0xED, 0x29, 0x39));
}

void drawGermanFlag(QPainter& painter, const QRectF& r)
{
    const qreal third = r.height() / 3;
    painter.fillRect(QRectF(r.left(), r.top(), r.width(), third), Qt::black);
    painter.fillRect(QRectF(r.left(), r.top() + third, r.width(), third), QColor(0xDD, 0x00, 0x00));
    painter.fillRect(QRectF(r.left(), r.top() + 2 * third, r.width(), r.height() - 2 * third), QColor(0xFF, 0xCE, 0x00));
}

// The English-speaking store: the British flag, simplified to the size of a button.
void drawBritishFlag(QPainter& painter, const QRectF& r)
{
    painter.save();
    painter.setClipRect(r);
    painter.fillRect(r, QColor(0x01, 0x21, 0x69));
    const qreal unit = r.height() / 10;
    painter.setPen(QPen(Qt::white, 2 * unit));
    painter.drawLine(r.topLeft(), r.bottomRight());
    painter.drawLine(r.bottomLeft(), r.topRight());
    painter.setPen(QPen(QColor(0xC8, 0x10, 0x2E), unit * 0.8));
    painter.drawLine(r.topLeft(), r.bottomRight());
    painter.drawLine(r.bottomLeft(), r.topRight());
    const QPointF centre = r.center();
    painter.fillRect(QRectF(r.left(), centre.y() - 1.7 * unit, r.width(), 3.4 * unit), Qt::white);
    painter.fillRect(QRectF(centre.x() - 1.7 * unit, r.top(), 3.4 * unit, r.height()), Qt::white);
    painter.fillRect(QRectF(r.left(), centre.y() - unit, r.width(), 2 * unit), QColor(0xC8, 0x10, 0x2E));
    painter.fillRect(QRectF(centre.x() - unit, r.top(), 2 * unit, r.height()), QColor(0xC8, 0x10, 0x2E));
    painter.restore();
}

// The chosen site's flag sits inside a green frame.
QImage flagPicture(void (*drawFlag)(QPainter&, const QRectF&), bool chosen)
{
    QImage image(kFlagSize, QImage::Format_RGB32);
    image.fill(chosen ? QColor(0x2E, 0x7D, 0x32) : QColor(0x60, 0x60, 0x60));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal border = chosen ? 3 : 1;
    drawFlag(painter, QRectF(border, border, kFlagSize.width() - 2 * border, kFlagSize.height() - 2 * border));
    return image;
}

QImage signInWarningPicture()
{
    QImage image(kWarningSize, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0xF8, 0xDC));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xB2, 0x6A, 0x00), 2));
    painter.drawRect(QRectF(1, 1, kWarningSize.width() - 2, kWarningSize.height() - 2));
    QPainterPath triangle;
    triangle.moveTo(44, 22);
    triangle.lineTo(78, 82);
    triangle.lineTo(10, 82);
    triangle.closeSubpath();
    painter.setBrush(QColor(0xF9, 0xA8, 0x25));
    painter.setPen(QPen(QColor(0x5D, 0x40, 0x37), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(triangle);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(10, 34, 68, 48), Qt::AlignCenter, QStringLiteral("!"));

    font.setPixelSize(17);
    painter.setFont(font);
    painter.setPen(QColor(0x3E, 0x27, 0x23));
    painter.drawText(QRectF(92, 14, 300, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Connexion au site Amazon"));
    font.setBold(false);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(QRectF(92, 46, 302, 124), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("La page lue ne montre pas les textes qu'Amazon réserve à ses clients "
                                    "identifiés : ses détails risquent d'être incomplets.\n"
                                    "Identifiez-vous sur le site dans cette fenêtre, puis lisez de nouveau "
                                    "la page."));
    return image;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_DIR\n", argv[0]);
        return 2;
    }
    const QDir program(QFile::decodeName(argv[1]));
    const std::pair<const char*, void (*)(QPainter&, const QRectF&)> sites[] = {
        {"fr", drawFrenchFlag}, {"de", drawGermanFlag}, {"com", drawBritishFlag}};
    bool saved = true;
    for (const auto& [site, drawFlag] : sites) {
        const QString base = program.filePath(QStringLiteral("Reserve/Drapeaux/") + QString::fromLatin1(site));
        saved = writePicture(flagPicture(drawFlag, false), base + QStringLiteral(".png"), "PNG") && saved;
        saved = writePicture(flagPicture(drawFlag, true), base + QStringLiteral("_choisi.png"), "PNG") && saved;
    }
    saved = writePicture(signInWarningPicture(), program.filePath(QStringLiteral("Reserve/Avertissement_connexion.png")), "PNG") && saved;
    return saved ? 0 : 1;
}
