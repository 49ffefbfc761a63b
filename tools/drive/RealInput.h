#pragma once
// Input put through the real display, as a person's mouse and keyboard give it: X events sent
// with xdotool (XTest) to the windows the renderer shows, which reach the program through Qt's
// own event handling (and the web engine's), not through the control model's queue.
#include <QPoint>
#include <QString>
#include <QStringList>

namespace ui {
class Application;
}

namespace uiqt {
class Renderer;
}

namespace drive {

class RealInput {
public:
    RealInput(uiqt::Renderer& renderer, ui::Application& application);

    // Points are offsets from the active window's outer top-left corner; a false return means
    // that xdotool could not deliver the events.
    enum class Button { Left = 1, Right = 3 };
    bool click(QPoint offset, Button button, int count);
    // Notches of the wheel, downwards when positive.
    bool wheel(QPoint offset, int notches);
    bool type(const QString& text);
    // A key by the driver's name (Enter, Tab, Escape, …), or an X key name (ctrl+a).
    bool key(const QString& name);

    // Whether xdotool is installed.
    static bool available();

private:
    bool moveTo(QPoint offset);
    bool xdotool(const QStringList& arguments);
    // The events reach the widgets, and the model handles the input they gave it.
    void settle();

    uiqt::Renderer& m_renderer;
    ui::Application& m_application;
};

}  // namespace drive
