#include "web/BookFinderReader.h"

#include "app/FrmPrin.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Edit.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"
#include "web/ReaderScreen.h"
#include "web/SiteAddresses.h"

namespace web {

bool BookFinderReader::enabled(const app::Settings& settings) const
{
    return settings.bookfinderbool;
}

void BookFinderReader::ReadBookFinderPage(app::TFrmPrin& frm)
{
    showStep(frm, QStringLiteral("BookFinder data"));
    const QString code = text::Trim(fieldText(frm, "Edit10"));
    m_pages.NavigateSniffAndWait(kBookFinderSite + QStringLiteral("/search/?keywords=") + code +
                                 QStringLiteral("&new_used=*&lang=fr&st=sh&ac=qr&submit="));
    frm.get<ui::CustomEdit>(QStringLiteral("RichEdit4")).clear();
    const browser::PageView& page = m_pages.page();
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), page.innerText());
    const QStringList lines = page.innerText().split(QStringLiteral("\r\n"));
    auto line = [&lines](int number) { return number <= lines.size() ? lines[number - 1] : QString(); };
    setFieldText(frm, "Edit4", line(7));
    // A price list instead of the book's notice.
    const QString title = fieldText(frm, "Edit4");
    if (title.contains(QStringLiteral("Prices INCLUDE standard shipping")) ||
        title.contains(QStringLiteral("Prices do not include shipping"))) {
        for (const char* name : {"Edit4", "Edit5", "Edit12"})
            setFieldText(frm, name, QString());
        return;
    }
    setFieldText(frm, "Edit5", line(8).mid(10));
    setFieldText(frm, "Edit12", line(9).mid(10));
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), page.innerHtml());

    showStep(frm, QStringLiteral("BookFinder image"));
    const QString bookCode = fieldText(frm, "Edit10");
    const QString cover = bookCode + QStringLiteral(".jpg");
    if (m_covers.DownloadCover(kAbeBooksPictures + QStringLiteral("/isbn/") + cover, cover))
        showStoredCover(frm, cover);
    if (!title.isEmpty())
        frm.LookupFound = true;
}

}  // namespace web
