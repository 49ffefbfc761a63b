#include "web/sharedbase/SharedBaseWeb.h"

#include "app/FrmPrin.h"
#include "platform/browser/Texts.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"

namespace sharedbase {

QString SharedBaseWeb::address(const QString& path) const
{
    QString site = m_frm.settings.maker.webSite;
    while (site.endsWith(u'/'))
        site.chop(1);
    return site + path;
}

SharedBaseWeb::Answer SharedBaseWeb::readRecord(const QString& path, QString& text)
{
    if (m_frm.settings.maker.webSite.isEmpty())
        return Answer::Unreachable;
    m_pages.NavigateSniffAndWait(address(path));
    const browser::PageView& page = m_pages.page();
    text = page.innerText();
    if (page.title() == browser::texts().cancelledNavigation)
        return Answer::Unreachable;
    if (text.contains(QLatin1String("ERREUR 404")) || !text.contains(u';'))
        return Answer::Missing;
    return Answer::Found;
}

bool SharedBaseWeb::hasCover(const QString& path, QString& url)
{
    if (m_frm.settings.maker.webSite.isEmpty())
        return false;
    url = address(path);
    m_pages.NavigateSniffAndWait(url);
    const QString title = m_pages.page().title();
    return !title.contains(QLatin1String("404")) && !title.contains(QLatin1String("Exception en GetImage")) &&
           title != browser::texts().cancelledNavigation;
}

bool SharedBaseWeb::downloadCover(const QString& path, const QString& fileName, QString& url)
{
    return hasCover(path, url) && m_covers.DownloadCover(url, fileName);
}

}  // namespace sharedbase
