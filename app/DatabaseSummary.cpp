#include "app/DatabaseSummary.h"

#include "app/FrmPrin.h"
#include "platform/ui/Application.h"

namespace app {

DatabaseSummary::DatabaseSummary(TFrmPrin& frm) : m_frm(frm)
{
    frm.handlers.bind(QStringLiteral("Info1Click"), [this] { Info1Click(); });
}

QString DatabaseSummary::summaryText()
{
    db::Table& books = m_frm.db.ADOTable1;
    books.setActive(true);
    QList<int> counts;
    for (const char* filter : {"Type='LIVRE'", "Type='LIVRE' and Numemprunteur<>'0'", "Type<>'LIVRE'",
                               "Type<>'LIVRE' and Numemprunteur<>'0'"}) {
        books.setFilter(QString::fromLatin1(filter));
        books.setFiltered(true);
        counts << books.recordCount();
    }
    for (db::Table* table : {&m_frm.db.ADOTable2, &m_frm.db.ADOTable3}) {
        table->setActive(true);
        counts << table->recordCount();
    }
    const char* const labels[] = {" LIVRES", " LIVRES EMPRUNTES", " AUTRES que LIVRES", " AUTRES que LIVRES EMPRUNTES",
                                  " OJECTS A L'INVENTAIRE", " EMPRUNTEURS"};
    QString text;
    for (int i = 0; i < counts.size(); ++i)
        text += QString::number(counts[i]) + QString::fromUtf8(labels[i]) + u'\r';
    return text;
}

void DatabaseSummary::Info1Click() { m_frm.application().showMessage(summaryText()); }

}  // namespace app
