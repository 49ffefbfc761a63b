#pragma once
// Showing a borrower's photo, named as app/BorrowerPhotoFile.h names it.
#include "app/BorrowerPhotoFile.h"

#include <QString>

namespace app {
class TFrmPrin;
}
namespace ui {
class Image;
}

namespace loans {

// Shows the borrower's photo, or the placeholder when there is none. A file that is no picture is
// deleted, as it would fail at every showing; the placeholder is never deleted. True when the
// borrower's own photo is shown.
bool showBorrowerPhoto(app::TFrmPrin& frm, ui::Image& image, const QString& surname, const QString& firstName);

}  // namespace loans
