#pragma once
// The lists screen's controls, made once by buildLoanListsControls.
#include "platform/ui/ControlClasses.h"

namespace pupils {

struct LoanListsControls {
    ui::Panel& screen;               // Panel18
    ui::ComboBox& className;         // ComboBox10 "Classes"
    ui::Edit& bookNumber;            // Edit131 "N° livre"
    ui::Edit& bookTitle;             // Edit130 "Titre livre"
    ui::Edit& borrowerNumber;        // Edit117 "N° Emprunteur"
    ui::Button& booksOut;            // BitBtn5 "Liste des livres sortis texte"
    ui::Button& overdue;             // BitBtn7 "Liste des retours en retard texte (mails groupés)"
    ui::SpeedButton& withoutLoan;    // SpeedButton56 "0 livre"
    ui::Button& booksOutPictures;    // Button76 "Livres sortis + Images"
    ui::CheckBox& updateWebPage;     // CheckBox33 "Mise à jour pages Web"
    ui::Button& overduePictures;     // Button77 "Livres en retard + Images (mails groupés)"
    ui::Button& sendReminders;       // Button29 "Envoi des mails pour retard groupé"
    ui::Edit& mailAddress;           // Edit21
    ui::Edit& mailPassword;          // Edit22
    ui::Edit& smtp;                  // Edit150
    ui::Image& print;                // Image101
    ui::WebBrowser& page;            // WebBrowser11
};

}  // namespace pupils
