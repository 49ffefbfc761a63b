#pragma once
// The return screen (Panel15) at its places: the code, copy-number, issue and borrower fields,
// the result fields, the buttons whose places the screen's simulated clicks aim at, the cover,
// the photo, the shelf picture, the candidates panel with its 14 rows, the cover strip, the
// five photo slots and the voice-comment icons.
#include <QRect>
#include <array>

namespace app {
class TFrmPrin;
}

namespace loans {

namespace returnLayout {
constexpr QRect kCover(460, 145, 400, 550);
// Where the cover goes once its copy is back.
constexpr QRect kCoverAfterReturn(460, 650, 20, 20);
constexpr QRect kShelfPicture(630, 485, 230, 200);
}  // namespace returnLayout

// Rows 1 to 14 of the candidates panel, strip slots 1 to 4, photo slots 1 to 5.
inline constexpr std::array<const char*, 14> kReturnListRows = {
    "Label198", "Label199", "Label200", "Label201", "Label202", "Label203", "Label204",
    "Label205", "Label206", "Label217", "Label218", "Label219", "Label220", "Label221"};
inline constexpr std::array<const char*, 4> kReturnStripSlots = {"Image89", "Image92", "Image110", "Image42"};
inline constexpr std::array<const char*, 5> kReturnPhotoSlots = {"Image35", "Image36", "Image38", "Image39", "Image41"};
// The result fields: title, author, genre, storage place.
inline constexpr std::array<const char*, 4> kReturnBookFields = {"Edit53", "Edit135", "Edit137", "Edit140"};

void buildReturnScreen(app::TFrmPrin& frm);

}  // namespace loans
