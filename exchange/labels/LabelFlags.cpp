#include "exchange/labels/LabelFlags.h"

#include "app/FrmPrin.h"
#include "platform/db/BulkScope.h"

#include <QSet>

namespace labels {

void clearLabelFlags(app::TFrmPrin& frm, const QList<qint64>& copies)
{
    db::BulkScope bulk(frm.db.ADOConnection1);
    QSet<qint64> done;
    for (qint64 copy : copies) {
        if (done.contains(copy))
            continue;
        done.insert(copy);
        frm.db.ADOConnection1.execute(
            QStringLiteral("UPDATE table1 SET Imp_Codebarres = False WHERE Imp_Codebarres = True and NumLivre = ?"), {copy});
    }
}

}  // namespace labels
