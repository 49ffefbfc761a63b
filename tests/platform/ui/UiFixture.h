#pragma once
// A main window of the designed size, with a menu bar, on a virtual clock and scripted dialogs.
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/testing/InputDriver.h"

#include <gtest/gtest.h>

namespace ui {

class UiFixture : public ::testing::Test {
protected:
    UiFixture()
    {
        app.setTitle(QStringLiteral("QvlZantor"));
        form.setBounds(QRect(0, 0, 1378, 1080));
        form.setMenu(form.createComponent<MainMenu>(QStringLiteral("MainMenu1")));
        form.show();
    }

    template <class T>
    T* add(const char* name, QRect bounds, WinControl* parent = nullptr)
    {
        T* control = form.create<T>(QString::fromLatin1(name), parent);
        control->setBounds(bounds);
        return control;
    }

    VirtualClock clock;
    ScriptedDialogs dialogs;
    Application app{clock, dialogs};
    Form form{app, QStringLiteral("FrmPrin")};
    testing::InputDriver input{app};
    std::vector<QString> events;
};

}  // namespace ui
