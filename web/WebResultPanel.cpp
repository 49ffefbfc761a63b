#include "web/WebResultPanel.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/BookEntryScreen.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Errors.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"

namespace web {

WebResultPanel::WebResultPanel(app::TFrmPrin& frm, const WebResultControls& controls) : m_frm(frm), m_controls(controls)
{
    const std::pair<ui::Control*, void (WebResultPanel::*)()> handlers[] = {
        {&controls.back, &WebResultPanel::SpeedButton27Click},
        {&controls.forward, &WebResultPanel::SpeedButton28Click},
        {&controls.go, &WebResultPanel::SpeedButton29Click},
        {&controls.close, &WebResultPanel::SpeedButton30Click},
        {&controls.signInOk, &WebResultPanel::SpeedButton1Click},
        {&controls.signInChecked, &WebResultPanel::CheckBox17Click},
    };
    for (const auto& [control, handler] : handlers)
        control->onClick = [this, h = handler] { (this->*h)(); };
}

void WebResultPanel::SpeedButton27Click()
{
    try {
        m_controls.view.goBack();
    } catch (const ui::InvalidOperation&) {
        m_frm.ShowMessageEntry(87);
    }
}

void WebResultPanel::SpeedButton28Click()
{
    try {
        m_controls.view.goForward();
    } catch (const ui::InvalidOperation&) {
    }
}

void WebResultPanel::SpeedButton29Click()
{
    m_controls.view.navigate(m_controls.address.text());
}

void WebResultPanel::SpeedButton30Click()
{
    app::TFrmPrin& f = m_frm;
    const WebResultControls& c = m_controls;
    c.panel.hide();
    const auto* entry = f.findPart<catalogue::BookEntryScreen>();
    if (entry) {
        entry->controls().screen.show();
        entry->controls().titleSearch.show();
    }
    c.takePage.show();
    if (entry)
        entry->controls().save.show();
    // The loan and return screens stay in front of the book screen.
    for (const char* screen : {"Panel14", "Panel15"})
        if (f.get<ui::Control>(QString::fromLatin1(screen)).visible() && entry)
            entry->controls().screen.hide();
    if (!c.schoolPublisher.visible())
        for (ui::Control* button : std::initializer_list<ui::Control*>{&c.readPage, &c.schoolPublisher, &c.takePage})
            button->show();
}

void WebResultPanel::SpeedButton1Click()
{
    m_controls.signInWarning.hide();
}

void WebResultPanel::CheckBox17Click()
{
    m_controls.signInChecked.setChecked(true);
}

}  // namespace web
