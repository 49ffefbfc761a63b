#pragma once
// The tool bar: a cool bar holding a tool bar whose buttons lie from left to right in the order
// they were added; a hidden button takes no room. Tool buttons never take the focus.
#include "platform/ui/Control.h"
#include "platform/ui/Picture.h"
#include "platform/ui/WinControl.h"

namespace ui {

class CoolBar : public WinControl {
public:
    CoolBar(Form& form, const QString& name);
};

class ToolButton : public Control {
public:
    enum class Style { Button, Separator };

    ToolButton(Form& form, const QString& name);

    Style style() const { return m_style; }
    void setStyle(Style style);
    // Width taken by a separator.
    int separatorWidth() const { return m_separatorWidth; }
    void setSeparatorWidth(int width);

    const PicturePtr& icon() const { return m_icon; }
    void setIcon(PicturePtr icon);

protected:
    bool clicksOnDoublePress() const override { return true; }

private:
    Style m_style = Style::Button;
    int m_separatorWidth = 8;
    PicturePtr m_icon;
};

class ToolBar : public WinControl {
public:
    ToolBar(Form& form, const QString& name);

    QSize buttonSize() const { return m_buttonSize; }
    void setButtonSize(const QSize& size);

    // Lays the buttons out again (done by itself when a button is added, shown or hidden).
    void arrange();

protected:
    void childrenChanged() override { arrange(); }

private:
    QSize m_buttonSize{23, 22};
};

}  // namespace ui
