#pragma once
// A top-level window. It owns its components (controls, menus), finds them by name, keeps the
// focused control, runs the key order of the library and knows its non-client frame, which
// simulated clicks at offsets from its outer corner depend on.
#include "platform/ui/WinControl.h"

#include <QHash>
#include <QMargins>
#include <memory>
#include <stdexcept>

namespace ui {

class Button;
class MainMenu;
struct KeyMessage;

enum class ModalResult { None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7, Close = 8 };

enum class BorderStyle {
    Sizeable,  // frame and caption bar
    None,      // no frame at all (the splash window)
};

enum class CloseAction { None, Hide, Free };

// Non-client metrics of a framed window. Fixed once for the whole program so that every offset
// the screens give from the main window's outer corner lands on its control: frame 8, caption
// bar 23 and menu bar 19 put the client area of the main window at (8, 50).
namespace frame {
constexpr int kBorder = 8;
constexpr int kCaptionBar = 23;
constexpr int kMenuBar = 19;
}  // namespace frame

class Form : public WinControl {
public:
    Form(Application& application, const QString& name);
    ~Form() override;

    // Creates a control owned by this form, inside parent (nullptr: directly on the form).
    // Throws std::invalid_argument when the name is empty or already taken.
    template <class T>
    T* create(const QString& name, WinControl* parent = nullptr);
    // Creates a non-visual component (menus, menu items).
    template <class T>
    T* createComponent(const QString& name);

    // Looked up without regard to case; nullptr when absent (or of another class).
    Component* findComponent(const QString& name) const;
    template <class T>
    T* find(const QString& name) const { return dynamic_cast<T*>(findComponent(name)); }
    // As find(), but a missing component is a programming error: std::out_of_range.
    template <class T>
    T& get(const QString& name) const;
    // In creation order.
    const std::vector<Component*>& components() const { return m_order; }

    // Window geometry: bounds() is the outer rectangle on the screen.
    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style);
    // Frame, caption bar and menu bar around the client area.
    QMargins nonClient() const;
    QSize clientSize() const;
    void setClientSize(const QSize& size);
    // The screen point of the client area's top-left corner (scrolling included).
    QPoint clientOrigin() const;
    // How far an auto-scrolling form is scrolled.
    QPoint scrollPosition() const { return m_scroll; }
    void setScrollPosition(QPoint position);

    MainMenu* menu() const { return m_menu; }
    void setMenu(MainMenu* menu);

    // The control that has (or will have, when the form is activated) the focus.
    WinControl* activeControl() const { return m_activeControl; }
    bool active() const;

    ModalResult modalResult() const { return m_modalResult; }
    void setModalResult(ModalResult result) { m_modalResult = result; }
    // Runs the form modally in a nested message loop until its modal result is set or it is
    // closed; input meanwhile goes only to it.
    ModalResult showModal();
    bool modal() const { return m_modal; }

    // OnCloseQuery, then OnClose; a modal form ends its loop with Cancel, the main form ends the
    // program, any other form hides.
    void close();

    NotifyEvent onShow;
    NotifyEvent onHide;
    std::function<void(bool& canClose)> onCloseQuery;
    std::function<void(CloseAction& action)> onClose;

    // The key order of the library for one queued key (see WinControl.h). Called by the
    // message loop.
    void dispatchKey(const KeyMessage& message);

protected:
    QPoint clientOffset() const override;
    void visibilityChanged() override;

private:
    friend class Control;
    friend class WinControl;
    friend class Application;

    void adopt(std::unique_ptr<Component> component);
    // Focus bookkeeping: OnExit of the old control, OnEnter of the new one.
    void changeFocus(WinControl* control);
    // A control that holds the focus was hidden or disabled: the form keeps it.
    void focusedControlLost(Control& control);
    // Enter goes to the focused button, else to the first default button that can take focus.
    Button* activeButton(WinControl* target) const;
    // A modal result was set: OnCloseQuery and OnClose may still keep the form open.
    bool closeModal();

    std::vector<std::unique_ptr<Component>> m_owned;
    std::vector<Component*> m_order;
    QHash<QString, Component*> m_byName;  // keys in lower case
    BorderStyle m_borderStyle = BorderStyle::Sizeable;
    QPoint m_scroll;
    MainMenu* m_menu = nullptr;
    WinControl* m_activeControl = nullptr;
    ModalResult m_modalResult = ModalResult::None;
    bool m_modal = false;
};

template <class T>
T* Form::create(const QString& name, WinControl* parent)
{
    static_assert(std::is_base_of_v<Control, T>);
    if (parent && &parent->form() != this)
        throw std::invalid_argument("a control's parent must belong to the same form");
    auto owned = std::unique_ptr<T>(new T(*this, name));
    T* control = owned.get();
    adopt(std::move(owned));
    control->setParent(parent ? parent : this);
    return control;
}

template <class T>
T* Form::createComponent(const QString& name)
{
    auto owned = std::unique_ptr<T>(new T(*this, name));
    T* component = owned.get();
    adopt(std::move(owned));
    return component;
}

template <class T>
T& Form::get(const QString& name) const
{
    if (T* component = find<T>(name))
        return *component;
    throw std::out_of_range(("no component " + name + " of that class in " + this->name()).toStdString());
}

}  // namespace ui
