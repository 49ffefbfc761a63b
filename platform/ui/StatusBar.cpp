#include "platform/ui/StatusBar.h"

namespace ui {

StatusBar::StatusBar(Form& form, const QString& name) : WinControl(form, name) {}

void StatusBar::setSimplePanel(bool simple)
{
    if (simple == m_simplePanel)
        return;
    m_simplePanel = simple;
    notify(Property::Items);
}

void StatusBar::setSimpleText(const QString& text)
{
    if (text == m_simpleText)
        return;
    m_simpleText = text;
    notify(Property::Items);
}

void StatusBar::setPanelTexts(const QStringList& texts)
{
    m_panelTexts = texts;
    notify(Property::Items);
}

void StatusBar::setPanelText(int index, const QString& text)
{
    if (index < 0 || index >= m_panelTexts.size() || m_panelTexts[index] == text)
        return;
    m_panelTexts[index] = text;
    notify(Property::Items);
}

}  // namespace ui
