#pragma once
// The equipment inventory's controls, made once by buildEquipmentInventoryControls.
namespace ui {
class Button;
class DBEdit;
class Image;
class Panel;
}  // namespace ui

namespace catalogue {

struct EquipmentInventoryControls {
    ui::Panel& screen;       // Panel3
    ui::DBEdit& photoName;   // DBEdit11
    ui::Button& previous;    // Button6 "<"
    ui::Button& next;        // Button5 ">"
    ui::Image& photo;        // Image1
};

}  // namespace catalogue
