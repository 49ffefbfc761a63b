#include "web/sharedbase/AutomaticSummaries.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/DescriptorExtraction.h"
#include "platform/browser/Texts.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"
#include "web/PageFetch.h"
#include "web/ReaderScreen.h"
#include "web/SiteAddresses.h"
#include "web/sharedbase/BatchPanel.h"

#include <QScopeGuard>
#include <vector>

namespace sharedbase {

namespace {

const QString kNoSummary = QStringLiteral("Pas de résumé");
// A page whose title stays empty is loaded again this many times, then counted as failed.
constexpr int kPageAttempts = 3;

struct SummaryBook {
    qint64 numLivre = 0;
    QString isbn13;
    QString resume;
    QString descripteur;
};

bool hasSummary(const QString& resume) { return !resume.isEmpty() && resume != kNoSummary; }

}  // namespace

QString fittedDescriptors(const QString& descriptors, int fieldSize)
{
    if (fieldSize <= 0 || descriptors.size() <= fieldSize)
        return descriptors;
    const QString cut = descriptors.left(fieldSize + 1);
    return descriptors.left(qMax(qsizetype(0), cut.lastIndexOf(u'.')));
}

AutomaticSummaries::AutomaticSummaries(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, BatchPanel& panel,
                                       web::PageFetch& pages)
    : m_frm(frm), m_book(book), m_panel(panel), m_pages(pages)
{
    frm.handlers.bind(QStringLiteral("RechercheautomatiqueRsums1Click"), [this] { RechercheautomatiqueRsums1Click(); });
    panel.controls().summariesStart.onClick = [this] { SpeedButton51Click(); };
}

void AutomaticSummaries::RechercheautomatiqueRsums1Click()
{
    m_panel.open(BatchPanel::Pass::Summaries);
    m_frm.application().showMessage(QStringLiteral("Cette recherche peut être longue patience !"));
}

void AutomaticSummaries::SpeedButton51Click()
{
    app::TFrmPrin& f = m_frm;
    m_book.theme.setText(QStringLiteral("0"));
    m_book.owner.setText(QStringLiteral("0"));
    if (ui::Edit& start = m_panel.controls().startNumber; start.text().isEmpty())
        start.setText(QStringLiteral("1"));
    const int start = m_panel.startNumber();
    if (!m_panel.begin())
        return;
    // An error ends the pass (the panel stays shown), so that the next one can start.
    const auto ended = qScopeGuard([this] { m_panel.end(); });
    // The books are taken first, in the book view's order and filter: pages are waited for with
    // the window working, and the view may be moved meanwhile.
    db::Table& view = f.db.ADOTable1;
    view.open();
    view.refresh();
    std::vector<SummaryBook> books;
    for (view.first(); !view.eof(); view.next()) {
        auto text = [&view](const char* name) { return view.fieldByName(QString::fromLatin1(name)).asString(); };
        const qint64 number = view.fieldByName(QStringLiteral("NumLivre")).asInteger();
        if (number >= start)
            books.push_back({number, text("Isbn13"), text("Resume"), text("Descripteur")});
    }
    const int total = int(books.size());
    for (int i = 0; i < total && !m_panel.stopRequested(); ++i) {
        const SummaryBook& book = books[size_t(i)];
        m_panel.showBookNumber(book.numLivre);
        m_book.code.setText(book.isbn13);
        QString resume, descriptors;
        if (hasSummary(book.resume) && book.descripteur.isEmpty()) {
            descriptors = catalogue::extractDescriptorText(f.ThesaurusTable, book.resume);
            m_book.theme.setText(descriptors);
        } else if (book.isbn13.size() == 13 && !hasSummary(book.resume)) {
            resume = FetchDecitreSummary();
            if (!resume.isEmpty())
                descriptors = catalogue::extractDescriptorText(f.ThesaurusTable, resume);
        }
        if (!resume.isEmpty() || !descriptors.isEmpty()) {
            db::Query row(f.db.ADOConnection1);
            row.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumLivre = ?"), {book.numLivre});
            row.open();
            if (!row.isEmpty()) {
                row.edit();
                if (!resume.isEmpty())
                    row.fieldByName(QStringLiteral("Resume")).setAsString(resume);
                if (!descriptors.isEmpty()) {
                    db::Field field = row.fieldByName(QStringLiteral("Descripteur"));
                    field.setAsString(fittedDescriptors(descriptors, field.size()));
                }
                row.post();
            }
        }
        m_panel.showProgress(i + 1, total);
        f.application().processMessages();
    }
    m_panel.hide();
}

QString AutomaticSummaries::FetchDecitreSummary()
{
    m_book.coverName.setText(QStringLiteral("decitre"));
    const QString address =
        web::kDecitreSite + QStringLiteral("/livres/") + text::Trim(m_book.code.text()) + QStringLiteral(".html");
    const browser::PageView& page = m_pages.page();
    for (int attempt = 0; attempt < kPageAttempts; ++attempt) {
        m_pages.NavigateSniffAndWait(address);
        if (!page.title().isEmpty() && page.title() != browser::texts().cancelledNavigation)
            break;
    }
    m_book.coverAddress.setText(page.title());
    m_book.summary.setText(QString());
    const QString text = page.innerText();
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), text);
    m_book.coverName.setText(QStringLiteral("Decitre"));
    if (page.title().isEmpty() || page.title() == browser::texts().cancelledNavigation) {
        countFailedPage();
        return {};
    }
    if (text.contains(QLatin1String("Aucun résultat")) || text.contains(QLatin1String("ERREUR 404")))
        return {};
    const int at = text::Pos(QStringLiteral("Résumé"), text);
    if (at < 10)
        return {};
    const QString rest = text.mid(at - 1 + 7);
    const int end = text::Pos(QStringLiteral("Caractéristiques"), rest) - 1;
    if (end <= 0)
        return {};
    const QString summary = text::Trim(rest.left(end));
    if (summary.isEmpty())
        return {};
    m_book.summary.setText(summary);
    return QStringLiteral("Decitre ") + summary;
}

void AutomaticSummaries::countFailedPage()
{
    const int failed = text::StrToIntDef(m_book.owner.text().section(u' ', 0, 0), 0) + 1;
    m_book.owner.setText(QString::number(failed) + QStringLiteral(" decitre"));
}

}  // namespace sharedbase
