#pragma once
// The scan sequence every scanning screen shares: acquire from the default source, paint the
// first image into the screen's picture, release every image, then store the picture as a JPEG
// scaled to its longer side (WideSize for a landscape picture, OtherSize otherwise) at quality
// 60. Also the source choice of every "choose the scanner / webcam" control.
#include "platform/scan/Twain.h"

#include <QString>

namespace app {
class TFrmPrin;
}
namespace ui {
class Image;
}

namespace acquisition {

class ScanSequence {
public:
    explicit ScanSequence(app::TFrmPrin& frm);

    // Image6Click, Image58Click, SpeedButton24Click, SpeedButton26Click: the list of sources,
    // whose choice every later scan opens.
    void chooseSource();

    // Acquires; with no image says the count followed by "pas de scanner". Otherwise image 0
    // becomes the picture of `picture` and every image is released. The image count.
    int acquireInto(ui::Image& picture);
    // Shows successText, then writes picture's picture scaled as folder + name + ".jpg" under
    // the program folder, replacing a file of that name; the scaled picture is shown unless the
    // screen keeps the scan. False when the file could not be written or the name is no file of
    // the folder (said so).
    bool storeScan(ui::Image& picture, const QString& folder, const QString& name, int wideSize, int otherSize,
                   const QString& successText, bool showScaled = true);
    // Both: whether a picture was stored.
    bool ScanToJpegFile(ui::Image& picture, const QString& folder, const QString& name, int wideSize, int otherSize,
                        const QString& successText, bool showScaled = true);

    // The success text of most screens: the count followed by "scanner" (1scanner).
    static QString countText(int count) { return QString::number(count) + QStringLiteral("scanner"); }

    scan::Twain& twain() { return m_twain; }

private:
    app::TFrmPrin& m_frm;
    scan::Twain m_twain;
};

}  // namespace acquisition
