#pragma once
// The screen of the other-media and equipment catalogues (Panel9): the menu commands build a
// first page with fixed picture sizes, each "OK" builds it again with the typed title and sizes.
#include "exchange/MediaCataloguesControls.h"

#include <QString>

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}

namespace exchange {

struct PictureSize;

class MediaCataloguesScreen {
public:
    // The screen is shown with the book screen `book` on its "Essentiel" page.
    MediaCataloguesScreen(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, MediaCataloguesControls controls);

    const MediaCataloguesControls& controls() const { return m_controls; }

    void C1Click();
    void Button26Click();
    void CatalogueHtml2Click();
    void Button27Click();
    void Button86Click();

private:
    void showScreen(bool equipment);
    void buildOtherMedia(const QString& heading, const PictureSize& size);
    void buildEquipment(const PictureSize& size, bool placeAndRemarks);

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    MediaCataloguesControls m_controls;
};

}  // namespace exchange
