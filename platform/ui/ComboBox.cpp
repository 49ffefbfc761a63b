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

void ComboBox::keyPress(QChar ch)
{
    if (!m_autoComplete || ch.unicode() < u' ') {
        CustomEdit::keyPress(ch);
        return;
    }
    // What the user has typed so far: the text before a selected completion, else all of it.
    const QString typed = (selLength() > 0 ? text().left(selStart()) : text()) + ch;
    int found = -1;
    for (int i = 0; i < m_items.size() && found < 0; ++i)
        if (m_items[i].startsWith(typed, Qt::CaseInsensitive))
            found = i;
    if (found < 0) {
        CustomEdit::keyPress(ch);
        return;
    }
    const bool otherItem = found != itemIndex();
    storeText(typed + m_items[found].mid(typed.size()));
    setSelStart(int(typed.size()));
    setSelLength(int(text().size() - typed.size()));
    if (otherItem) {
        click();
        change();
    }
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

void ListBox::userSelectItem(int index) { setItemIndex(index); }

}  // namespace ui
