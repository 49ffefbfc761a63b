#include "web/DialoguesReader.h"

#include "app/FrmPrin.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Edit.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"
#include "web/ReaderScreen.h"
#include "web/SiteAddresses.h"

namespace web {

bool DialoguesReader::enabled(const app::Settings& settings) const
{
    return settings.dialoguebool;
}

void DialoguesReader::ReadDialoguesPage(app::TFrmPrin& frm)
{
    showStep(frm, QStringLiteral("Dialogues data"));
    m_pages.NavigateSniffAndWait(kDialoguesSite + QStringLiteral("/livre/") + fieldText(frm, "Edit10"));
    auto& summary = frm.get<ui::CustomEdit>(QStringLiteral("RichEdit4"));
    summary.clear();
    const browser::PageView& page = m_pages.page();
    const QString bodyText = page.innerText();
    QString title = page.title();
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.html"), page.innerHtml());
    m_pages.dump(QStringLiteral("dialogue_Title.txt"), title);
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), bodyText);

    auto notFound = [&frm] {
        frm.LookupFound = false;
        setFieldText(frm, "Edit4", QString());
    };
    for (const char* missing : {"Non trouvé", "non trouvé", "Aucun résultat"})
        if (bodyText.contains(QString::fromUtf8(missing))) {
            notFound();
            return;
        }
    if (const int bar = text::Pos(QStringLiteral("|"), title); bar > 0)
        title = title.left(bar - 1);
    if (const int dash = text::Pos(QStringLiteral("-"), title); dash > 0) {
        setFieldText(frm, "Edit4", title.left(dash - 1));
        frm.LookupFound = true;
        title = title.mid(dash);
        setFieldText(frm, "Edit5", text::Trim(title));
        if (const int comma = text::Pos(QStringLiteral(","), title); comma > 0) {
            setFieldText(frm, "Edit12", text::Trim(title.left(comma - 1)));
            title = title.mid(comma);
        }
    }
    if (bodyText.contains(QStringLiteral("est plus disponible."))) {
        notFound();
        return;
    }
    readDetails(frm, bodyText);
    readCover(frm, page.innerHtml());
}

void DialoguesReader::readDetails(app::TFrmPrin& frm, const QString& bodyText)
{
    // Each detail is cut from what the one before left of the text; a label's value runs to
    // the line before the next label.
    struct Detail {
        const char* field;
        const char* label;
        int skip;
        const char* next;
    };
    const Detail details[] = {
        {"Edit6", "Date de publication", 21, "Collection"},
        {"Edit7", "Nombre de pages", 17, "Dimensions"},
        {"Edit91", "Dimensions", 12, "Poids"},
    };
    QString rest = bodyText;
    for (const Detail& d : details) {
        const int at = text::Pos(QString::fromUtf8(d.label), rest);
        if (at == 0)
            continue;
        rest = rest.mid(at - 1 + d.skip);
        setFieldText(frm, d.field, textBefore(rest, QString::fromUtf8(d.next), 2));
    }
    const QString dewey = QStringLiteral("Code Dewey : ");
    if (text::Pos(dewey, rest) > 0) {
        rest = textAfter(rest, dewey);
        setFieldText(frm, "Edit95", textBefore(rest, QStringLiteral("\r")));
    }
    if (const int euro = text::Pos(QStringLiteral("€"), rest); euro > 0) {
        rest = rest.mid(qMax(0, euro - 1 - 10));
        rest = textAfter(rest, QStringLiteral("\r\n"));
        setFieldText(frm, "Edit92", textBefore(rest, QStringLiteral("€")));
    }
    const QString presentation = QStringLiteral("Présentation");
    if (const int at = text::Pos(presentation, bodyText); at > 0) {
        const QString text = bodyText.mid(at - 1 + int(presentation.size()));
        frm.get<ui::CustomEdit>(QStringLiteral("RichEdit4")).setSelText(textBefore(text, QStringLiteral("Caractéristiques"), 2));
    }
}

void DialoguesReader::readCover(app::TFrmPrin& frm, const QString& bodyHtml)
{
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.html"), bodyHtml);
    QString address = bodyHtml;
    if (text::Pos(QStringLiteral("product-main-image"), address) > 0)
        address = textAfter(address, QStringLiteral("product-main-image"));
    const int webp = text::Pos(QStringLiteral(".webp"), address);
    const int host = text::Pos(kDialoguesPictureHost, address);
    // Without both, the page shows no picture of the book.
    if (webp == 0 || host == 0 || host > webp)
        return;
    address = QStringLiteral("Http://") + address.mid(host - 1, webp + 4 - host + 1);
    setFieldText(frm, "Edit61", address);
    const QString code = fieldText(frm, "Edit10");
    if (m_covers.DownloadCover(address, code + QStringLiteral(".jpg")))
        showStoredCover(frm, code + QStringLiteral(".jpg"));
}

}  // namespace web
