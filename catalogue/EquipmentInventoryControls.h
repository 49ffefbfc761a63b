#pragma once
// The equipment inventory's controls, made once by buildEquipmentInventoryControls.
#include "platform/ui/ControlClasses.h"

namespace catalogue {

struct EquipmentInventoryControls {
    ui::Panel& screen;       // Panel3
    ui::DBEdit& photoName;   // DBEdit11
    ui::Button& previous;    // Button6 "<"
    ui::Button& next;        // Button5 ">"
    ui::Image& photo;        // Image1
};

}  // namespace catalogue
