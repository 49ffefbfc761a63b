#include "catalogue/StockTakeScreen.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/StockTakePanel.h"
#include "catalogue/StockTakeScope.h"
#include "catalogue/StockTakeStateFile.h"
#include "platform/db/BulkScope.h"
#include "platform/text/DateText.h"
#include "platform/ui/Application.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"

namespace catalogue {

namespace {

QString today(app::TFrmPrin& frm) { return text::shortDateText(frm.application().clock().currentDateTime().date()); }

}  // namespace

StockTakeScreen::StockTakeScreen(app::TFrmPrin& frm, const BookEntryScreen& entry, const StockTakeControls& controls)
    : m_frm(frm), m_entry(entry), m_controls(controls)
{
    frm.handlers.bind(QStringLiteral("Inventaireannuel1Click"), [this] { Inventaireannuel1Click(); });
    m_controls.start.onClick = [this] { SpeedButton52Click(); };
    m_controls.suspend.onClick = [this] { SpeedButton32Click(); };
}

void StockTakeScreen::Inventaireannuel1Click()
{
    app::TFrmPrin& f = m_frm;
    const StockTakeControls& c = m_controls;
    const BookEntryControls& entry = m_entry.controls();
    f.HideAllScreens();
    entry.screen.show();
    // Showing the panel switches the stock-take mode on.
    c.panel.show();
    entry.code.setFocus();
    // The genres offered are the book screen's.
    ui::ComboBox& genres = c.genre;
    genres.setItems(entry.genre.items());
    // With the mode on, the tips window tells how the stock-take is done.
    if (ui::Form* tips = f.application().findForm(QStringLiteral("Form2")))
        tips->showModal();

    const std::optional<StockTakeState> state = readStockTakeState(f);
    if (!state) {
        f.application().showMessage(QStringLiteral("Pas d'inventaire en cours"));
        return;
    }
    c.kind.setText(state->name);
    genres.setText(state->name);
    StockTakeScope scope(f, c);
    const int total = scope.countAll();
    const int found = scope.countFound();
    setCounter(c.foundCount, found);
    setCounter(c.missingCount, total - found);
    f.application().showMessage(
        QStringList{state->status, state->day, state->name, c.foundCount.text(), c.missingCount.text()}.join(u'\r'));
}

void StockTakeScreen::SpeedButton52Click()
{
    app::TFrmPrin& f = m_frm;
    const StockTakeControls& c = m_controls;
    if (!stockTakePasswordGiven(f))
        return;
    if (f.application().messageBox(QStringLiteral("Ce nouvel Inventaire annulera l'ancien"), QStringLiteral("OK"),
                                   ui::MessageButtons::OkCancel, ui::MessageIcon::Question, 2) != ui::ModalResult::Ok) {
        c.panel.hide();
        return;
    }
    StockTakeScope scope(f, c);
    const QString name = scope.name();
    c.kind.setText(name);
    writeStockTakeState(f, {kStockTakeStarted, today(f), name});

    setCounter(c.missingCount, scope.countAll());
    // Copies out on loan lose their loan date too: the mark and the loan date are one field.
    {
        db::BulkScope bulk(f.db.ADOConnection1);
        db::DataSet& rows = scope.selectFound();
        for (rows.first(); !rows.eof(); rows.next()) {
            rows.edit();
            rows.fieldByName(QStringLiteral("DateEmprunt")).clear();
            rows.post();
        }
    }
    setCounter(c.foundCount, scope.countFound());
    writeStockTakeState(f, {kStockTakeStarted, today(f), name, c.foundCount.text(), c.missingCount.text()});
}

void StockTakeScreen::SpeedButton32Click()
{
    app::TFrmPrin& f = m_frm;
    const StockTakeControls& c = m_controls;
    writeStockTakeState(f, {kStockTakeSuspended, today(f), StockTakeScope(f, c).name(), c.foundCount.text(),
                            c.missingCount.text()});
    c.panel.hide();
    m_entry.controls().screen.hide();
}

}  // namespace catalogue
