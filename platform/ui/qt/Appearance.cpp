#include "platform/ui/qt/Appearance.h"

#include <QHash>
#include <cmath>

namespace uiqt {

QColor toQColor(ui::Color color)
{
    if (!color.isSystem())
        return QColor(color.red(), color.green(), color.blue());
    using System = ui::Color::System;
    switch (color.system()) {
    case System::Window: return QColor(255, 255, 255);
    case System::WindowText: return QColor(0, 0, 0);
    case System::ButtonFace: return QColor(240, 240, 240);
    case System::ButtonText: return QColor(0, 0, 0);
    case System::Highlight: return QColor(0, 120, 215);
    case System::HighlightText: return QColor(255, 255, 255);
    case System::InfoBackground: return QColor(255, 255, 225);
    case System::GrayText: return QColor(109, 109, 109);
    }
    return QColor(240, 240, 240);
}

QString fontFamily(const QString& designedName)
{
    static const QHash<QString, QString> standIns = {
        {QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
    };
    return standIns.value(designedName.toLower(), designedName);
}

QFont toQFont(const ui::Font& font)
{
    QFont result(fontFamily(font.name));
    result.setPixelSize(std::max(1, int(std::lround(font.size * 96.0 / 72.0))));
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    return result;
}

Qt::CursorShape toCursorShape(ui::Cursor cursor)
{
    switch (cursor) {
    case ui::Cursor::Default: return Qt::ArrowCursor;
    case ui::Cursor::Cross: return Qt::CrossCursor;
    case ui::Cursor::HourGlass: return Qt::WaitCursor;
    case ui::Cursor::HandPoint: return Qt::PointingHandCursor;
    case ui::Cursor::IBeam: return Qt::IBeamCursor;
    }
    return Qt::ArrowCursor;
}

QImage toQImage(const ui::Picture& picture)
{
    if (picture.width() == 0 || picture.height() == 0)
        return {};
    const QImage view(reinterpret_cast<const uchar*>(picture.pixels().data()), picture.width(), picture.height(),
                      picture.width() * 4, QImage::Format_ARGB32);
    return view.copy();
}

QString shortHint(const QString& hint) { return hint.section(u'|', 0, 0); }

}  // namespace uiqt
