#pragma once
// How the values of the designed layout look on this platform: colours (the system's window
// colours included), font faces, pointer shapes and pictures.
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Picture.h"

#include <QColor>
#include <QFont>
#include <QImage>

namespace uiqt {

// System colours take the values of the desktop the layout was designed on.
QColor toQColor(ui::Color color);

// The installed face that stands in for a face the layout names: the Liberation faces for the
// classic Windows faces (same metrics), the name itself otherwise.
QString fontFamily(const QString& designedName);
// Sized as the layout's fonts are: points at 96 pixels per inch, whatever the screen says.
QFont toQFont(const ui::Font& font);

Qt::CursorShape toCursorShape(ui::Cursor cursor);

QImage toQImage(const ui::Picture& picture);

// A hint is "short|long"; the tooltip shows the short part.
QString shortHint(const QString& hint);

}  // namespace uiqt
