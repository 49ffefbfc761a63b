#pragma once
// The borrower cards screen's controls, made once by buildBorrowerCardsControls.
#include "platform/ui/ControlClasses.h"

namespace pupils {

struct BorrowerCardsControls {
    ui::Panel& screen;            // Panel17
    ui::Button& allCards;         // Button65 "Afficher les cartes emprunteur"
    ui::Button& newCards;         // BitBtn9 "Afficher que les nouvelles cartes emprunteur"
    ui::ComboBox& className;      // ComboBox8
    ui::Edit& schoolYear;         // Edit96 "Année scolaire"
    ui::Edit& borrowerNumber;     // Edit129, for a single card
    ui::CheckBox& showClass;      // CheckBox32 "Afficher La classe sur la carte emprunteur "
    ui::CheckBox& bySurname;      // CheckBox42 "Ordre alpha nom de famille"
    ui::CheckBox& noDigits;       // CheckBox21 "Pas de chiffres sous les codes barres"
    ui::Edit& pictureHeight;      // Edit109
    ui::Edit& pictureWidth;       // Edit110
    ui::Edit& cardsPerPage;       // Edit83
    ui::Image& preview;           // Image40
    ui::Image& print;             // Image60
    ui::Image& wordProcessor;     // Image78
    ui::WebBrowser& page;         // WebBrowser9
};

}  // namespace pupils
