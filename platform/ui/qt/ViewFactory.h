#pragma once
// Makes the view of a control by the control's class: the view registered last for a class the
// control is (or derives from) wins. A control class the factory does not know still gets a
// plain widget at its place, so geometry and visibility are mirrored for every control.
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

namespace ui {
class Control;
}

namespace uiqt {

class ControlView;
class Renderer;

class ViewFactory {
public:
    // With the views of every control class of the model.
    ViewFactory();

    // Controls of class Model (or derived from it) get the view make(Renderer&, Model&) returns.
    template <class Model, class Make>
    void add(Make make)
    {
        m_entries.push_back(Entry{
            [](ui::Control& control) {
                if constexpr (std::is_same_v<Model, ui::Control>)
                    return true;
                else
                    return dynamic_cast<Model*>(&control) != nullptr;
            },
            [make](Renderer& renderer, ui::Control& control) -> std::unique_ptr<ControlView> {
                return make(renderer, static_cast<Model&>(control));
            }});
    }
    // Controls of class Model get views of class View, constructed from (Renderer&, Model&).
    template <class Model, class View>
    void add()
    {
        add<Model>([](Renderer& renderer, Model& control) { return std::make_unique<View>(renderer, control); });
    }

    std::unique_ptr<ControlView> make(Renderer& renderer, ui::Control& control) const;

private:
    struct Entry {
        std::function<bool(ui::Control&)> matches;
        std::function<std::unique_ptr<ControlView>(Renderer&, ui::Control&)> make;
    };
    std::vector<Entry> m_entries;
};

}  // namespace uiqt
