#include "platform/ui/qt/ButtonViews.h"

#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Menu.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/qt/Appearance.h"

#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace uiqt {

namespace {

QIcon iconOf(const ui::PicturePtr& picture)
{
    return picture ? QIcon(QPixmap::fromImage(toQImage(*picture))) : QIcon();
}

// A tool bar button: its icon centred, or for a separator a thin etched line.
class ToolBarButton : public QToolButton {
public:
    explicit ToolBarButton(const ui::ToolButton& button) : m_button(button)
    {
        setAutoRaise(true);
        setToolButtonStyle(Qt::ToolButtonIconOnly);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (m_button.style() == ui::ToolButton::Style::Button) {
            QToolButton::paintEvent(event);
            return;
        }
        QPainter painter(this);
        const int x = width() / 2 - 1;
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(x, 2, x, height() - 3);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(x + 1, 2, x + 1, height() - 3);
    }

private:
    const ui::ToolButton& m_button;
};

}  // namespace

PressableView::PressableView(Renderer& renderer, ui::Control& control, QAbstractButton* button)
    : ControlView(renderer, control, button)
{
}

QAbstractButton* PressableView::button() const { return static_cast<QAbstractButton*>(widget()); }

void PressableView::userPressed(QWidget*, QPoint) { button()->setDown(true); }

void PressableView::userReleased() { button()->setDown(false); }

void PressableView::applyText() { button()->setText(ui::stripAccelerator(control().caption())); }

ButtonView::ButtonView(Renderer& renderer, ui::Button& button) : PressableView(renderer, button, new QPushButton) {}

void ButtonView::apply(ui::Property property)
{
    auto& model = static_cast<ui::Button&>(control());
    auto* push = static_cast<QPushButton*>(button());
    switch (property) {
    case ui::Property::Default:
        push->setAutoDefault(false);
        push->setDefault(model.isDefault());
        break;
    case ui::Property::Picture:
        if (auto* bitBtn = dynamic_cast<ui::BitBtn*>(&model)) {
            push->setIcon(iconOf(bitBtn->glyph()));
            if (bitBtn->glyph())
                push->setIconSize(bitBtn->glyph()->size());
        }
        break;
    default: PressableView::apply(property); break;
    }
}

SpeedButtonView::SpeedButtonView(Renderer& renderer, ui::SpeedButton& button)
    : PressableView(renderer, button, new QToolButton)
{
}

void SpeedButtonView::apply(ui::Property property)
{
    if (property != ui::Property::Picture) {
        PressableView::apply(property);
        return;
    }
    const ui::PicturePtr& glyph = static_cast<ui::SpeedButton&>(control()).glyph();
    auto* tool = static_cast<QToolButton*>(button());
    tool->setIcon(iconOf(glyph));
    if (glyph)
        tool->setIconSize(glyph->size());
    tool->setToolButtonStyle(glyph ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextOnly);
}

ToolButtonView::ToolButtonView(Renderer& renderer, ui::ToolButton& button)
    : PressableView(renderer, button, new ToolBarButton(button))
{
}

void ToolButtonView::apply(ui::Property property)
{
    if (property != ui::Property::Picture) {
        PressableView::apply(property);
        return;
    }
    const ui::PicturePtr& icon = static_cast<ui::ToolButton&>(control()).icon();
    button()->setIcon(iconOf(icon));
    if (icon)
        button()->setIconSize(icon->size());
}

CheckBoxView::CheckBoxView(Renderer& renderer, ui::CheckBox& box) : PressableView(renderer, box, new QCheckBox) {}

void CheckBoxView::apply(ui::Property property)
{
    if (property == ui::Property::Checked)
        button()->setChecked(static_cast<ui::CheckBox&>(control()).checked());
    else
        PressableView::apply(property);
}

RadioButtonView::RadioButtonView(Renderer& renderer, ui::RadioButton& radio)
    : PressableView(renderer, radio, new QRadioButton)
{
    button()->setAutoExclusive(false);
}

void RadioButtonView::apply(ui::Property property)
{
    if (property == ui::Property::Checked)
        button()->setChecked(static_cast<ui::RadioButton&>(control()).checked());
    else
        PressableView::apply(property);
}

}  // namespace uiqt
