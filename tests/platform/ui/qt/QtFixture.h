#pragma once
// A form mirrored by the renderer on Qt's offscreen platform, on a virtual clock with scripted
// dialogs.
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/qt/Renderer.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace uiqt {

// The one QApplication of the test program, on the offscreen platform.
void ensureQtApplication();

class QtFixture : public ::testing::Test {
protected:
    QtFixture();

    template <class T>
    T* add(const char* name, QRect bounds, ui::WinControl* parent = nullptr)
    {
        T* control = form.create<T>(QString::fromLatin1(name), parent);
        control->setBounds(bounds);
        return control;
    }

    template <class W = QWidget>
    W* widget(const ui::Control& control)
    {
        return dynamic_cast<W*>(renderer().widgetFor(control));
    }

    Renderer& renderer() { return *m_renderer; }

    // Checks every control of the form: its widget lies at the control's bounds inside its
    // parent's widget and is shown exactly when the control is.
    void expectMirrored(const ui::Form& mirrored);

    ui::VirtualClock clock;
    ui::ScriptedDialogs dialogs;
    ui::Application app{clock, dialogs};
    ui::Form form{app, QStringLiteral("FrmTest")};

private:
    std::unique_ptr<Renderer> m_renderer;
};

}  // namespace uiqt
