#pragma once
// The loan screen's controls at their designed places inside Panel14. The screen points the
// mouse at "Rechercher" and "Emprunter" by window offsets, so those two keep their places.
namespace app {
class TFrmPrin;
}

namespace loans {

// The covers of the first four books a borrower has out.
inline constexpr const char* kLoanStripSlots[] = {"Image105", "Image106", "Image107", "Image108"};
// Title, author, genre and storage place of the copy found.
inline constexpr const char* kLoanBookFields[] = {"Edit40", "Edit136", "Edit138", "Edit139"};

void buildLoanScreen(app::TFrmPrin& frm);

}  // namespace loans
