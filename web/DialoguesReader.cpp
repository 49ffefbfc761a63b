#include "web/DialoguesReader.h"

#include "app/Settings.h"
#include "platform/browser/PageDocument.h"
#include "platform/text/PascalText.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"
#include "web/ReaderScreen.h"
#include "web/SiteAddresses.h"

namespace web {

namespace {

    void readDetails(BookRecord& record, const QString& bodyText)
    {
        // Each detail is cut from what the one before left of the text; a label's value runs to
        // the line before the next label.
        struct Detail {
            std::optional<QString> BookRecord::*field;
            const char* label;
            int skip;
            const char* next;
        };
        const Detail details[] = {
            {&BookRecord::published, "Date de publication", 21, "Collection"},
            {&BookRecord::pages, "Nombre de pages", 17, "Dimensions"},
            {&BookRecord::binding, "Dimensions", 12, "Poids"},
        };
        QString rest = bodyText;
        for (const Detail& d : details) {
            const int at = text::Pos(QString::fromUtf8(d.label), rest);
            if (at == 0)
                continue;
            rest = rest.mid(at - 1 + d.skip);
            record.*d.field = textBefore(rest, QString::fromUtf8(d.next), 2);
        }
        const QString dewey = QStringLiteral("Code Dewey : ");
        if (text::Pos(dewey, rest) > 0) {
            rest = textAfter(rest, dewey);
            record.dewey = textBefore(rest, QStringLiteral("\r"));
        }
        if (const int euro = text::Pos(QStringLiteral("€"), rest); euro > 0) {
            rest = rest.mid(qMax(0, euro - 1 - 10));
            rest = textAfter(rest, QStringLiteral("\r\n"));
            record.price = textBefore(rest, QStringLiteral("€"));
        }
        const QString presentation = QStringLiteral("Présentation");
        if (const int at = text::Pos(presentation, bodyText); at > 0) {
            const QString text = bodyText.mid(at - 1 + int(presentation.size()));
            record.summary = textBefore(text, QStringLiteral("Caractéristiques"), 2);
        }
    }

    void readPicture(BookRecord& record, const QString& bodyHtml)
    {
        QString address = bodyHtml;
        if (text::Pos(QStringLiteral("product-main-image"), address) > 0)
            address = textAfter(address, QStringLiteral("product-main-image"));
        const int webp = text::Pos(QStringLiteral(".webp"), address);
        const int host = text::Pos(kDialoguesPictureHost, address);
        // Without both, the page shows no picture of the book.
        if (webp == 0 || host == 0 || host > webp)
            return;
        record.picture = QStringLiteral("Http://") + address.mid(host - 1, webp + 4 - host + 1);
        record.coverName = record.picture;
    }

}  // namespace

BookRecord readDialoguesPage(const browser::PageDocument& page)
{
    BookRecord record;
    record.summary = QString();
    const QString bodyText = page.innerText();
    QString title = page.title();
    auto notFound = [&record] {
        record.found = false;
        record.title = QString();
    };
    for (const char* missing : {"Non trouvé", "non trouvé", "Aucun résultat"})
        if (bodyText.contains(QString::fromUtf8(missing))) {
            notFound();
            return record;
        }
    if (const int bar = text::Pos(QStringLiteral("|"), title); bar > 0)
        title = title.left(bar - 1);
    if (const int dash = text::Pos(QStringLiteral("-"), title); dash > 0) {
        record.title = title.left(dash - 1);
        record.found = true;
        title = title.mid(dash);
        record.author = text::Trim(title);
        if (const int comma = text::Pos(QStringLiteral(","), title); comma > 0)
            record.publisher = text::Trim(title.left(comma - 1));
    }
    // A book no longer sold keeps the author and publisher its title gave.
    if (bodyText.contains(QStringLiteral("est plus disponible."))) {
        notFound();
        return record;
    }
    readDetails(record, bodyText);
    readPicture(record, page.innerHtml());
    return record;
}

bool DialoguesReader::enabled(const app::Settings& settings) const
{
    return settings.dialoguebool;
}

BookRecord DialoguesReader::ask(const LookupQuery& query)
{
    query.step(QStringLiteral("Dialogues data"));
    m_pages.NavigateSniffAndWait(kDialoguesSite + QStringLiteral("/livre/") + query.code);
    const browser::PageDocument& page = m_pages.page().document();
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.html"), page.innerHtml());
    m_pages.dump(QStringLiteral("dialogue_Title.txt"), page.title());
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), page.innerText());
    return readDialoguesPage(page);
}

void DialoguesReader::fetchCover(const LookupQuery& query, BookRecord& record)
{
    const QString cover = query.code + QStringLiteral(".jpg");
    if (!record.picture.isEmpty() && m_covers.DownloadCover(record.picture, cover))
        record.coverFile = cover;
}

}  // namespace web
