#pragma once
// The loan history: a folder per pupil under "Historique_emprunt\" (under his class's folder
// when he has a class), where every return files the cover of the title given back; and the
// loan screen's "Historique des emprunts", which shows the folder of the pupil on screen.
#include <QString>

namespace app {
class TFrmPrin;
}

namespace loans {

// "Historique_emprunt\" + class + "\" + surname + "." + first name, or without the class level
// when the class is empty: a path under the program folder. No name can climb out of the folder.
QString loanHistoryFolder(const QString& className, const QString& surname, const QString& firstName);

class LoanScreen;

class LoanHistoryButton {
public:
    LoanHistoryButton(app::TFrmPrin& frm, const LoanScreen& screen);

    void SpeedButton42Click();

private:
    app::TFrmPrin& m_frm;
    const LoanScreen& m_screen;
};

}  // namespace loans
