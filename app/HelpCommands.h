#pragma once
// The help of the program: the help documents of the "Documentation" folder, opened in the
// desktop's browser by the menu "Aide" and the help buttons of the screens, the videos page of
// the maker's web host, and the about message over the home screen.
#include <QString>

namespace app {

class TFrmPrin;

class HelpCommands {
public:
    // Binds the menu handlers and the help buttons of the book, complements and pupil import
    // screens, which must be built.
    explicit HelpCommands(TFrmPrin& frm);

    void Aide2Click();
    void Button87Click();
    void Button88Click();
    void Button78Click();
    void Vidos1Click();
    void Apropos1Click();

private:
    // A document of the "Documentation" folder, by its file name; the shell reports a missing one.
    void openDocument(const QString& fileName);

    TFrmPrin& m_frm;
};

}  // namespace app
