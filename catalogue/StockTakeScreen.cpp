#include "catalogue/StockTakeScreen.h"

#include "app/FrmPrin.h"
#include "catalogue/StockTakeLayout.h"
#include "catalogue/StockTakeScope.h"
#include "catalogue/StockTakeStateFile.h"
#include "platform/db/BulkScope.h"
#include "platform/text/DateText.h"
#include "platform/ui/Application.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"

namespace catalogue {

namespace {

QString today(app::TFrmPrin& frm) { return text::shortDateText(frm.application().clock().currentDateTime().date()); }

QString shown(app::TFrmPrin& frm, const char* edit) { return frm.get<ui::CustomEdit>(QString::fromLatin1(edit)).text(); }

}  // namespace

StockTakeScreen::StockTakeScreen(app::TFrmPrin& frm) : m_frm(frm)
{
    buildStockTakeControls(frm);
    frm.handlers.bind(QStringLiteral("Inventaireannuel1Click"), [this] { Inventaireannuel1Click(); });
    frm.get<ui::Control>(QStringLiteral("SpeedButton52")).onClick = [this] { SpeedButton52Click(); };
    frm.get<ui::Control>(QStringLiteral("SpeedButton32")).onClick = [this] { SpeedButton32Click(); };
}

void StockTakeScreen::Inventaireannuel1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    f.get<ui::Control>(QStringLiteral("Panel4")).show();
    // Showing the panel switches the stock-take mode on.
    f.get<ui::Control>(QStringLiteral("Panel25")).show();
    f.get<ui::Edit>(QStringLiteral("Edit1")).setFocus();
    // The genres offered are the book screen's.
    auto& genres = f.get<ui::ComboBox>(QStringLiteral("DBComboBox1"));
    genres.setItems(f.get<ui::ComboBox>(QStringLiteral("ComboBox12")).items());
    // With the mode on, the tips window tells how the stock-take is done.
    if (ui::Form* tips = f.application().findForm(QStringLiteral("Form2")))
        tips->showModal();

    const std::optional<StockTakeState> state = readStockTakeState(f);
    if (!state) {
        f.application().showMessage(QStringLiteral("Pas d'inventaire en cours"));
        return;
    }
    f.get<ui::CustomEdit>(QStringLiteral("Edit146")).setText(state->name);
    genres.setText(state->name);
    StockTakeScope scope(f);
    const int total = scope.countAll();
    const int found = scope.countFound();
    setCounter(f, "Edit147", found);
    setCounter(f, "Edit148", total - found);
    f.application().showMessage(QStringList{state->status, state->day, state->name, shown(f, "Edit147"),
                                            shown(f, "Edit148")}
                                    .join(u'\r'));
}

void StockTakeScreen::SpeedButton52Click()
{
    app::TFrmPrin& f = m_frm;
    if (!stockTakePasswordGiven(f))
        return;
    if (f.application().messageBox(QStringLiteral("Ce nouvel Inventaire annulera l'ancien"), QStringLiteral("OK"),
                                   ui::MessageButtons::OkCancel, ui::MessageIcon::Question, 2) != ui::ModalResult::Ok) {
        f.get<ui::Control>(QStringLiteral("Panel25")).hide();
        return;
    }
    StockTakeScope scope(f);
    const QString name = scope.name();
    f.get<ui::CustomEdit>(QStringLiteral("Edit146")).setText(name);
    writeStockTakeState(f, {kStockTakeStarted, today(f), name});

    setCounter(f, "Edit148", scope.countAll());
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
    setCounter(f, "Edit147", scope.countFound());
    writeStockTakeState(f, {kStockTakeStarted, today(f), name, shown(f, "Edit147"), shown(f, "Edit148")});
}

void StockTakeScreen::SpeedButton32Click()
{
    app::TFrmPrin& f = m_frm;
    writeStockTakeState(f, {kStockTakeSuspended, today(f), StockTakeScope(f).name(), shown(f, "Edit147"),
                            shown(f, "Edit148")});
    f.get<ui::Control>(QStringLiteral("Panel25")).hide();
    f.get<ui::Control>(QStringLiteral("Panel4")).hide();
}

}  // namespace catalogue
