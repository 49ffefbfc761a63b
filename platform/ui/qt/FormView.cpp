#include "platform/ui/qt/FormView.h"

#include "platform/ui/Form.h"
#include "platform/ui/qt/Appearance.h"
#include "platform/ui/qt/Renderer.h"

#include <QScrollArea>

namespace uiqt {

FormView::FormView(Renderer& renderer, ui::Form& form)
    : ControlView(renderer, form, new FormWindow(form)),
      m_form(form),
      m_window(static_cast<FormWindow*>(widget())),
      m_menu(form, m_window->menuBar())
{
}

FormView::~FormView() { delete m_window; }

void FormView::apply(ui::Property property)
{
    switch (property) {
    case ui::Property::Bounds:
    case ui::Property::Menu:
        if (property == ui::Property::Menu)
            m_menu.rebuild();
        m_window->layoutFromModel();
        break;
    case ui::Property::Visible:
        if (m_form.visible()) {
            // The model runs a modal form's loop; Qt keeps the other windows from input meanwhile.
            m_window->setWindowModality(m_form.modal() ? Qt::ApplicationModal : Qt::NonModal);
            m_window->layoutFromModel();
            m_window->show();
            applyFocus();
        } else {
            m_window->hide();
        }
        break;
    case ui::Property::Text:
        m_window->setWindowTitle(m_form.caption());
        m_window->update();
        break;
    case ui::Property::Hint: m_window->client()->setToolTip(toolTip()); break;
    case ui::Property::Font:
        m_window->client()->setFont(toQFont(m_form.font()));
        applyColors();
        break;
    case ui::Property::ActiveControl: applyFocus(); break;
    case ui::Property::Active:
        m_window->update();
        if (m_form.active() && m_window->isVisible()) {
            m_window->raise();
            m_window->activateWindow();
        }
        break;
    default: ControlView::apply(property); break;
    }
}

void FormView::applyColors()
{
    const QColor background = toQColor(m_form.color());
    for (QWidget* area : {m_window->client(), m_window->scrollArea()->viewport()}) {
        QPalette palette = area->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, toQColor(m_form.font().color));
        area->setPalette(palette);
        area->setAutoFillBackground(true);
    }
}

void FormView::applyFocus()
{
    if (!m_window->isVisible())
        return;
    QWidget* target = m_form.activeControl() ? renderer().widgetFor(*m_form.activeControl()) : nullptr;
    (target ? target : m_window->client())->setFocus(Qt::OtherFocusReason);
}

MouseRouting FormView::mouseRouting(const QWidget* receiver) const
{
    // The client area is the model's; the caption and menu bars and the scroll bars are Qt's.
    const QWidget* viewport = m_window->scrollArea()->viewport();
    return receiver == m_window->client() || receiver == viewport ? MouseRouting::ModelOnly : MouseRouting::WidgetOnly;
}

}  // namespace uiqt
