#pragma once
// The voice-comment icons of the book screen's "Compléments" tab, made once by
// placeComplementsVoiceIcons.
namespace ui {
class Image;
}

namespace loans {

struct BookCommentIcons {
    ui::Image& record;         // Image16 "Enregistrer un commentaire"
    ui::Image& recordLit;      // Image61, its highlighted copy
    ui::Image& recording;      // Image62
    ui::Image& stopRecording;  // Image18 "Stopper l'enregistrement"
    ui::Image& play;           // Image17 "Ecouter le commentaire"
    ui::Image& playLit;        // Image63, its highlighted copy
    ui::Image& playing;        // Image64
    ui::Image& stopPlaying;    // Image19 "Arrêter l'écoute"
};

}  // namespace loans
