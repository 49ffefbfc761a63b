#include "web/BookFinderReader.h"

#include "app/Settings.h"
#include "platform/browser/PageDocument.h"
#include "platform/text/PascalText.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"
#include "web/SiteAddresses.h"

namespace web {

BookRecord readBookFinderPage(const browser::PageDocument& page, const QString& code)
{
    BookRecord record;
    record.summary = QString();
    const QStringList lines = page.innerText().split(QStringLiteral("\r\n"));
    auto line = [&lines](int number) { return number <= lines.size() ? lines[number - 1] : QString(); };
    const QString title = line(7);
    // A price list instead of the book's notice.
    if (title.contains(QStringLiteral("Prices INCLUDE standard shipping")) ||
        title.contains(QStringLiteral("Prices do not include shipping"))) {
        record.title = record.author = record.publisher = QString();
        return record;
    }
    record.title = title;
    record.author = line(8).mid(10);
    record.publisher = line(9).mid(10);
    record.picture = kAbeBooksPictures + QStringLiteral("/isbn/") + code + QStringLiteral(".jpg");
    if (!title.isEmpty())
        record.found = true;
    return record;
}

bool BookFinderReader::enabled(const app::Settings& settings) const
{
    return settings.bookfinderbool;
}

BookRecord BookFinderReader::ask(const LookupQuery& query)
{
    query.step(QStringLiteral("BookFinder data"));
    m_pages.NavigateSniffAndWait(kBookFinderSite + QStringLiteral("/search/?keywords=") + text::Trim(query.code) +
                                 QStringLiteral("&new_used=*&lang=fr&st=sh&ac=qr&submit="));
    const browser::PageDocument& page = m_pages.page().document();
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), page.innerText());
    BookRecord record = readBookFinderPage(page, query.code);
    if (!record.picture.isEmpty())
        m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), page.innerHtml());
    return record;
}

void BookFinderReader::fetchCover(const LookupQuery& query, BookRecord& record)
{
    if (record.picture.isEmpty())
        return;
    query.step(QStringLiteral("BookFinder image"));
    const QString cover = query.code + QStringLiteral(".jpg");
    if (m_covers.DownloadCover(record.picture, cover))
        record.coverFile = cover;
}

}  // namespace web
