#pragma once
// The clipboard as the program writes it (Clipboard.AsText): one for the process, as the desktop
// has one. Headless it only keeps the text; the renderer passes each write on to the desktop's.
#include <QString>
#include <functional>

namespace ui {

class Clipboard {
public:
    const QString& text() const { return m_text; }
    void setText(const QString& text);

    std::function<void(const QString&)> onWritten;

private:
    QString m_text;
};

Clipboard& clipboard();

}  // namespace ui
