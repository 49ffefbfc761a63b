#pragma once
// The main window with the administrator's set-up screens, logged in as the administrator of a
// new installation (empty password).
#include "MainWindowFixture.h"

#include "app/ConfigurationLayout.h"
#include "app/ConfigurationScreen.h"
#include "app/SchoolCoordinates.h"
#include "app/SchoolCoordinatesLayout.h"
#include "platform/ui/Edit.h"

class SetupScreensTest : public MainWindowTest {
protected:
    app::TFrmPrin& startAsAdministrator(const std::vector<app::ScreenInstaller>& before = {})
    {
        std::vector<app::ScreenInstaller> screens = before;
        screens.push_back([](app::TFrmPrin& f) {
            f.addPart<app::SchoolCoordinates>(f, app::buildSchoolCoordinatesControls(f));
            f.addPart<app::ConfigurationScreen>(f, app::buildConfigurationControls(f));
        });
        app::TFrmPrin& w = start({"Cancel"}, screens);
        dialogs.answer(QString());
        dialogs.answer(QStringLiteral("Terminer"));
        input.menu(QStringLiteral("Fichier > Administrateur"));
        return w;
    }
    ui::CustomEdit& edit(const char* name) { return frm().get<ui::CustomEdit>(QString::fromLatin1(name)); }
    ui::Control& control(const char* name) { return frm().get<ui::Control>(QString::fromLatin1(name)); }
    // Types into a field after emptying it, as a user selecting its text would.
    void retype(const char* name, const QString& text)
    {
        edit(name).setText(QString());
        input.click(edit(name));
        input.type(text);
    }
    QByteArray settingsBytes() const { return program.read(QStringLiteral("Fichier.ini")); }
};
