#pragma once
// What the rich-text tests share: one graphical application (fonts need it) and small documents.
#include "platform/richtext/Document.h"
#include "platform/richtext/PageLayout.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <ostream>

namespace richtext {

inline void PrintTo(const CharFormat& f, std::ostream* os)
{
    *os << f.face.toStdString() << ' ' << f.halfPoints << (f.bold ? " b" : "") << (f.italic ? " i" : "")
        << (f.underline ? " u" : "") << " #" << std::hex << f.color << std::dec;
}

inline void PrintTo(const Document& d, std::ostream* os)
{
    *os << "page " << d.page.paperWidth << 'x' << d.page.paperHeight << '\n';
    for (const Paragraph& p : d.paragraphs()) {
        *os << "  para align " << int(p.format.alignment) << " li " << p.format.leftIndent << " ri "
            << p.format.rightIndent << " fi " << p.format.firstLineIndent << " tabs " << p.format.tabStops.size()
            << (p.format.pageBreakBefore ? " pagebb" : "") << " mark ";
        PrintTo(p.markFormat, os);
        *os << '\n';
        for (const Run& r : p.runs) {
            *os << "    [" << r.text.toStdString() << "] ";
            PrintTo(r.format, os);
            *os << '\n';
        }
    }
}

}  // namespace richtext

namespace richtext::testing {

inline void ensureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "test_richtext";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

inline CharFormat format(const char* face, int points, QRgb color = qRgb(0, 0, 0))
{
    CharFormat f;
    f.face = QString::fromUtf8(face);
    f.halfPoints = points * 2;
    f.color = color;
    return f;
}

// `count` paragraphs "Ligne N" in Courier New 10.
inline Document lines(int count)
{
    Document d;
    for (int i = 1; i <= count; ++i)
        d.append(QStringLiteral("Ligne %1%2").arg(i).arg(i < count ? QStringLiteral("\r\n") : QString()),
                 format("Courier New", 10));
    return d;
}

// The page ends that drawing the pages one after another finds: every paragraph of a page drawn
// is laid out by Qt, line by line.
inline std::vector<int> drawnPageEnds(const Document& document, const QRect& textRect)
{
    PageLayout layout(document);
    QImage page(1, 1, QImage::Format_RGB32);
    QPainter painter(&page);
    std::vector<int> ends;
    int start = 0;
    do {
        ends.push_back(layout.render(FormatRange{start, -1, textRect}, painter));
        if (ends.back() <= start)
            break;
        start = ends.back();
    } while (start < document.length());
    return ends;
}

}  // namespace richtext::testing
