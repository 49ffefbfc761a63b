#pragma once
// The loan screen's controls, made once by buildLoanScreen.
#include "platform/ui/ControlClasses.h"

#include <array>

namespace loans {

struct LoanControls {
    ui::Panel& screen;        // Panel14
    ui::Label& codeLabel;     // Label81 "N° ISBN"
    ui::Edit& code;           // Edit39
    ui::Edit& copyNumber;     // Edit133
    ui::Edit& issue;          // Edit100, a periodical's issue number
    ui::Label& titleLabel;    // Label82
    ui::Edit& title;          // Edit40
    ui::Edit& author;         // Edit136
    ui::Edit& genre;          // Edit138
    ui::Edit& place;          // Edit139, the storage place
    ui::Label& borrowerLabel; // Label83 "N° Emprunteur"
    ui::Edit& borrower;       // Edit41
    ui::Edit& batchBorrower;  // Edit156, the borrower a batch of loans goes to
    ui::Edit& surname;        // Edit43
    ui::Edit& firstName;      // Edit42
    ui::Label& classLabel;    // Label87
    ui::Edit& className;      // Edit44
    ui::Edit& loanCount;      // Edit111 "Nbre livres empruntés"
    ui::Edit& overdueCount;   // Edit112 "Nbre livres en retard"
    ui::Edit& returnDate;     // Edit46
    ui::Edit& bookBarcode;    // Edit45, in the EAN-13 font
    ui::Edit& cardBarcode;    // Edit47, in the code 39 font
    ui::Button& search;       // Button41 "Rechercher"
    ui::Button& lend;         // Button40 "Emprunter"
    ui::Button& cancel;       // Button39 "Annuler"
    ui::Button& forgotNumber; // Button42 "j'ai oublié mon N°"
    ui::Button& findNumber;   // Button43 "Cherche N°"
    ui::Button& cancelFind;   // Button44 "Annuler"
    ui::Button& applyPeriod;  // Button45 "Durée du prêt"
    ui::ComboBox& period;     // ComboBox7
    ui::CheckBox& batch;      // CheckBox16 "Emprunts par lot"
    ui::Button& history;      // SpeedButton42 "Historique des emprunts"
    ui::Button& nextEmergency;      // SpeedButton54 "Emprunt Urgence suivant"
    ui::Button& pupilsWithoutLoan;  // SpeedButton57 "0 livre"
    ui::Button& coverSearch;        // Button11 "Image Amazon"
    ui::Image& cover;               // Image31
    ui::Image& photo;               // Image32
    std::array<ui::Image*, 2> noPhoto;     // Image33, Image34: shown when the borrower has no photo
    std::array<ui::Image*, 4> stripCovers; // Image105–Image108: the first four books out
    ui::Image& notLendable;         // Image109
    ui::Image& playComment;         // Image55 "Ecouter le commentaire"
    ui::Image& playCommentLit;      // Image65, its highlighted copy
    ui::Image& playing;             // Image66
    ui::Image& stopPlaying;         // Image56 "Arrêter l'écoute"
    ui::Image& bookComment;         // Image44, the comment of the book just searched
};

}  // namespace loans
