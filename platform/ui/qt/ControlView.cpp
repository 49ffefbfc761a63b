#include "platform/ui/qt/ControlView.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/qt/Appearance.h"

#include <QScrollBar>

namespace uiqt {

bool isScrollBarPart(const QWidget* receiver)
{
    for (const QWidget* w = receiver; w && !w->isWindow(); w = w->parentWidget())
        if (dynamic_cast<const QScrollBar*>(w))
            return true;
    return false;
}

ControlView::ControlView(Renderer& renderer, ui::Control& control, QWidget* widget)
    : m_renderer(renderer), m_control(control), m_form(&control.form()), m_widget(widget)
{
    widget->setObjectName(control.name());
    widget->setMouseTracking(true);
    // The model keeps the focus; Qt never moves it by itself.
    widget->setFocusPolicy(Qt::NoFocus);
}

void ControlView::applyAll()
{
    using P = ui::Property;
    static constexpr P kAll[] = {P::Bounds,  P::Enabled,  P::Font,      P::Color,    P::Text,     P::Hint,
                                 P::Cursor,  P::Items,    P::ItemIndex, P::Selection, P::Checked, P::Picture,
                                 P::ActivePage, P::Progress, P::Default, P::RichText, P::Data,    P::Visible};
    for (P property : kAll)
        apply(property);
}

void ControlView::apply(ui::Property property)
{
    switch (property) {
    case ui::Property::Bounds: m_widget->setGeometry(m_control.bounds()); break;
    case ui::Property::Visible: m_widget->setVisible(m_control.visible()); break;
    case ui::Property::Enabled: m_widget->setEnabled(m_control.enabled()); break;
    case ui::Property::Text: applyText(); break;
    case ui::Property::Hint:
    case ui::Property::BalloonHint: m_widget->setToolTip(toolTip()); break;
    case ui::Property::Color: applyColors(); break;
    case ui::Property::Font:
        m_widget->setFont(toQFont(m_control.font()));
        applyColors();
        break;
    case ui::Property::Cursor:
        if (m_control.cursor() == ui::Cursor::Default)
            m_widget->unsetCursor();
        else
            m_widget->setCursor(toCursorShape(m_control.cursor()));
        break;
    default: break;
    }
}

void ControlView::applyColors()
{
    QPalette palette = m_widget->palette();
    const QColor text = toQColor(m_control.font().color);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    const QPalette::ColorRole background = backgroundRole();
    const bool fills = background != QPalette::NoRole && fillsBackground();
    if (fills)
        palette.setColor(background, toQColor(m_control.color()));
    m_widget->setPalette(palette);
    if (background == QPalette::Window)
        m_widget->setAutoFillBackground(fills);
}

QString ControlView::toolTip() const
{
    // A hint shows when the control or one of its parents shows hints.
    bool shown = false;
    for (const ui::Control* c = &m_control; c && !shown; c = c->parent())
        shown = c->showHint();
    const QString hint = shortHint(m_control.hint());
    if (!shown || hint.isEmpty())
        return {};
    return QStringLiteral("<p style='white-space:pre'>") + hint.toHtmlEscaped() + QStringLiteral("</p>");
}

void ControlView::postUserAction(std::function<void()> action) const
{
    m_control.application().post(std::move(action));
}

}  // namespace uiqt
