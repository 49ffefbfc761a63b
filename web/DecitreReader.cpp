#include "web/DecitreReader.h"

#include "app/FrmPrin.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Edit.h"
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

}  // namespace

bool DecitreReader::enabled(const app::Settings& settings) const
{
    return settings.decitrebool;
}

void DecitreReader::ReadDecitrePage(app::TFrmPrin& frm)
{
    showStep(frm, QStringLiteral("Decitre data"));
    setFieldText(frm, "Edit61", QStringLiteral("decitre"));
    const QString code = text::Trim(fieldText(frm, "Edit10"));
    m_pages.NavigateSniffAndWait(kDecitreSite + QStringLiteral("/livres/") + code + QStringLiteral(".html"));
    auto& summary = frm.get<ui::CustomEdit>(QStringLiteral("RichEdit4"));
    summary.clear();
    const QString html = m_pages.page().innerHtml();
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), html);
    readTitle(frm, html);
    if (fieldText(frm, "Edit4").isEmpty())
        return;

    const QString quote = QStringLiteral("\"");
    QString h = afterOrWhole(html, QStringLiteral("fp_auteur") + quote, 4);
    h = afterOrWhole(h, QStringLiteral("Infosproduit") + quote + u'>', 0);
    if (const QString author = valueBefore(h, QStringLiteral("</a></h2>")); !author.isEmpty())
        setFieldText(frm, "Edit5", text::Trim(author).remove(u'>'));

    const QString summaryTitle = QStringLiteral("<h2 class=\"primary-title\">Résumé</h2>");
    if (text::Pos(summaryTitle, html) > 0) {
        h = textAfter(html, summaryTitle, 4);
        h = afterOrWhole(h, QStringLiteral("<div class=\"content\">"), 4);
        if (const QString text = valueBefore(h, QStringLiteral("</div>")); !text.isEmpty())
            summary.setSelText(text::Trim(text));
    }

    h = afterOrWhole(html, QStringLiteral("fp_fichetechnique_editeur") + quote, 4);
    h = afterOrWhole(h, QStringLiteral("Infosproduit") + quote + u'>', 2);
    if (const QString publisher = valueBefore(h, QStringLiteral("</a>")); !publisher.isEmpty())
        setFieldText(frm, "Edit12", text::Trim(publisher));

    const QString cover = code + QStringLiteral(".jpg");
    if (m_covers.DownloadCover(kDecitrePictures + QStringLiteral("/image//") + code + QStringLiteral("-475x500-1.jpg"),
                               cover)) {
        showStoredCover(frm, cover);
        frm.LookupFound = true;
        setFieldText(frm, "Edit61", QStringLiteral("Decitre"));
    }
}

void DecitreReader::readTitle(app::TFrmPrin& frm, const QString& bodyHtml)
{
    if (!fieldText(frm, "Edit4").isEmpty())
        return;
    const QString rest = afterOrWhole(bodyHtml, QStringLiteral("<h1 class=\"product-title\">"), 4);
    const QString title = text::Pos(QStringLiteral("<span class="), rest) > 0 ? textBefore(rest, QStringLiteral("<"))
                                                                               : QString();
    setFieldText(frm, "Edit4", text::Trim(title));
    const QString subtitleMark = QStringLiteral("<h2 class=\"product-subtitle\">");
    if (text::Pos(subtitleMark, rest) > 0) {
        const QString subtitle = textBefore(textAfter(rest, subtitleMark, 2), QStringLiteral("</h2>"));
        setFieldText(frm, "Edit4", fieldText(frm, "Edit4") + u' ' + text::Trim(subtitle));
    }
}

}  // namespace web
