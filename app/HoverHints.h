#pragma once
// Hover and drag behaviours shared by the screens: the balloon hints of the book screen's help
// and delete buttons, and the floating panels the mouse drags within their screen.
namespace app {

class TFrmPrin;

class HoverHints {
public:
    // Every control it binds must be built (std::out_of_range): the whole program installs it
    // once its screens are there.
    explicit HoverHints(TFrmPrin& frm);

    void Button87Hint();
    void Button88MouseEnter();
    void Button59hint();

private:
    TFrmPrin& m_frm;
};

}  // namespace app
