#include "web/DownloadNotice.h"

#include "app/FrmPrin.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/WebBrowser.h"

namespace web {

DownloadNotice::DownloadNotice(app::TFrmPrin& frm) : m_frm(frm)
{
    // A page that failed has ended its download too.
    if (auto* view = frm.find<ui::WebBrowser>(QStringLiteral("WebBrowser13")))
        view->onNavigationCompleted = [this](bool) { WebBrowser13DownloadComplete(); };
}

void DownloadNotice::WebBrowser13DownloadComplete()
{
    m_frm.get<ui::StatusBar>(QStringLiteral("StatusBar2")).setSimpleText(QStringLiteral("Terminé"));
    m_frm.DownloadDone = true;
}

}  // namespace web
