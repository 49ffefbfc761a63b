#pragma once
// Push buttons. A focused button takes Enter itself; otherwise Enter typed anywhere in the form
// presses the default button while it can take the focus (it and its parents shown and
// enabled). A click moves the focus to the button, as in the library.
#include "platform/ui/Picture.h"
#include "platform/ui/WinControl.h"

namespace ui {

enum class ModalResult;

class Button : public WinControl {
public:
    Button(Form& form, const QString& name);

    bool isDefault() const { return m_default; }
    void setDefault(bool isDefault);

    // Given to the form when the button is clicked (ends a modal form's loop).
    ModalResult modalResult() const { return m_modalResult; }
    void setModalResult(ModalResult result) { m_modalResult = result; }

    // Sets the form's modal result when the button has one, then OnClick.
    void click() override;

protected:
    bool isButton() const override { return true; }
    bool takesFocusOnClick() const override { return true; }
    bool clicksOnDoublePress() const override { return true; }

private:
    bool m_default = false;
    ModalResult m_modalResult;
};

// A push button with a picture beside its caption.
class BitBtn : public Button {
public:
    BitBtn(Form& form, const QString& name);

    const PicturePtr& glyph() const { return m_glyph; }
    void setGlyph(PicturePtr glyph);

private:
    PicturePtr m_glyph;
};

}  // namespace ui
