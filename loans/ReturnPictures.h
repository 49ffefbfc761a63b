#pragma once
// The pictures of the return screen: a copy's cover with the placeholder of its folder when
// the file is missing. Names come from rows; one that would leave its folder shows the
// placeholder.
namespace app {
class TFrmPrin;
}
namespace ui {
class Image;
}
class QString;

namespace loans {

// "livres\Jaquettes\" + the cover name, else that folder's "No_picture.jpg".
void showReturnCover(app::TFrmPrin& frm, ui::Image& image, const QString& coverName);
// A picture of the program folder, when the file exists; false when it does not.
bool showPictureIfExists(app::TFrmPrin& frm, ui::Image& image, const QString& windowsPath);

}  // namespace loans
