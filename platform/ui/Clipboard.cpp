#include "platform/ui/Clipboard.h"

namespace ui {

void Clipboard::setText(const QString& text)
{
    m_text = text;
    if (onWritten)
        onWritten(text);
}

Clipboard& clipboard()
{
    static Clipboard instance;
    return instance;
}

}  // namespace ui
