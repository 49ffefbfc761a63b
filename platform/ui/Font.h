#pragma once
// A font as controls carry it; the renderer maps the face name to an installed font.
#include "platform/ui/Color.h"

#include <QString>

namespace ui {

struct Font {
    QString name = QStringLiteral("MS Sans Serif");
    int size = 8;  // points
    Color color = Color::System::WindowText;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace ui
