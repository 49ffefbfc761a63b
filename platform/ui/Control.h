#pragma once
// A visual control: its designed place inside its parent, visibility, enabled state, text,
// hint, colour, font, pointer shape, and the mouse events the program binds.
//
// Graphic controls (labels, images, speed and tool buttons, gauges) are drawn on their parent:
// they never take the focus and lie below every windowed sibling. Windowed controls derive from
// WinControl.
#include "platform/ui/Color.h"
#include "platform/ui/Component.h"
#include "platform/ui/Font.h"
#include "platform/ui/Keys.h"

#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>

namespace ui {

class WinControl;

using NotifyEvent = std::function<void()>;
// x and y are relative to the control's top-left corner.
using MouseEvent = std::function<void(MouseButton button, ShiftState shift, int x, int y)>;
using MouseMoveEvent = std::function<void(ShiftState shift, int x, int y)>;

class Control : public Component {
public:
    WinControl* parent() const { return m_parent; }
    // Puts the control on top of its new parent's children.
    void setParent(WinControl* parent);

    // Place relative to the parent's client area (for a form: its outer rectangle on the screen).
    QRect bounds() const { return m_bounds; }
    void setBounds(const QRect& bounds);
    int left() const { return m_bounds.left(); }
    int top() const { return m_bounds.top(); }
    int width() const { return m_bounds.width(); }
    int height() const { return m_bounds.height(); }
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);

    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // Visible, and so are all its parents up to and including the form.
    bool showing() const;

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Text and caption are one property, as in the library. Edit fields give it their own
    // semantics (caret, OnChange).
    const QString& text() const { return m_text; }
    void setText(const QString& text);
    const QString& caption() const { return m_text; }
    void setCaption(const QString& caption) { setText(caption); }

    const QString& hint() const { return m_hint; }
    void setHint(const QString& hint);
    bool showHint() const { return m_showHint; }
    void setShowHint(bool showHint);

    // A control that follows its parent's colour (or font) shows the parent's until it is given
    // its own.
    Color color() const;
    void setColor(Color color);
    bool parentColor() const { return m_parentColor; }
    Font font() const;
    void setFont(const Font& font);
    bool parentFont() const { return m_parentFont; }

    Cursor cursor() const { return m_cursor; }
    void setCursor(Cursor cursor);

    // Z-order among the parent's children.
    void bringToFront();
    void sendToBack();

    virtual bool isWindowed() const { return false; }

    // Screen coordinates.
    QRect screenRect() const;
    QPoint clientToScreen(QPoint point) const;
    QPoint screenToClient(QPoint point) const;

    // Runs OnClick as a call of the library's Click does: an exception reaches the caller.
    virtual void click();

    // The system's move command, given while a mouse button is down on the control: the
    // control follows the pointer, which stays inside the parent's client area, until the
    // button is released (no click follows).
    void beginMoveDrag();

    NotifyEvent onClick;
    NotifyEvent onDblClick;
    MouseEvent onMouseDown;
    MouseEvent onMouseUp;
    MouseMoveEvent onMouseMove;
    NotifyEvent onMouseEnter;
    NotifyEvent onMouseLeave;

protected:
    Control(Form& form, const QString& name);
    // For a form, which owns itself.
    Control(Application& application, Form& self, const QString& name);

    // The text changed (by code or by the user); the stored text is already the new one.
    virtual void textChanged() {}
    // Stores a new text and tells observers, without the textChanged() reaction.
    void storeText(const QString& text);
    // Stores the text with [start, start + length) replaced, in place, and tells observers.
    void storeTextReplacing(int start, int length, const QString& inserted);
    // What a completed left click does (a check box toggles before its OnClick).
    virtual void userClick() { click(); }
    // A completed left click at a point of the control (a navigator picks its button by it).
    virtual void userClickAt(QPoint local) { userClick(); }
    // Whether the second press of a double click is one more press that clicks on release, so
    // that a double click clicks twice (buttons, check boxes), besides OnDblClick.
    virtual bool clicksOnDoublePress() const { return false; }
    // A right click released on the control, at a screen point: its context menu, where it has
    // one (web views).
    virtual void contextMenu(QPoint screenPos) {}
    // Visible was switched; the stored flag is already the new one.
    virtual void visibilityChanged();
    // The bounds changed (page controls lay their sheets out again).
    virtual void boundsChanged() {}
    // Offset of the children's coordinates inside this control's rectangle.
    virtual QPoint clientOffset() const { return {}; }
    void setParentColorFlag(bool follows) { m_parentColor = follows; }

private:
    friend class WinControl;
    friend class Form;
    friend class InputRouter;

    WinControl* m_parent = nullptr;
    QRect m_bounds;
    bool m_visible = true;
    bool m_enabled = true;
    QString m_text;
    QString m_hint;
    bool m_showHint = false;
    Color m_color = colors::buttonFace;
    bool m_parentColor = false;
    Font m_font;
    bool m_parentFont = true;
    Cursor m_cursor = Cursor::Default;
};

}  // namespace ui
