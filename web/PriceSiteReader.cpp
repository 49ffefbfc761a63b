#include "web/PriceSiteReader.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/IsbnConversions.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Edit.h"
#include "platform/ui/WebBrowser.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"
#include "web/PageScriptResult.h"
#include "web/ReaderScreen.h"
#include "web/SiteAddresses.h"

#include <QUrl>

namespace web {

namespace {

const QString kPricePath = kChasseSite + QStringLiteral("/prix/");

// The text after the marker's first occurrence up to the first `end`; empty when either is
// missing.
QString between(const QString& text, const QString& marker, int skip, const QString& end)
{
    const QString rest = textAfter(text, marker, skip);
    return textBefore(rest, end);
}

}  // namespace

QString priceSitePictureAddress(const QString& pageText)
{
    const QString linked = textAfter(pageText, QStringLiteral("<link rel=image_src href="));
    const int host = text::Pos(kChassePictureHost, linked);
    const QString picture = host > 0 ? linked.mid(host - 1) : QString();
    const int jpg = text::Pos(QStringLiteral(".jpg"), picture);
    return jpg > 0 ? picture.left(jpg + 3) : QString();
}

BookRecord readPriceSitePage(const QString& html, const QString& address, const QString& code)
{
    BookRecord record;
    record.isbn10 = catalogue::Isbn13To10(code);
    // A price page's address ends with the book's title as words joined by "-", after the
    // ISBN-10 and a slash; a search page names no book.
    const QString slug = address.startsWith(kPricePath) ? address.mid(kPricePath.size() + 11) : QString();
    const QString title =
        text::Trim(ReplaceAll(QUrl::fromPercentEncoding(slug.toUtf8()), QStringLiteral("-"), QStringLiteral(" ")));
    if (title.isEmpty())
        return record;
    record.title = title;
    record.found = true;
    record.picture = priceSitePictureAddress(html);
    record.priceSitePicture = record.picture;
    const QString authorPart = textAfter(html, QStringLiteral("Auteur(s)&nbsp"));
    record.author = between(authorPart, QStringLiteral("title="), 0, QStringLiteral(">"));
    // A missing marker leaves its field empty rather than filling it with the page.
    record.published = between(html, QStringLiteral("Paru"), 1, QStringLiteral("chez"));
    record.publisher = between(html, QStringLiteral("chez"), 1, QStringLiteral("-"));
    record.coverName = QStringLiteral("ChasseLivre");
    return record;
}

namespace {

    ui::WebBrowser& createView(app::TFrmPrin& frm, ui::WinControl& screen)
    {
        auto* view = frm.create<ui::WebBrowser>(QStringLiteral("EdgeBrowser2"), &screen);
        view->setBounds(QRect(980, 400, 80, 40));
        view->hide();
        return *view;
    }

    ui::Memo& createPageText(app::TFrmPrin& frm, ui::WinControl& screen)
    {
        auto* memo = frm.create<ui::Memo>(QStringLiteral("Memo10"), &screen);
        memo->setBounds(QRect(1070, 400, 80, 40));
        memo->hide();
        return *memo;
    }

}  // namespace

PriceSiteReader::PriceSiteReader(app::TFrmPrin& frm, ui::WinControl& screen, CoverDownload& covers)
    : m_frm(frm), m_covers(covers), m_view(createView(frm, screen)), m_pageText(createPageText(frm, screen))
{
    m_view.onNavigationCompleted = [this](bool ok) { EdgeBrowser2NavigationCompleted(ok); };
    m_view.onExecuteScript = [this](const QString& json) { EdgeBrowser2ExecuteScript(json); };
}

bool PriceSiteReader::enabled(const app::Settings& settings) const { return settings.ChasseLivrebool; }

BookRecord PriceSiteReader::ask(const LookupQuery& query)
{
    const QString& code = query.code;
    // A look-up started while this one waits finds the view busy.
    if (m_waiting || code.size() != 13 || !catalogue::isAllDigits(code))
        return {};
    m_code = code;
    m_record = {};
    m_waiting = true;
    m_view.navigate(code.startsWith(QLatin1String("979")) ? kChasseSite + QStringLiteral("/search?query=") + code
                                                          : kPricePath + catalogue::Isbn13To10(code));
    m_view.waitIdle(kPageWaitMs);
    m_waiting = false;
    return m_record;
}

void PriceSiteReader::fetchCover(const LookupQuery& query, BookRecord& record)
{
    const QString cover = query.code + QStringLiteral(".jpg");
    if (!record.picture.isEmpty() && m_covers.DownloadCover(record.picture, cover))
        record.coverFile = cover;
}

void PriceSiteReader::EdgeBrowser2NavigationCompleted(bool isSuccess)
{
    if (m_waiting && isSuccess)
        m_view.executeScript(kOuterHtmlScript);
}

void PriceSiteReader::EdgeBrowser2ExecuteScript(const QString& resultJson)
{
    // The look-up has gone on without this page: it would fill another book.
    if (!m_waiting || resultJson == u"null")
        return;
    const QString html = pageTextOfScriptResult(resultJson);
    const QString address = m_view.locationUrl();
    m_pageText.setText(html);
    if (const PageFetch* pages = m_frm.findPart<PageFetch>()) {
        pages->dump(QStringLiteral("dialogue_InnerHTML.Html"), html);
        pages->dump(QStringLiteral("Title.txt"), address);
    }
    // A later page of the same wait takes the place of the first unless it names no book.
    BookRecord record = readPriceSitePage(html, address, m_code);
    if (record.found || !m_record.found)
        m_record = std::move(record);
}

}  // namespace web
