#pragma once
// The hidden browser of the book-entry screen: the page readers load a page into it and read
// its title, body text and body HTML. What a reader read is also written into dump files of the
// program folder, so that a site's changed page can be looked at after a failed look-up.
#include "platform/browser/PageView.h"

namespace app {
class TFrmPrin;
}

namespace web {

class PageFetch {
public:
    explicit PageFetch(app::TFrmPrin& frm, browser::WebLimits limits = {});

    // Returns once the page is there, or the cancelled-navigation page when none came within
    // the limits; the window's messages flow meanwhile.
    void NavigateSniffAndWait(const QString& url);
    // The same wait for the cover buttons, which leave the look-up's progress field alone.
    void NavigateSniffAndWaitBusy(const QString& url) { m_view.navigate(url); }
    const browser::PageView& page() const { return m_view; }

    // Rewrites the dump file `fileName` of the program folder (UTF-8, the page's own text).
    void dump(const QString& fileName, const QString& text) const;

private:
    app::TFrmPrin& m_frm;
    browser::PageView m_view;
};

}  // namespace web
