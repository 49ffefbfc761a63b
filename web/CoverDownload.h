#pragma once
// Covers fetched from the web into the covers folder. A fetched file replaces the cover only
// when the server answered with success, the file is at least 1500 bytes (smaller answers are
// the sites' "no picture" marks) and it decodes as a picture; a PNG, GIF or WebP answer is
// stored converted to JPEG. Anything else leaves the existing cover as it was.
#include "platform/browser/WebTransfer.h"

namespace app {
class TFrmPrin;
}

namespace web {

class CoverDownload {
public:
    explicit CoverDownload(app::TFrmPrin& frm, browser::WebLimits limits = defaultLimits());

    // Stores the picture of `url` as the cover file `fileName` (a bare name ending in ".jpg");
    // whether it did. A name that is no file of the covers folder stores nothing. A site whose "no picture" mark is a picture names its size, `markSize`.
    bool DownloadCover(const QString& url, const QString& fileName, qint64 markSize = 0);

    static constexpr qint64 kMinimumSize = 1500;
    static browser::WebLimits defaultLimits();

private:
    app::TFrmPrin& m_frm;
    browser::WebTransfer m_transfer;
    browser::WebLimits m_limits;
};

}  // namespace web
