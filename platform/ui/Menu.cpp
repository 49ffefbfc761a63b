#include "platform/ui/Menu.h"

#include "platform/ui/Form.h"

namespace ui {

MenuItem::MenuItem(Form& form, const QString& name) : Component(form.application(), &form, name) {}

void MenuItem::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    notify(Property::Menu);
}

void MenuItem::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    notify(Property::Menu);
}

void MenuItem::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    notify(Property::Menu);
}

MenuItem* MenuItem::add(MenuItem* item)
{
    item->m_parentItem = this;
    m_items.push_back(item);
    if (m_menu)
        m_menu->adoptTree(item);
    notify(Property::Menu);
    return item;
}

bool MenuItem::reachable() const
{
    for (const MenuItem* item = this; item; item = item->m_parentItem)
        if (!item->m_visible || !item->m_enabled)
            return false;
    return m_menu && form().menu() == m_menu && form().visible();
}

void MenuItem::click()
{
    if (onClick)
        onClick();
}

MainMenu::MainMenu(Form& form, const QString& name) : Component(form.application(), &form, name) {}

MenuItem* MainMenu::add(MenuItem* item)
{
    m_items.push_back(item);
    adoptTree(item);
    notify(Property::Menu);
    return item;
}

void MainMenu::adoptTree(MenuItem* item)
{
    item->m_menu = this;
    for (MenuItem* child : item->m_items)
        adoptTree(child);
}

MenuItem* MainMenu::findByCaptions(const QStringList& captions) const
{
    const std::vector<MenuItem*>* level = &m_items;
    MenuItem* found = nullptr;
    for (const QString& caption : captions) {
        found = nullptr;
        for (MenuItem* item : *level)
            if (stripAccelerator(item->caption()).compare(caption.trimmed(), Qt::CaseInsensitive) == 0) {
                found = item;
                break;
            }
        if (!found)
            return nullptr;
        level = &found->items();
    }
    return found;
}

QString stripAccelerator(const QString& caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                shown += u'&';
                ++i;
            }
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

}  // namespace ui
