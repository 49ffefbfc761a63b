#pragma once
// The book screen (Panel4) and its entry tab "Essentiel": its three openers, the code field's
// control words, the entry-mode buttons, the Dewey classification, the hover hints and the
// cover strip. The save of the tab is BookSave; the look-up of a code is the web look-up's.
#include "catalogue/BookEntryControls.h"
#include "platform/ui/Picture.h"

#include <QSizeF>
#include <QString>

namespace app {
class TFrmPrin;
}
namespace ui {
class Image;
}

namespace catalogue {

class BookEntryScreen {
public:
    // Binds its handlers to the screen's controls and on the main window.
    BookEntryScreen(app::TFrmPrin& frm, const BookEntryControls& controls);

    const BookEntryControls& controls() const { return m_controls; }

    // Menu Livres > "Nouveaux livres" and the toolbar's "Ajouter des livres".
    void Nouveaux3Click();
    // The end of a login.
    void OpenBookScreen();
    // The loan screen's way in for a book the catalogue does not hold: its code is looked up at
    // once, and the next save returns to the loan screen.
    void OpenBookScreenWithCode();

    void Edit1Change();
    void SpeedButton18Click();
    void SpeedButton19Click();
    void SpeedButton21Click();
    void SpeedButton22Click();
    void Button72Click();
    void SpeedButton43Click();

    // The six covers below the tabs, from the table's current row backwards; afterwards the
    // current row is the one it started from.
    void CoverStripRefresh();

    // Manual entry is on while "Saisie par code" is offered.
    bool manualEntry() const;

    // The current copy's large cover on the Compléments tab; the crop scale is kept when asked.
    void showLargeCover(bool storeCropScale);
    // The picture of the current copy's storage place.
    void showStoragePlace();
    // How a strip slot treats a cover file that is there but broken. By default it is deleted and
    // the placeholder shown; an empty file, which a failed download leaves, can be deleted before
    // it is read; paging back names a broken file to the librarian, deletes it and gives the slot
    // the picture loaded before it. A file refused for a bound of the decoder always stays, and
    // the placeholder is shown.
    enum class StripFile { Plain, EmptyDeleted, UnreadableReported };
    // A strip slot's cover for a copy's cover name (cut to 30 characters). Returns the name
    // finally shown.
    QString showStripCover(ui::Image& slot, const QString& coverName, StripFile handling = StripFile::Plain,
                           const ui::PicturePtr& loadedBefore = nullptr);

    // State the screen keeps between its handlers.
    int ActiveBookTab = 0;
    bool ReturnToLoanScreen = false;
    int CarryOverForward = 0;
    // Pixel size of the large cover and its ratios to the cover frame, for the cover crop.
    QSize CoverCropSize;
    QSizeF CoverCropScale;
    // Records the size of the large cover now shown and its ratios to the cover frame.
    void recordCoverCropScale(QSize pictureSize);

private:
    enum class Opener { Menu, Login, LoanScreen };
    void open(Opener opener);
    void bindHoverHints();

    app::TFrmPrin& m_frm;
    BookEntryControls m_controls;
};

// Loads a cover into a picture, as every cover of the screen is shown: a broken file is deleted
// and the placeholder shown instead; a picture the decoder refuses for a bound of its own stays,
// behind the placeholder. The placeholders are never deleted; when one of them cannot be read
// the picture is left empty. Returns the name finally shown.
QString showCoverFile(app::TFrmPrin& frm, ui::Image& image, const QString& folder, const QString& name,
                      const QString& placeholder);

}  // namespace catalogue
