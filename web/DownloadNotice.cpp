#include "web/DownloadNotice.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryControls.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/WebBrowser.h"

namespace web {

DownloadNotice::DownloadNotice(app::TFrmPrin& frm, const catalogue::BookEntryControls& entry)
    : m_frm(frm), m_status(entry.downloadStatus)
{
    // A page that failed has ended its download too.
    entry.downloadView.onNavigationCompleted = [this](bool) { WebBrowser13DownloadComplete(); };
}

void DownloadNotice::WebBrowser13DownloadComplete()
{
    m_status.setSimpleText(QStringLiteral("Terminé"));
    m_frm.DownloadDone = true;
}

}  // namespace web
