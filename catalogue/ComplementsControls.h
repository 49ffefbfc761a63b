#pragma once
// The "Compléments" tab's controls, made once by buildComplementsTab: the current copy's fields,
// its summary and descriptors, the keyword boxes, the pictures and the navigation bar.
#include "platform/ui/ControlClasses.h"

#include <array>

namespace catalogue {

struct ComplementsControls {
    // The copy's own fields, bound to the book screen's table.
    ui::DBEdit& title;         // DBEdit1
    ui::DBEdit& author;        // DBEdit38
    ui::DBEdit& publisher;     // DBEdit42
    ui::DBEdit& isbn13;        // DBEdit2
    ui::DBEdit& copyNumber;    // DBEdit3
    ui::DBEdit& isbn10;        // DBEdit30
    ui::DBEdit& owner;         // DBEdit36
    ui::DBEdit& theme;         // DBEdit37
    ui::DBEdit& coverName;     // DBEdit39
    ui::DBEdit& teachingLink;  // DBEdit43
    ui::DBComboBox& place;     // DBComboBox6
    ui::DBComboBox& type;      // DBComboBox7
    ui::DBComboBox& genre;     // DBComboBox8
    ui::DBMemo& summary;       // DBMemo1
    // The summary with the search term marked, over the plain one.
    ui::RichEdit& markedSummary;  // RichEdit3
    ui::DBEdit& descriptors;      // DBEdit29
    // Descripteur1, Descripteur2, Descripteur3 and Dewey, which add to the descriptors.
    std::array<ui::ComboBox*, 4> keywords;  // ComboBox1–ComboBox4
    ui::DBCheckBox& borrowable;             // DBCheckBox1 "Empruntable"
    ui::DBCheckBox& printBarcode;           // DBCheckBox4
    ui::Image& placePicture;                // Image2
    ui::Panel& coverFrame;                  // Panel27
    // The cover tools' scratch picture, under the cover.
    ui::Image& coverScratch;                // Image87
    ui::Image& cover;                       // Image3
    ui::Button& tip;                        // Button88 "Astuce"
    ui::SpeedButton& amazonCover;           // SpeedButton33 "Image Amazon"
    ui::SpeedButton& booksellers;           // SpeedButton11 "Libraires en ligne"
    // The navigation bar and the save of the tab's values.
    ui::SpeedButton& first;       // SpeedButton6
    ui::SpeedButton& backSix;     // SpeedButton14
    ui::SpeedButton& previous;    // SpeedButton15
    ui::SpeedButton& next;        // SpeedButton16
    ui::SpeedButton& forwardSix;  // SpeedButton13
    ui::SpeedButton& last;        // SpeedButton5
    ui::SpeedButton& save;        // SpeedButton47
};

}  // namespace catalogue
