#pragma once
// The main menu of a form: a tree of entries with captions ("&" marks the accelerator),
// visibility, enabled state and OnClick.
#include "platform/ui/Component.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace ui {

class MainMenu;

class MenuItem : public Component {
public:
    MenuItem(Form& form, const QString& name);

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    MenuItem* parentItem() const { return m_parentItem; }
    MainMenu* menu() const { return m_menu; }
    const std::vector<MenuItem*>& items() const { return m_items; }
    // Appends an entry to this one's submenu.
    MenuItem* add(MenuItem* item);

    // The user can choose it: it and every entry above it visible and enabled, in the menu of a
    // shown form.
    bool reachable() const;

    // Runs OnClick as a call of the library's Click does.
    void click();

    std::function<void()> onClick;

private:
    friend class MainMenu;

    QString m_caption;
    bool m_visible = true;
    bool m_enabled = true;
    MenuItem* m_parentItem = nullptr;
    MainMenu* m_menu = nullptr;
    std::vector<MenuItem*> m_items;
};

class MainMenu : public Component {
public:
    MainMenu(Form& form, const QString& name);

    const std::vector<MenuItem*>& items() const { return m_items; }
    // Appends a top-level menu.
    MenuItem* add(MenuItem* item);

    // The entry reached by following captions (compared without "&" and without regard to case)
    // from the top level down; nullptr when there is none.
    MenuItem* findByCaptions(const QStringList& captions) const;

private:
    friend class MenuItem;
    void adoptTree(MenuItem* item);

    std::vector<MenuItem*> m_items;
};

// The caption as shown: "&" accelerator marks removed, "&&" kept as one "&".
QString stripAccelerator(const QString& caption);

}  // namespace ui
