#include "web/PageFetch.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/BookEntryScreen.h"
#include "platform/files/WindowsPath.h"
#include "platform/ui/RichEdit.h"

#include <QSaveFile>

namespace web {

PageFetch::PageFetch(app::TFrmPrin& frm, browser::WebLimits limits) : m_frm(frm), m_view(frm.networkWaiting(), limits)
{
    // RichEdit7Change: the log field shows its last lines.
    if (const auto* entry = frm.findPart<catalogue::BookEntryScreen>()) {
        ui::RichEdit* log = &entry->controls().log;
        log->onChange = [log] { log->scrollToEnd(); };
    }
}

void PageFetch::NavigateSniffAndWait(const QString& url)
{
    m_frm.DownloadDone = false;
    if (const auto* entry = m_frm.findPart<catalogue::BookEntryScreen>()) {
        ui::RichEdit& progress = entry->controls().log;
        progress.clear();
        progress.show();
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
