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
#include "platform/ui/Image.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"

namespace labels {

namespace {

const QString kPageFile = QStringLiteral("Etiquettes.html");

}  // namespace

LabelPageTab::LabelPageTab(app::TFrmPrin& frm, const LabelScreenControls& controls)
    : printPage([&frm](ui::WebBrowser& view) { return app::printWebPage(frm, view); }), m_frm(frm), m_controls(controls)
{
    m_controls.updatePage.onClick = [this] { SpeedButton36Click(); };
    m_controls.printPage.onClick = [this] { SpeedButton37Click(); };
    m_controls.printPagePicture.onClick = [this] { SpeedButton37Click(); };
    m_controls.pages.onChange = [this] { PageControl4Change(); };
}

void LabelPageTab::SpeedButton36Click()
{
    app::TFrmPrin& f = m_frm;
    const auto rowsPerPage = [this] { return text::StrToInt(m_controls.labelsPerPage.text()); };
    const int firstRows = rowsPerPage();  // a box that is not a number stops before anything is built
    bool first = true;
    const auto rowsOfPage = [&] {
        if (first) {
            first = false;
            return firstRows;
        }
        return rowsPerPage();
    };
    const bool books = m_controls.books.checked();
    const bool otherMedia = m_controls.otherMedia.checked();
    db::Query& q = f.db.ars;
    q.clearSql();
    q.addSql(labelQuerySql(typeCondition(books, otherMedia), chosenOrder(m_controls.pageOrder)));
    q.open();
    const LabelPageText page = labelPage(q, f.settings.maker.webSite,
                                         m_controls.copyCodes.checked(), rowsOfPage);
    q.close();
    q.clearSql();
    m_copiesShown = page.copies;
    exchange::PublishHtmlPage(f, m_controls.page, kPageFile, page.page);
}

void LabelPageTab::SpeedButton37Click()
{
    app::TFrmPrin& f = m_frm;
    // Nothing printed, nothing to confirm: every flag stays.
    if (!printPage(m_controls.page))
        return;
    if (f.application().messageBox(f.tables.dialog(29), f.tables.dialog(30), ui::MessageButtons::OkCancel,
                                   ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        f.ShowMessageEntry(175);
        return;
    }
    clearLabelFlags(f, m_copiesShown);
    db::Query& q = f.db.ars;
    q.clearSql();
    q.addSql(labelQuerySql(typeCondition(true, false), chosenOrder(m_controls.pageOrder)));
    q.open();
    const LabelPageText page = printedLabelPage(q, f.settings.maker.webSite);
    q.close();
    q.clearSql();
    m_copiesShown = page.copies;
    exchange::PublishHtmlPage(f, m_controls.page, kPageFile, page.page);
}

void LabelPageTab::PageControl4Change()
{
    exchange::ShowHtmlPage(m_frm, m_controls.page, kPageFile);
    m_frm.application().showMessage(QStringLiteral("Cliquez sur le bouton 'Réactualisez l'affichage'"));
}

}  // namespace labels
