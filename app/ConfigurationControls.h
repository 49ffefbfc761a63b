#pragma once
// The configuration screen's controls, made once by buildConfigurationControls.
#include "platform/ui/ControlClasses.h"

namespace app {

struct ConfigurationControls {
    ui::Panel& screen;                     // Panel16
    ui::Edit& administratorPassword;       // Edit65
    ui::Edit& administratorConfirmation;   // Edit66
    ui::Edit& teacherPassword;             // Edit68
    ui::Edit& teacherConfirmation;         // Edit69
    ui::CheckBox& animation;               // CheckBox7 "Effet animation"
    ui::CheckBox& automaticValidation;     // CheckBox36
    ui::CheckBox& browserAccess;           // CheckBox30
    ui::CheckBox& shareScannedPictures;    // CheckBox31
    ui::ComboBox& listFiles;               // ComboBox17
    ui::ComboBox& loanPeriod;              // ComboBox9
    // The label sheet's layout.
    ui::Edit& labelColumns;                // Edit79
    ui::Edit& columnSpacing;               // Edit80
    ui::Edit& lineSpacing;                 // Edit81
    ui::Edit& barcodeColour;               // Edit82
    // The web sources.
    ui::CheckBox& amazon;                  // CheckBox18
    ui::CheckBox& sharedBase;              // CheckBox38 "QvlBase"
    ui::CheckBox& chasseLivre;             // CheckBox19
    ui::CheckBox& dialogues;               // CheckBox37
    ui::CheckBox& decitre;                 // CheckBox15
    ui::CheckBox& bookFinder;              // CheckBox20
    // The school's FTP and mail accounts.
    ui::Edit& ftpPage;                     // Edit119
    ui::Edit& ftpHost;                     // Edit122
    ui::Edit& ftpUser;                     // Edit120
    ui::Edit& ftpPassword;                 // Edit121
    ui::Edit& mailAddress;                 // Edit23
    ui::Edit& mailPassword;                // Edit149
    ui::Edit& smtp;                        // Edit151
    ui::Button& ok;                        // Button63 "OK"
    ui::Button& cancel;                    // Button62 "Annuler"
};

}  // namespace app
