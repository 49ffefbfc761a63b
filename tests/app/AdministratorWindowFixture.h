#pragma once
// The main window with the given parts, logged in as administrator (empty password, tips window
// closed), so that the tools menu is there.
#include "MainWindowFixture.h"

class AdministratorWindowTest : public MainWindowTest {
protected:
    app::TFrmPrin& startAsAdministrator(const app::ScreenInstaller& parts)
    {
        app::TFrmPrin& w = start({"Cancel"}, {parts});
        dialogs.answer(QString());
        dialogs.answer(QStringLiteral("Terminer"));
        input.menu(QStringLiteral("Fichier > Administrateur"));
        return w;
    }
};
