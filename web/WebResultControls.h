#pragma once
// The web result panel's controls, made once by buildWebResultPanel.
#include "platform/ui/ControlClasses.h"

#include <array>

namespace web {

struct WebResultControls {
    ui::Panel& panel;          // Panel21
    ui::SpeedButton& back;     // SpeedButton27 "<"
    ui::SpeedButton& forward;  // SpeedButton28 ">"
    ui::Edit& address;         // Edit99
    ui::SpeedButton& go;       // SpeedButton29 "Aller"
    ui::SpeedButton& close;    // SpeedButton30 "Fermer"
    // The words of the search: title, author, publisher, cover file.
    ui::Edit& titleWords;         // Edit155
    ui::Edit& authorWords;        // Edit154
    ui::Edit& publisherWords;     // Edit153
    ui::Edit& coverWords;         // Edit152
    ui::WebBrowser& oldView;      // WebBrowser6
    ui::WebBrowser& view;         // EdgeBrowser3
    ui::BitBtn& readPage;         // BitBtn2 "Lire la page"
    ui::BitBtn& schoolPublisher;  // BitBtn3 "Ecole des loisirs"
    ui::SpeedButton& takePage;    // SpeedButton3 "Prendre la page"
    ui::Memo& pageText;           // Memo9
    // The sign-in warning.
    ui::Panel& signInWarning;     // Panel22
    ui::CheckBox& signInChecked;  // CheckBox17 "Ne plus afficher cet avertissement"
    ui::SpeedButton& signInOk;    // SpeedButton1 "OK"
};

}  // namespace web
