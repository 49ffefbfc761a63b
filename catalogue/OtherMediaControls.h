#pragma once
// The other-media screen's controls, made once by buildOtherMediaControls.
#include "platform/ui/ControlClasses.h"

namespace catalogue {

struct OtherMediaControls {
    ui::Panel& screen;             // Panel7
    ui::PageControl& tabs;         // PageControl3
    ui::TabSheet& entryTab;        // TabSheet12 "Essentiel"
    ui::TabSheet& complementsTab;  // TabSheet5 "Compléments"
    ui::TabSheet& tableTab;        // TabSheet6 "Tableau"
    ui::TabSheet& coverPageTab;    // TabSheet14 "Jaquettes"

    // The entry tab.
    ui::Edit& barcodeText;      // Edit24, the bar code as the label prints it
    ui::ComboBox& type;         // ComboBox6
    ui::Edit& code;             // Edit30
    ui::Button& search;         // Button32 "Rechercher"
    ui::Edit& title;            // Edit31
    ui::Edit& author;           // Edit32
    ui::Edit& publisher;        // Edit33
    ui::Edit& ean10;            // Edit38
    ui::Edit& owner;            // Edit37
    ui::Edit& price;            // Edit87
    ui::Edit& link;             // Edit34
    ui::Edit& pageCount;        // Edit88
    ui::Edit& published;        // Edit89
    ui::Edit& binding;          // Edit90
    ui::Edit& copies;           // Edit27
    ui::CheckBox& printBarcode;  // CheckBox34
    ui::Button& accept;         // Button33 "Accepter"
    ui::Button& cancel;         // Button34 "Annuler"
    ui::Image& foundCover;      // Image98
    // The page reader of the web look-up.
    ui::Panel& pageReader;      // WebBrowser5

    // The Compléments tab, bound to the table.
    ui::DBEdit& storedCode;         // DBEdit27
    ui::DBEdit& storedTitle;        // DBEdit26
    ui::DBComboBox& storedType;     // DBComboBox9
    ui::DBCheckBox& borrowable;     // DBCheckBox3
    ui::DBComboBox& storagePlace;   // DBComboBox10
    ui::DBEdit& coverName;          // DBEdit34
    ui::Button& newItem;            // Button28 "Nou&veau / Enregistrer"
    ui::Edit& barcodePreview;       // Edit20
    ui::Image& cover;               // Image12
    ui::Image& placePicture;        // Image13
    ui::Image& previous;            // Image96
    ui::Image& next;                // Image97

    // The Tableau tab.
    ui::DBGrid& grid;               // DBGrid2
    ui::Edit& directAccess;         // Edit128
    ui::Button& directAccessButton;  // Button10
    ui::Button& erase;              // Button37 "Effacer"

    ui::WebBrowser& coverPage;      // WebBrowser14
    // Beside the tabs: the copies already stored, and the accepted item's farewell.
    ui::RichEdit& storedCopies;     // RichEdit5
    ui::Image& farewell;            // Image26
};

}  // namespace catalogue
