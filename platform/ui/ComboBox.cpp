#include "platform/ui/ComboBox.h"

namespace ui {

ComboBox::ComboBox(Form& form, const QString& name) : CustomEdit(form, name) {}

void ComboBox::setItems(const QStringList& items)
{
    m_items = items;
    notify(Property::Items);
}

void ComboBox::addItem(const QString& item)
{
    m_items.append(item);
    notify(Property::Items);
}

void ComboBox::setItemIndex(int index) { setText(index >= 0 && index < m_items.size() ? m_items[index] : QString()); }

void ComboBox::userSelectItem(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    const bool changed = text() != m_items[index];
    setItemIndex(index);
    selectAll();
    if (changed)
        change();
}

ListBox::ListBox(Form& form, const QString& name) : WinControl(form, name) { setColor(colors::window); }

void ListBox::setItems(const QStringList& items)
{
    m_items = items;
    m_itemIndex = -1;
    notify(Property::Items);
}

void ListBox::addItem(const QString& item)
{
    m_items.append(item);
    notify(Property::Items);
}

void ListBox::setItemIndex(int index)
{
    if (index < -1 || index >= m_items.size())
        index = -1;
    if (index == m_itemIndex)
        return;
    m_itemIndex = index;
    notify(Property::ItemIndex);
}

void ListBox::userSelectItem(int index)
{
    setItemIndex(index);
    click();
}

}  // namespace ui
