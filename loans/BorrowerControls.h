#pragma once
// The borrower screen's controls, made once by buildBorrowerScreen.
#include "platform/ui/ControlClasses.h"

namespace loans {

struct BorrowerControls {
    ui::Panel& screen;          // Panel2
    // A new borrower's entry fields.
    ui::Edit& surname;          // Edit9 "NOM"
    ui::Edit& firstName;        // Edit11
    ui::Edit& className;        // Edit13
    ui::Edit& school;           // Edit105
    ui::Edit& mail;             // Edit106
    ui::Edit& address;          // Edit141
    ui::Edit& town;             // Edit142
    ui::Edit& country;          // Edit143
    ui::Edit& year;             // Edit144
    ui::Edit& fee;              // Edit145 "Cotisation"
    ui::Button& add;            // Button4 "Ajouter"
    // The current borrower.
    ui::DBEdit& currentNumber;     // DBEdit25
    ui::DBEdit& currentSurname;    // DBEdit22
    ui::DBEdit& currentFirstName;  // DBEdit23
    ui::Button& previous;          // Button15 "<"
    ui::Button& next;              // Button16 ">"
    ui::DBNavigator& navigator;    // DBNavigator3
    ui::Image& photo;              // Image11
    ui::Image& takePhoto;          // Image10 "Prendre une photo"
    ui::Image& chooseWebcam;       // Image9 "Choisir la webcam"
    ui::Button& choosePicture;     // Button80 "Ou choisir une image déjà enregistrée"
    ui::Button& pickPicture;       // Button79 "Lancer un choix automatique d'image"
    ui::DBGrid& grid;              // DBGrid3
    ui::Gauge& progress;           // Gauge4, the imports' progress
};

}  // namespace loans
