#pragma once
// Drives the controls only through queued input, as a person and a barcode scanner do: keys go
// to whatever control has the focus when they are handled, clicks land on whatever lies under
// the pointer. Each call handles the queue before it returns (processMessages: work timed for
// later stays queued); the queue* calls only queue.
#include "platform/ui/Application.h"

#include <QPoint>
#include <QString>

namespace ui {
class ComboBox;
class Control;
class TabSheet;
}  // namespace ui

namespace ui::testing {

class InputDriver {
public:
    explicit InputDriver(Application& application) : m_application(application) {}

    // Each character typed and handled before the next.
    void type(const QString& text);
    // A scanner's burst: the characters then Enter, all queued before the first is handled.
    void scan(const QString& code);
    void queueScan(const QString& code);
    // A key pressed and released (Enter, Backspace, Caps Lock, ...).
    void key(quint16 vk);

    // A left click at the middle of the control's visible part. ScriptFailure when something
    // else lies there (the control is hidden, covered or off its parent).
    void click(const QString& name);
    void click(Control& control);
    void queueClick(Control& control);
    // Offsets from the active window's outer top-left corner, as the program gives them.
    void clickAt(QPoint offset);
    void queueClickAt(QPoint offset);
    void rightClickAt(QPoint offset);
    void doubleClick(Control& control);
    // Moves the pointer over the control (OnMouseEnter / OnMouseLeave).
    void hover(Control& control);

    // The user's choice of a tab or of a combo box item (queued like input).
    void selectTab(TabSheet& page);
    void selectItem(ComboBox& combo, int index);
    // Chooses a menu entry by its captions, "Fichier > Quitter"; ScriptFailure when the entry
    // does not exist or cannot be reached (hidden or disabled).
    void menu(const QString& path);

    // The control of that name in the active window, else in any window; ScriptFailure when
    // there is none.
    Control& control(const QString& name) const;
    // The screen point at an offset from the active window's outer top-left corner.
    QPoint offsetPoint(QPoint offset) const;

    void process() { m_application.processMessages(); }

private:
    QPoint clickablePoint(Control& control) const;

    Application& m_application;
};

}  // namespace ui::testing
