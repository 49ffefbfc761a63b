#pragma once
// The web result panel over the book screen: the page a search opened in its web view, the
// address box with back, forward and go, the close button, the words of the search, the
// buttons that take the page into the book, and the sign-in warning.
#include "web/WebResultControls.h"

namespace app {
class TFrmPrin;
}

namespace web {

class WebResultPanel {
public:
    WebResultPanel(app::TFrmPrin& frm, const WebResultControls& controls);

    const WebResultControls& controls() const { return m_controls; }

    void SpeedButton27Click();
    void SpeedButton28Click();
    void SpeedButton29Click();
    void SpeedButton30Click();
    void SpeedButton1Click();
    void CheckBox17Click();

private:
    app::TFrmPrin& m_frm;
    WebResultControls m_controls;
};

}  // namespace web
