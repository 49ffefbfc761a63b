#pragma once
// Tells observers (the renderer, test spies) which property of which component changed. It is
// observation only: no handler runs because of a notification, and observers change the model
// only through queued input (Input.h).
#include <functional>
#include <vector>

namespace ui {

class Component;

enum class Property {
    Created,        // a component was added to its form
    Parent,
    Bounds,
    Visible,
    Enabled,
    Text,           // text or caption
    Hint,           // hint or showHint
    Color,          // also applies to children that follow their parent's colour
    Font,           // also applies to children that follow their parent's font
    Cursor,
    ZOrder,
    Selection,      // caret or selected text of an edit field
    Checked,
    Items,          // list of a combo box, list box or status bar panels
    ItemIndex,
    Picture,        // picture or stretch mode of an image, glyph of a button
    ActivePage,
    Progress,
    Default,        // default button flag
    ActiveControl,  // the focused control of a form
    Active,         // a form became the active window or stopped being it
    BalloonHint,
    Menu,           // a menu item's caption, visibility or enabled state, or a form's menu
    RichText,       // runs of a rich edit
    Data,           // rows, current row or selected cell of a grid; enabled buttons of a navigator
};

struct Notification {
    Component* component;
    Property property;
};

class NotificationBus {
public:
    using Observer = std::function<void(const Notification&)>;

    // Returns an id for unsubscribe().
    int subscribe(Observer observer);
    void unsubscribe(int id);

    void notify(Component& component, Property property) const;

private:
    std::vector<std::pair<int, Observer>> m_observers;
    int m_nextId = 1;
};

}  // namespace ui
