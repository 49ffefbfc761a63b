#pragma once
// Lists: an editable drop-down combo box and a list box. The combo box's text is edited like an
// edit field's, but OnChange reports only the user's changes (typing, choosing an item), never a
// text set from code. Typing completes the text with the first item that begins with what was
// typed (without regard to case), the completion selected, as the library's auto-complete does.
#include "platform/ui/Edit.h"

#include <QStringList>

namespace ui {

class ComboBox : public CustomEdit {
public:
    ComboBox(Form& form, const QString& name);

    const QStringList& items() const { return m_items; }
    void setItems(const QStringList& items);
    void addItem(const QString& item);
    void clearItems() { setItems({}); }
    // The item equal to the text, -1 when none is.
    int itemIndex() const { return int(m_items.indexOf(text())); }
    // Shows item index (-1: empty text), as code does: no OnChange.
    void setItemIndex(int index);
    // The user chose an item from the list: its text, then OnChange. Called from the message
    // loop: the renderer and the test driver post it as input.
    void userSelectItem(int index);

    bool autoComplete() const { return m_autoComplete; }
    void setAutoComplete(bool autoComplete) { m_autoComplete = autoComplete; }

protected:
    void textSetByCode() override {}
    void keyPress(QChar ch) override;

private:
    QStringList m_items;
    bool m_autoComplete = true;
};

class ListBox : public WinControl {
public:
    ListBox(Form& form, const QString& name);

    const QStringList& items() const { return m_items; }
    void setItems(const QStringList& items);
    void addItem(const QString& item);
    void clearItems() { setItems({}); }
    int itemIndex() const { return m_itemIndex; }
    void setItemIndex(int index);
    // The user pressed on an item: it is selected. OnClick follows with the click itself, as for
    // any control, so one click runs it once.
    void userSelectItem(int index);

protected:
    bool takesFocusOnClick() const override { return true; }

private:
    QStringList m_items;
    int m_itemIndex = -1;
};

}  // namespace ui
