#pragma once
// Hover and drag behaviours shared by the screens: the balloon hints of the book screen's help
// and delete buttons, and the floating panels the mouse drags within their screen.
namespace app {

class TFrmPrin;

class HoverHints {
public:
    // Binds the controls that are built.
    explicit HoverHints(TFrmPrin& frm);

    void Button87Hint();
    void Button88MouseEnter();
    void Button59hint();

private:
    TFrmPrin& m_frm;
};

}  // namespace app
