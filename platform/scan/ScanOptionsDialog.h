#pragma once
// A scanner's own dialog: its resolution, mode and scan area, filled with the device's
// defaults; "Numériser" scans with them, "Annuler" closes the scanner.
#include "platform/scan/ImageSource.h"

#include <QStringList>
#include <array>
#include <optional>

namespace ui {
class Button;
class ComboBox;
class Edit;
class Label;
}  // namespace ui

namespace scan {

// What the device offers; an option the device lacks is left out of the dialog.
struct ScanChoices {
    std::optional<QStringList> resolutions;  // the device's values, or common ones within its range
    QString resolution;
    std::optional<QStringList> modes;
    QString mode;
    // Left, top, right, bottom, in areaUnit; none when the device has no area.
    std::optional<std::array<double, 4>> area;
    QString areaUnit;  // "mm" or "pixels"
};

class ScanOptionsDialog : public SourceDialog {
public:
    ScanOptionsDialog(ui::Application& application, const QString& deviceLabel, const ScanChoices& choices);

    // The values as the user left them; nullopt for an option not offered or not a number.
    std::optional<double> resolution() const;
    std::optional<QString> mode() const;
    std::optional<double> areaEdge(int edge) const;

    ui::ComboBox* ResolutionBox = nullptr;
    ui::ComboBox* ModeBox = nullptr;
    std::array<ui::Edit*, 4> AreaEdits{};
    ui::Button* ScanButton = nullptr;
    ui::Button* CancelButton = nullptr;
};

}  // namespace scan
