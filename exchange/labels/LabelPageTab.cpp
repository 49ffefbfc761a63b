#include "exchange/labels/LabelPageTab.h"

#include "app/FrmPrin.h"
#include "app/WebPagePrinting.h"
#include "exchange/HtmlPage.h"
#include "exchange/labels/LabelFlags.h"
#include "exchange/labels/LabelPage.h"
#include "exchange/labels/LabelPrinting.h"
#include "exchange/labels/LabelQuery.h"
#include "exchange/labels/LabelScreenLayout.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/WebBrowser.h"

namespace labels {

namespace {

const QString kPageFile = QStringLiteral("Etiquettes.html");

ui::WebBrowser& pageView(app::TFrmPrin& frm) { return frm.get<ui::WebBrowser>(QStringLiteral("WebBrowser10")); }

}  // namespace

LabelPageTab::LabelPageTab(app::TFrmPrin& frm)
    : printPage([&frm](ui::WebBrowser& view) { return app::printWebPage(frm, view); }), m_frm(frm)
{
    frm.get<ui::Control>(QStringLiteral("SpeedButton36")).onClick = [this] { SpeedButton36Click(); };
    frm.get<ui::Control>(QStringLiteral("SpeedButton37")).onClick = [this] { SpeedButton37Click(); };
    frm.get<ui::Control>(QStringLiteral("Image85")).onClick = [this] { SpeedButton37Click(); };
    frm.get<ui::PageControl>(QStringLiteral("PageControl4")).onChange = [this] { PageControl4Change(); };
}

void LabelPageTab::SpeedButton36Click()
{
    app::TFrmPrin& f = m_frm;
    const auto rowsPerPage = [&f] { return text::StrToInt(f.get<ui::CustomEdit>(QStringLiteral("Edit19")).text()); };
    const int firstRows = rowsPerPage();  // a box that is not a number stops before anything is built
    bool first = true;
    const auto rowsOfPage = [&] {
        if (first) {
            first = false;
            return firstRows;
        }
        return rowsPerPage();
    };
    const bool books = f.get<ui::CheckBox>(QStringLiteral("CheckBox22")).checked();
    const bool otherMedia = f.get<ui::CheckBox>(QStringLiteral("CheckBox24")).checked();
    db::Query& q = f.db.ars;
    q.clearSql();
    q.addSql(labelQuerySql(typeCondition(books, otherMedia), chosenOrder(f, kPageOrderButtons)));
    q.open();
    const LabelPageText page = labelPage(q, f.settings.maker.webSite,
                                         f.get<ui::CheckBox>(QStringLiteral("CheckBox43")).checked(), rowsOfPage);
    q.close();
    q.clearSql();
    m_copiesShown = page.copies;
    exchange::PublishHtmlPage(f, pageView(f), kPageFile, page.page);
}

void LabelPageTab::SpeedButton37Click()
{
    app::TFrmPrin& f = m_frm;
    // Nothing printed, nothing to confirm: every flag stays.
    if (!printPage(pageView(f)))
        return;
    if (f.application().messageBox(f.tables.dialog(29), f.tables.dialog(30), ui::MessageButtons::OkCancel,
                                   ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        f.ShowMessageEntry(175);
        return;
    }
    clearLabelFlags(f, m_copiesShown);
    db::Query& q = f.db.ars;
    q.clearSql();
    q.addSql(labelQuerySql(typeCondition(true, false), chosenOrder(f, kPageOrderButtons)));
    q.open();
    const LabelPageText page = printedLabelPage(q, f.settings.maker.webSite);
    q.close();
    q.clearSql();
    m_copiesShown = page.copies;
    exchange::PublishHtmlPage(f, pageView(f), kPageFile, page.page);
}

void LabelPageTab::PageControl4Change()
{
    exchange::ShowHtmlPage(m_frm, pageView(m_frm), kPageFile);
    m_frm.application().showMessage(QStringLiteral("Cliquez sur le bouton 'Réactualisez l'affichage'"));
}

}  // namespace labels
