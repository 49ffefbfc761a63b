#pragma once
// The administrator's reset of the borrowers file at the end of the year (asked for the
// administrator password, then confirmed), and the view of the whole loan history.
namespace app {
class TFrmPrin;
}

namespace pupils {

class BorrowersResetScreen {
public:
    explicit BorrowersResetScreen(app::TFrmPrin& frm);

    // Menu Outils "Remettre à zéro le fichier Emprunteurs".
    void Remettrezro1Click();
    // Menu Emprunteurs "Voir tous les livres déjà emprumtés".
    void Voirtousleslivresdjemprumts1Click();

private:
    app::TFrmPrin& m_frm;
};

}  // namespace pupils
