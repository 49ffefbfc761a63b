#pragma once
// The book screen's controls, made once by buildBookEntryControls: the page control with its
// tabs, the entry tab "Essentiel", the "Compléments" tab, and below the tabs the cover strip and
// the fields that persist from one book to the next.
#include "catalogue/ComplementsControls.h"
#include "platform/ui/ControlClasses.h"

#include <array>

namespace catalogue {

struct BookEntryControls {
    ui::Panel& screen;             // Panel4
    ui::PageControl& tabs;         // PageControl1
    ui::TabSheet& entryTab;        // TabSheet7 "Essentiel"
    ui::TabSheet& complementsTab;  // TabSheet2 "Compléments"
    ui::TabSheet& tableTab;        // TabSheet1 "Tableau"

    // The entry tab.
    ui::Label& codeCaption;        // Label12
    ui::Edit& code;                // Edit1
    ui::SpeedButton& codeHelp;     // SpeedButton4 "?"
    ui::SpeedButton& manualEntry;  // SpeedButton18 "Saisie manuelle"
    ui::SpeedButton& codeEntry;    // SpeedButton19 "Saisie par code"
    ui::SpeedButton& newEntry;     // SpeedButton22 "Nouvelle saisie"
    ui::SpeedButton& correct;      // SpeedButton21 "Corriger"
    ui::SpeedButton& titleSearch;  // SpeedButton2 "Recherche sur titre"
    ui::Button& help;              // Button87
    ui::Button& nextIsbn;          // Button31 "ISBN Suivant"
    ui::Edit& title;               // Edit4
    ui::Edit& author;              // Edit5
    ui::Edit& publisher;           // Edit12
    // Ticked: the title search on the web also carries the author, the publisher.
    ui::CheckBox& searchAuthor;    // CheckBox13
    ui::CheckBox& searchPublisher; // CheckBox14
    ui::Edit& published;           // Edit6
    ui::Edit& pageCount;           // Edit7
    ui::Edit& binding;             // Edit91
    ui::Edit& price;               // Edit92
    ui::Edit& isbn13;              // Edit10, also the copy number of a book without a code
    ui::Edit& isbn10;              // Edit2
    ui::SpeedButton& deweySearch;  // SpeedButton43 "Recherche Dewey"
    ui::Edit& dewey;               // Edit95
    ui::Edit& coverName;           // Edit61
    ui::Edit& barcode;             // Edit84, in the bar code font
    ui::RichEdit& summary;         // RichEdit4
    ui::Edit& copiesToSave;        // Edit15
    ui::CheckBox& printBarcode;    // CheckBox1
    ui::Label& copyCount;          // Label183
    ui::Label& lastCopyNumber;     // Label182
    ui::SpeedButton& save;         // SpeedButton20 "Enregistrer"
    ui::Image& foundCover;         // Image99
    ui::Gauge& progress;           // Gauge2
    ui::Memo& pageSource;          // MemoSource
    // The page reader of the web look-up, and the small view of a cover just scanned.
    ui::Panel& pageReader;         // WebBrowserSniff
    ui::WebBrowser& coverView;     // WebBrowser1
    ui::Panel& searching;          // Panel19 "Recherche en cours"
    ui::Label& searchingText;      // Label155
    ui::SpeedButton& stopSearch;   // SpeedButton41 "Stop recherche"
    // The issue number of a periodical, asked over the fields.
    ui::Panel& issuePanel;         // NumJourno
    ui::Edit& issueNumber;         // Edit97
    ui::Button& issueOk;           // Button90 "OK"

    ComplementsControls complements;

    // Below the tabs: the cover strip, newest first, and the fields that persist.
    std::array<ui::Image*, 6> strip;  // Image20–Image25
    ui::ComboBox& storagePlace;       // ComboBox11
    ui::ComboBox& genre;              // ComboBox12
    ui::Edit& owner;                  // Edit25
    ui::Edit& theme;                  // Edit26
    // The address of the last cover fetched from the shared base or a picture server.
    ui::Edit& coverAddress;           // Edit116
    // The log of the page fetches and of the books table repair.
    ui::RichEdit& log;                // RichEdit7
    // A page view with its status bar, right of the tabs.
    ui::WebBrowser& downloadView;     // WebBrowser13
    ui::StatusBar& downloadStatus;    // StatusBar2
};

}  // namespace catalogue
