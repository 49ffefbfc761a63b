#pragma once
// The buttons that fetch a cover for the book on screen from one source: "Image Amazon" of the
// loan and return screens reads the French Amazon product page and stores its picture;
// "ChasseLivresISBN" of the Compléments tab opens the price site's search in the web result
// panel, where the librarian takes the picture with the panel's own button.
#include "platform/ui/Picture.h"

#include <QString>

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}

namespace web {

class CoverDownload;
class PageFetch;
struct WebResultControls;

class CoverButtons {
public:
    CoverButtons(app::TFrmPrin& frm, const catalogue::BookEntryControls& entry, const WebResultControls& panel,
                 PageFetch& pages, CoverDownload& covers);

    void SpeedButton33Click();
    void SpeedButton58Click();

private:
    // The loan and return screens show a scanned code: its copy becomes the table's current
    // one. False when the catalogue has no copy of it.
    bool selectBookOnScreen();
    void LoadCurrentCover();
    // The product page's first picture of the store's hosts; false with the reason shown when
    // the page has none.
    bool fetchFromProductPage(const QString& productNumber);
    void fetchFromPageText(const QString& productNumber);
    void FetchCoverPicture(const QString& url);
    void repairCoverName();
    void setLink(const QString& address);
    QString bookField(const char* name) const;
    void OpenWebPanelForBook();
    void postPlaceholderName();

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_entry;
    const WebResultControls& m_panel;
    PageFetch& m_pages;
    CoverDownload& m_covers;
    bool m_coverFound = false;
    // The cover the book had when the button was pressed; none when it had none.
    ui::PicturePtr m_currentCover;
};

}  // namespace web
