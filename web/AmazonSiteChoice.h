#pragma once
// The three flags of the book screen's entry tab that choose the Amazon site whose texts the
// page readers expect ("fr", "de" or "com"), each with a framed copy over it that marks the
// site chosen.
#include <array>

namespace app {
class TFrmPrin;
}
namespace ui {
class Image;
class TabSheet;
}  // namespace ui

namespace web {

class AmazonSiteChoice {
public:
    // The flags are made on the entry tab.
    AmazonSiteChoice(app::TFrmPrin& frm, ui::TabSheet& entryTab);

    void Image74Click();
    void Image75Click();
    void Image76Click();

private:
    void choose(const char* site);

    app::TFrmPrin& m_frm;
    // The markers of the French, German and American sites: Image71–Image73.
    std::array<ui::Image*, 3> m_markers{};
};

}  // namespace web
