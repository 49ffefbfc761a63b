#include "platform/ui/WebBrowser.h"

namespace ui {

WebBrowser::WebBrowser(Form& form, const QString& name) : WinControl(form, name) { setColor(colors::window); }

void WebBrowser::navigate(const QString& url)
{
    m_url = url;
    notify(Property::Data);
}

}  // namespace ui
