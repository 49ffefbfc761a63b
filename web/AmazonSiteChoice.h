#pragma once
// The three flags of the book screen's entry tab that choose the Amazon site whose texts the
// page readers expect ("fr", "de" or "com"), each with a framed copy over it that marks the
// site chosen.
namespace app {
class TFrmPrin;
}

namespace web {

class AmazonSiteChoice {
public:
    explicit AmazonSiteChoice(app::TFrmPrin& frm);

    void Image74Click();
    void Image75Click();
    void Image76Click();

private:
    void choose(const char* site);

    app::TFrmPrin& m_frm;
};

}  // namespace web
