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

PriceSiteReader::PriceSiteReader(app::TFrmPrin& frm, CoverDownload& covers) : m_frm(frm), m_covers(covers)
{
    auto* panel = &frm.get<ui::WinControl>(QStringLiteral("Panel4"));
    auto* view = frm.create<ui::WebBrowser>(QStringLiteral("EdgeBrowser2"), panel);
    view->setBounds(QRect(980, 400, 80, 40));
    view->hide();
    auto* memo = frm.create<ui::Memo>(QStringLiteral("Memo10"), panel);
    memo->setBounds(QRect(1070, 400, 80, 40));
    memo->hide();
    view->onNavigationCompleted = [this](bool ok) { EdgeBrowser2NavigationCompleted(ok); };
    view->onExecuteScript = [this](const QString& json) { EdgeBrowser2ExecuteScript(json); };
}

bool PriceSiteReader::enabled(const app::Settings& settings) const { return settings.ChasseLivrebool; }

void PriceSiteReader::ask(app::TFrmPrin& frm)
{
    const QString code = fieldText(frm, "Edit10");
    // A look-up started while this one waits finds the view busy.
    if (m_waiting || code.size() != 13 || !catalogue::isAllDigits(code))
        return;
    auto& view = frm.get<ui::WebBrowser>(QStringLiteral("EdgeBrowser2"));
    m_waiting = true;
    view.navigate(code.startsWith(QLatin1String("979")) ? kChasseSite + QStringLiteral("/search?query=") + code
                                                        : kPricePath + catalogue::Isbn13To10(code));
    view.waitIdle(kPageWaitMs);
    m_waiting = false;
}

void PriceSiteReader::EdgeBrowser2NavigationCompleted(bool isSuccess)
{
    if (m_waiting && isSuccess)
        m_frm.get<ui::WebBrowser>(QStringLiteral("EdgeBrowser2")).executeScript(kOuterHtmlScript);
}

void PriceSiteReader::EdgeBrowser2ExecuteScript(const QString& resultJson)
{
    // The look-up has gone on without this page: it would fill another book.
    if (!m_waiting || resultJson == u"null")
        return;
    const QString html = pageTextOfScriptResult(resultJson);
    const QString address = m_frm.get<ui::WebBrowser>(QStringLiteral("EdgeBrowser2")).locationUrl();
    m_frm.get<ui::CustomEdit>(QStringLiteral("Memo10")).setText(html);
    if (const PageFetch* pages = m_frm.findPart<PageFetch>()) {
        pages->dump(QStringLiteral("dialogue_InnerHTML.Html"), html);
        pages->dump(QStringLiteral("Title.txt"), address);
    }
    readPage(html, address);
}

void PriceSiteReader::readPage(const QString& html, const QString& address)
{
    app::TFrmPrin& f = m_frm;
    const QString code = fieldText(f, "Edit10");
    setFieldText(f, "Edit2", catalogue::Isbn13To10(code));
    // A price page's address ends with the book's title as words joined by "-", after the
    // ISBN-10 and a slash; a search page names no book.
    const QString slug = address.startsWith(kPricePath) ? address.mid(kPricePath.size() + 11) : QString();
    const QString title = text::Trim(ReplaceAll(QUrl::fromPercentEncoding(slug.toUtf8()), QStringLiteral("-"),
                                                QStringLiteral(" ")));
    if (title.isEmpty())
        return;
    setFieldText(f, "Edit4", title);
    f.LookupFound = true;

    const QString picture = priceSitePictureAddress(html);
    setFieldText(f, "Edit146", picture);
    const QString cover = code + QStringLiteral(".jpg");
    if (!picture.isEmpty() && m_covers.DownloadCover(picture, cover))
        showStoredCover(f, cover);

    const QString authorPart = textAfter(html, QStringLiteral("Auteur(s)&nbsp"));
    setFieldText(f, "Edit5", between(authorPart, QStringLiteral("title="), 0, QStringLiteral(">")));
    // A missing marker leaves its field empty rather than filling it with the page.
    setFieldText(f, "Edit6", between(html, QStringLiteral("Paru"), 1, QStringLiteral("chez")));
    setFieldText(f, "Edit12", between(html, QStringLiteral("chez"), 1, QStringLiteral("-")));
    setFieldText(f, "Edit61", QStringLiteral("ChasseLivre"));
}

}  // namespace web
