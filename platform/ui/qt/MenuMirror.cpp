#include "platform/ui/qt/MenuMirror.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menu.h"

#include <QMenu>
#include <QMenuBar>

namespace uiqt {

// A submenu owns the action that opens it.
static void discard(QAction* action)
{
    if (QMenu* submenu = action->menu())
        delete submenu;
    else
        delete action;
}

void MenuMirror::rebuild()
{
    for (QAction* action : std::as_const(m_actions))
        discard(action);
    m_actions.clear();
    if (ui::MainMenu* menu = m_form.menu())
        syncEntries(m_bar, menu->items());
}

void MenuMirror::changed(ui::MenuItem* item)
{
    ui::MainMenu* menu = m_form.menu();
    if (!menu || (item && item->menu() != menu))
        return;
    if (!item) {
        syncEntries(m_bar, menu->items());
        return;
    }
    QAction* action = ensureAction(*item);
    applyState(action, *item);
    if (action->menu())
        syncEntries(action->menu(), item->items());
    // A new entry, or one that gained a submenu, has a new action where its parent lists it.
    if (ui::MenuItem* parent = item->parentItem())
        syncEntries(ensureAction(*parent)->menu(), parent->items());
    else
        syncEntries(m_bar, menu->items());
}

QAction* MenuMirror::ensureAction(ui::MenuItem& item)
{
    QAction* action = m_actions.value(&item);
    const bool wantsMenu = !item.items().empty();
    if (action && (action->menu() != nullptr) == wantsMenu)
        return action;
    if (action)
        discard(action);
    if (wantsMenu) {
        auto* submenu = new QMenu(m_bar);
        action = submenu->menuAction();
        syncEntries(submenu, item.items());
    } else {
        action = new QAction(m_bar);
        ui::Application& application = m_form.application();
        QObject::connect(action, &QAction::triggered, m_bar, [&application, &item] {
            application.input().menuCommand(item);
        });
    }
    m_actions.insert(&item, action);
    applyState(action, item);
    return action;
}

void MenuMirror::applyState(QAction* action, const ui::MenuItem& item) const
{
    const bool separator = item.caption() == QStringLiteral("-");
    action->setSeparator(separator);
    action->setText(separator ? QString() : item.caption());
    action->setVisible(item.visible());
    action->setEnabled(item.enabled());
}

void MenuMirror::syncEntries(QWidget* container, const std::vector<ui::MenuItem*>& items)
{
    QList<QAction*> wanted;
    for (ui::MenuItem* item : items)
        wanted.append(ensureAction(*item));
    if (container->actions() == wanted)
        return;
    for (QAction* action : container->actions())
        container->removeAction(action);
    container->addActions(wanted);
}

}  // namespace uiqt
