#include "platform/ui/ToolBar.h"

namespace ui {

CoolBar::CoolBar(Form& form, const QString& name) : WinControl(form, name) {}

ToolButton::ToolButton(Form& form, const QString& name) : Control(form, name) {}

void ToolButton::setStyle(Style style)
{
    if (style == m_style)
        return;
    m_style = style;
    if (auto* bar = dynamic_cast<ToolBar*>(parent()))
        bar->arrange();
}

void ToolButton::setSeparatorWidth(int width)
{
    m_separatorWidth = width;
    if (auto* bar = dynamic_cast<ToolBar*>(parent()))
        bar->arrange();
}

void ToolButton::setIcon(PicturePtr icon)
{
    m_icon = std::move(icon);
    notify(Property::Picture);
}

ToolBar::ToolBar(Form& form, const QString& name) : WinControl(form, name) {}

void ToolBar::setButtonSize(const QSize& size)
{
    m_buttonSize = size;
    arrange();
}

void ToolBar::arrange()
{
    int x = 0;
    for (Control* child : controls()) {
        auto* button = dynamic_cast<ToolButton*>(child);
        if (!button || !button->visible())
            continue;
        const int width = button->style() == ToolButton::Style::Separator ? button->separatorWidth() : m_buttonSize.width();
        button->setBounds(QRect(x, 0, width, m_buttonSize.height()));
        x += width;
    }
}

}  // namespace ui
