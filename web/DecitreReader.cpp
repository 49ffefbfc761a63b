#include "web/DecitreReader.h"

#include "app/Settings.h"
#include "platform/text/PascalText.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"
#include "web/ReaderScreen.h"
#include "web/SiteAddresses.h"

namespace web {

namespace {

// The text `skip` characters after the end of the marker; the whole text when it is missing.
QString afterOrWhole(const QString& text, const QString& marker, int skip)
{
    return text::Pos(marker, text) > 0 ? textAfter(text, marker, skip) : text;
}

// The text before `end` when it stands at position 2 or later; empty otherwise.
QString valueBefore(const QString& text, const QString& end)
{
    return text::Pos(end, text) >= 2 ? textBefore(text, end) : QString();
}

QString titleOf(const QString& bodyHtml)
{
    const QString rest = afterOrWhole(bodyHtml, QStringLiteral("<h1 class=\"product-title\">"), 4);
    QString title = text::Trim(
        text::Pos(QStringLiteral("<span class="), rest) > 0 ? textBefore(rest, QStringLiteral("<")) : QString());
    const QString subtitleMark = QStringLiteral("<h2 class=\"product-subtitle\">");
    if (text::Pos(subtitleMark, rest) > 0) {
        const QString subtitle = textBefore(textAfter(rest, subtitleMark, 2), QStringLiteral("</h2>"));
        title += u' ' + text::Trim(subtitle);
    }
    return title;
}

}  // namespace

BookRecord readDecitrePage(const QString& bodyHtml, const QString& code, const QString& title)
{
    BookRecord record;
    record.summary = QString();
    if (title.isEmpty())
        record.title = titleOf(bodyHtml);
    if (record.title.value_or(title).isEmpty())
        return record;

    const QString quote = QStringLiteral("\"");
    QString h = afterOrWhole(bodyHtml, QStringLiteral("fp_auteur") + quote, 4);
    h = afterOrWhole(h, QStringLiteral("Infosproduit") + quote + u'>', 0);
    if (const QString author = valueBefore(h, QStringLiteral("</a></h2>")); !author.isEmpty())
        record.author = text::Trim(author).remove(u'>');

    const QString summaryTitle = QStringLiteral("<h2 class=\"primary-title\">Résumé</h2>");
    if (text::Pos(summaryTitle, bodyHtml) > 0) {
        h = textAfter(bodyHtml, summaryTitle, 4);
        h = afterOrWhole(h, QStringLiteral("<div class=\"content\">"), 4);
        if (const QString text = valueBefore(h, QStringLiteral("</div>")); !text.isEmpty())
            record.summary = text::Trim(text);
    }

    h = afterOrWhole(bodyHtml, QStringLiteral("fp_fichetechnique_editeur") + quote, 4);
    h = afterOrWhole(h, QStringLiteral("Infosproduit") + quote + u'>', 2);
    if (const QString publisher = valueBefore(h, QStringLiteral("</a>")); !publisher.isEmpty())
        record.publisher = text::Trim(publisher);

    record.picture = kDecitrePictures + QStringLiteral("/image//") + code + QStringLiteral("-475x500-1.jpg");
    record.foundWithCover = true;
    return record;
}

bool DecitreReader::enabled(const app::Settings& settings) const
{
    return settings.decitrebool;
}

BookRecord DecitreReader::ask(const LookupQuery& query)
{
    query.step(QStringLiteral("Decitre data"));
    const QString code = text::Trim(query.code);
    m_pages.NavigateSniffAndWait(kDecitreSite + QStringLiteral("/livres/") + code + QStringLiteral(".html"));
    const QString html = m_pages.page().innerHtml();
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), html);
    return readDecitrePage(html, code, query.title);
}

void DecitreReader::fetchCover(const LookupQuery& query, BookRecord& record)
{
    const QString cover = text::Trim(query.code) + QStringLiteral(".jpg");
    if (!record.picture.isEmpty() && m_covers.DownloadCover(record.picture, cover))
        record.coverFile = cover;
}

}  // namespace web
