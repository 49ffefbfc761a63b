#pragma once
// The whole program with every screen, logged in as administrator (empty password), the tips
// window closed: behaviours of app/ tested on the screens that carry them.
#include "MainWindowFixture.h"

#include "program/ProgramScreens.h"

class WholeProgramTest : public MainWindowTest {
protected:
    app::TFrmPrin& startAsAdministratorWithEveryScreen()
    {
        app::TFrmPrin& w = start({"Cancel"}, program::programScreens());
        dialogs.answer(QString());
        dialogs.answer(QStringLiteral("Terminer"));
        input.menu(QStringLiteral("Fichier > Administrateur"));
        return w;
    }
    ui::Control& control(const char* name) { return frm().get<ui::Control>(QString::fromLatin1(name)); }
};
