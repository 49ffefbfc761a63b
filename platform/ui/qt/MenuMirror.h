#pragma once
// A form's main menu shown in its window's menu bar: one action per menu entry, with its
// caption ("&" marks the accelerator, "-" is a separator), visibility and enabled state.
// Choosing an entry queues its menu command, as the model's input does.
#include <QHash>

class QAction;
class QMenuBar;
class QWidget;

namespace ui {
class Form;
class MenuItem;
}  // namespace ui

namespace uiqt {

class MenuMirror {
public:
    MenuMirror(ui::Form& form, QMenuBar* bar) : m_form(form), m_bar(bar) {}

    // The form's menu was set or replaced.
    void rebuild();
    // An entry changed or gained entries; nullptr: the top level did.
    void changed(ui::MenuItem* item);

    QAction* actionFor(const ui::MenuItem& item) const { return m_actions.value(&item); }

private:
    QAction* ensureAction(ui::MenuItem& item);
    void applyState(QAction* action, const ui::MenuItem& item) const;
    // The container holds exactly the actions of the entries, in their order.
    void syncEntries(QWidget* container, const std::vector<ui::MenuItem*>& items);

    ui::Form& m_form;
    QMenuBar* m_bar;
    QHash<const ui::MenuItem*, QAction*> m_actions;
};

}  // namespace uiqt
