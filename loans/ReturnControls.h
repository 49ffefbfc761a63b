#pragma once
// The return screen's controls, made once by buildReturnScreen.
#include "platform/ui/ControlClasses.h"

#include <array>

namespace loans {

struct ReturnControls {
    ui::Panel& screen;          // Panel15
    ui::Edit& code;             // Edit48
    ui::Edit& issue;            // Edit101, a periodical's issue number
    ui::Edit& copyNumber;       // Edit134
    ui::Label& borrowerLabel;   // Label91
    ui::Edit& borrower;         // Edit49
    ui::Label& surnameLabel;    // Label92
    ui::Edit& surname;          // Edit50
    ui::Label& firstNameLabel;  // Label93
    ui::Edit& firstName;        // Edit51
    ui::Label& classLabel;      // Label94
    ui::Edit& className;        // Edit52
    ui::Label& titleLabel;      // Label95
    ui::Edit& title;            // Edit53
    ui::Label& authorLabel;     // Label212
    ui::Edit& author;           // Edit135
    ui::Label& genreLabel;      // Label214
    ui::Edit& genre;            // Edit137
    ui::Edit& place;            // Edit140, the storage place
    ui::Label& dueDateLabel;    // Label207
    ui::Edit& dueDate;          // Edit132
    ui::Edit& holders;          // Edit54, the holders found
    ui::Button& search;         // Button46 "Chercher"
    ui::Button& cancel;         // Button49 "Annuler"
    ui::Button& store;          // Button48 "Rangement"
    ui::Button& coverSearch;    // Button24 "Image Amazon"
    ui::CheckBox& autoReturn;   // CheckBox39 "Traitement par lots validation auto"
    ui::Image& cover;           // Image45
    ui::Image& photo;           // Image46
    ui::Image& shelfPicture;    // Image47
    std::array<ui::Image*, 4> stripCovers;  // Image89, Image92, Image110, Image42
    std::array<ui::Image*, 5> photoSlots;   // Image35, Image36, Image38, Image39, Image41
    ui::Panel& listPanel;                   // Panel23, the holders of a title or a pupil's loans
    ui::Label& listHeading;                 // Label197
    std::array<ui::Label*, 14> listRows;    // Label198–Label206, Label217–Label221
    ui::Image& record;          // Image51 "Enregistrer un commentaire"
    ui::Image& recordLit;       // Image67, its highlighted copy
    ui::Image& recording;       // Image68
    ui::Image& stopRecording;   // Image53 "Stopper l'enregistrement"
    ui::Image& play;            // Image52 "Ecouter le commentaire"
    ui::Image& playLit;         // Image69, its highlighted copy
    ui::Image& playing;         // Image70
    ui::Image& stopPlaying;     // Image54 "Arrêter l'écoute"
};

// Title, author, genre and storage place of the copy found.
inline std::array<ui::Edit*, 4> bookFields(const ReturnControls& c)
{
    return {&c.title, &c.author, &c.genre, &c.place};
}

}  // namespace loans
