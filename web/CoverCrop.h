#pragma once
// The crop of the cover on the Compléments tab: a rectangle dragged over the large cover becomes
// the copy's cover, and "Annuler image recadrée" puts the picture from before the crop back.
#include <QPoint>
#include <QString>

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}
namespace ui {
class Edit;
class FocusFrame;
class Image;
}  // namespace ui

namespace web {

class CoverCrop {
public:
    CoverCrop(app::TFrmPrin& frm, const catalogue::BookEntryControls& entry);

    void Image3MouseEnter();
    void Image3MouseDown(int x, int y);
    void Image3MouseMove(int x, int y);
    void Image3MouseUp(int x, int y);
    void SpeedButton44Click();

    // The part of the cropped cover (a picture of the scratch picture's size) that the
    // selection is stretched into.
    static constexpr QPoint kStretchedCorner{314, 405};
    // How far beyond the cover's frame a release still counts, in display coordinates.
    static constexpr QPoint kReleaseLimit{325, 414};
    // A selection this narrow or low (display pixels) is a click, which crops nothing.
    static constexpr int kSmallestSelection = 3;

private:
    // The copy's own cover file; empty when the copy has none (the placeholder is never cropped).
    QString ownCoverName() const;
    // Shows the selection from StartPlace to EndPlace over the cover while the button is held.
    void showSelection();
    // The two coordinate boxes of the Compléments tab.
    void showCoordinates(const QString& first, const QString& second);

    app::TFrmPrin& m_frm;
    ui::Image& m_cover;
    ui::Image& m_scratch;
    // Made here, on the Compléments tab and over the cover.
    ui::Edit* m_firstCorner = nullptr;
    ui::Edit* m_secondCorner = nullptr;
    ui::FocusFrame* m_selection = nullptr;
    bool Capturing = false;
    QPoint StartPlace;
    QPoint EndPlace;
    // The cover whose picture the undo copy holds; empty when there is nothing to undo.
    QString m_undoCover;
};

}  // namespace web
