#include "web/PageFetch.h"

#include "app/FrmPrin.h"
#include "platform/files/WindowsPath.h"
#include "platform/ui/RichEdit.h"

#include <QSaveFile>

namespace web {

PageFetch::PageFetch(app::TFrmPrin& frm, browser::WebLimits limits)
    : m_frm(frm), m_view(frm.networkWaiting(), limits)
{
    // RichEdit7Change: the log field shows its last lines.
    if (auto* log = frm.find<ui::RichEdit>(QStringLiteral("RichEdit7")))
        log->onChange = [log] { log->scrollToEnd(); };
}

void PageFetch::NavigateSniffAndWait(const QString& url)
{
    m_frm.DownloadDone = false;
    if (auto* progress = m_frm.find<ui::CustomEdit>(QStringLiteral("RichEdit7"))) {
        progress->clear();
        progress->show();
    }
    m_view.navigate(url);
}

void PageFetch::dump(const QString& fileName, const QString& text) const
{
    // A dump that cannot be written loses nothing the look-up needs.
    QSaveFile file(files::nativePath(m_frm.AppDir + fileName));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.toUtf8());
        file.commit();
    }
}

}  // namespace web
