#pragma once
// Teacher and administrator modes. There are no accounts: a login compares the password typed
// with the two passwords of the settings, and the menus it shows are the whole access state.
// Administrator mode is the tools menu being visible; there is no logout.
#include <QString>

namespace app {

class TFrmPrin;
class TForm2;

// Binds the login `Enseignant1Click` (menu entries "Administrateur" and "Enseignant", toolbar
// button "Pour commencer") on the main window. The tips window is shown at the end of a login.
void bindLogin(TFrmPrin& frm, TForm2& tips);

// True in administrator mode.
bool AdministratorTest(const TFrmPrin& frm);
// AdministratorTest, telling the user why nothing happens when it fails.
bool requireAdministrator(TFrmPrin& frm);
inline const QString NotAdministratorMessage = QStringLiteral("Vous devez être administrateur pour cette manip !");

// Asks for the administrator password once more before an action that changes data in bulk:
// true only for a non-empty answer equal to it, so an installation without an administrator
// password never lets such an action through. `prompt` replaces the usual one.
bool AdministratorPasswordReask(TFrmPrin& frm, const QString& prompt = {});

}  // namespace app
