#include "catalogue/StockTakeScope.h"

#include "app/FrmPrin.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"

#include <QStringList>

namespace catalogue {

QString StockTakeScope::boxText()
{
    ui::ComboBox& box = m_controls.genre;
    if (text::Trim(box.text()) == kWholeTableWord)
        box.setText(QString());
    return box.text();
}

QString StockTakeScope::genre() { return text::Trim(boxText()); }

QString StockTakeScope::name()
{
    const QString box = boxText();
    return box.isEmpty() ? kWholeTableName : box;
}

db::DataSet& StockTakeScope::select(bool foundOnly)
{
    const QString g = genre();
    QStringList conditions;
    db::Params params;
    if (foundOnly)
        conditions << QStringLiteral("DateEmprunt>=0");
    if (!g.isEmpty()) {
        conditions << QStringLiteral("Genre = ?");
        params.add(g);
    }
    QString sql = QStringLiteral("SELECT * FROM table1");
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    db::Query& ars = m_frm.db.ars;
    ars.setSql(sql, params);
    ars.open();
    return ars;
}

int StockTakeScope::countAll() { return selectAll().recordCount(); }

int StockTakeScope::countFound() { return selectFound().recordCount(); }

db::DataSet& StockTakeScope::selectAll() { return select(false); }

db::DataSet& StockTakeScope::selectFound() { return select(true); }

bool StockTakeScope::isMissing(db::DataSet& rows) const
{
    if (!rows.fieldByName(QStringLiteral("DateEmprunt")).asString().isEmpty())
        return false;
    return !m_controls.lentCountAsThere.checked() ||
           rows.fieldByName(QStringLiteral("EmpNom")).asString().isEmpty();
}

int counterValue(const ui::CustomEdit& counter) { return text::Trim(counter.text()).toInt(); }

void setCounter(ui::CustomEdit& counter, int value) { counter.setText(QString::number(value)); }

bool stockTakePasswordGiven(app::TFrmPrin& frm)
{
    const QString answer = frm.application().inputBox(frm.tables.dialog(33), frm.tables.dialog(34), QString(), true);
    if (answer.isEmpty()) {
        // A new installation has no administrator password yet, so no answer could ever pass.
        const QString whereToSetIt = frm.settings.MDP_Administrateur.isEmpty()
                                         ? QStringLiteral("\rAucun mot de passe administrateur n'est encore défini : "
                                                          "choisissez-le dans le menu Outils > Configuration.")
                                         : QString();
        frm.application().showMessage(QStringLiteral("Le mot de passe ne peut être vide") + whereToSetIt);
        return false;
    }
    return answer == frm.settings.MDP_Administrateur;
}

}  // namespace catalogue
