#include "platform/ui/Control.h"

#include "platform/ui/Form.h"

#include <algorithm>

namespace ui {

Control::Control(Form& form, const QString& name) : Component(form.application(), &form, name) {}

Control::Control(Application& application, Form& self, const QString& name)
    : Component(application, &self, name)
{
}

void Control::setParent(WinControl* parent)
{
    if (parent == m_parent)
        return;
    if (m_parent) {
        std::erase(m_parent->m_controls, this);
        m_parent->childrenChanged();
    }
    m_parent = parent;
    if (m_parent) {
        m_parent->m_controls.push_back(this);
        m_parent->childrenChanged();
    }
    notify(Property::Parent);
}

void Control::setBounds(const QRect& bounds)
{
    if (bounds == m_bounds)
        return;
    m_bounds = bounds;
    notify(Property::Bounds);
    boundsChanged();
}

void Control::setLeft(int left) { setBounds(QRect(QPoint(left, top()), m_bounds.size())); }
void Control::setTop(int top) { setBounds(QRect(QPoint(left(), top), m_bounds.size())); }
void Control::setWidth(int width) { setBounds(QRect(m_bounds.topLeft(), QSize(width, height()))); }
void Control::setHeight(int height) { setBounds(QRect(m_bounds.topLeft(), QSize(width(), height))); }

void Control::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    notify(Property::Visible);
    if (m_parent)
        m_parent->childrenChanged();
    visibilityChanged();
}

void Control::visibilityChanged()
{
    if (!m_visible)
        form().focusedControlLost(*this);
}

bool Control::showing() const
{
    for (const Control* c = this; c; c = c->m_parent)
        if (!c->m_visible)
            return false;
    return form().visible();
}

void Control::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    notify(Property::Enabled);
    if (!enabled)
        form().focusedControlLost(*this);
}

void Control::setText(const QString& text)
{
    if (text == m_text)
        return;
    storeText(text);
    textChanged();
}

void Control::storeText(const QString& text)
{
    m_text = text;
    notify(Property::Text);
}

void Control::storeTextReplacing(int start, int length, const QString& inserted)
{
    m_text.replace(start, length, inserted);
    notify(Property::Text);
}

void Control::setHint(const QString& hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    notify(Property::Hint);
}

void Control::setShowHint(bool showHint)
{
    if (showHint == m_showHint)
        return;
    m_showHint = showHint;
    notify(Property::Hint);
}

Color Control::color() const
{
    if (m_parentColor && m_parent)
        return m_parent->color();
    return m_color;
}

void Control::setColor(Color color)
{
    if (!m_parentColor && color == m_color)
        return;
    m_color = color;
    m_parentColor = false;
    notify(Property::Color);
}

Font Control::font() const
{
    if (m_parentFont && m_parent)
        return m_parent->font();
    return m_font;
}

void Control::setFont(const Font& font)
{
    if (!m_parentFont && font == m_font)
        return;
    m_font = font;
    m_parentFont = false;
    notify(Property::Font);
}

void Control::setCursor(Cursor cursor)
{
    if (cursor == m_cursor)
        return;
    m_cursor = cursor;
    notify(Property::Cursor);
}

void Control::bringToFront()
{
    if (!m_parent || m_parent->m_controls.back() == this)
        return;
    std::erase(m_parent->m_controls, this);
    m_parent->m_controls.push_back(this);
    notify(Property::ZOrder);
}

void Control::sendToBack()
{
    if (!m_parent || m_parent->m_controls.front() == this)
        return;
    std::erase(m_parent->m_controls, this);
    m_parent->m_controls.insert(m_parent->m_controls.begin(), this);
    notify(Property::ZOrder);
}

QPoint Control::clientToScreen(QPoint point) const
{
    const QPoint inParent = m_bounds.topLeft() + clientOffset() + point;
    return m_parent ? m_parent->clientToScreen(inParent) : inParent;
}

QPoint Control::screenToClient(QPoint point) const { return point - clientToScreen(QPoint(0, 0)); }

QRect Control::screenRect() const
{
    const QPoint topLeft = m_parent ? m_parent->clientToScreen(m_bounds.topLeft()) : m_bounds.topLeft();
    return QRect(topLeft, m_bounds.size());
}

void Control::beginMoveDrag() { application().beginMoveDrag(*this); }

void Control::click()
{
    if (onClick)
        onClick();
}

}  // namespace ui
