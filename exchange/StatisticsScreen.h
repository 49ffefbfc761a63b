#pragma once
// The statistics screen (Panel26): the number of books and of loans, the books and genres lent
// most, and the books the pupils of chosen classes borrow most, each as the page Stat.html; the
// class page also leaves its ranked loans in Sortie.csv.
#include "exchange/StatisticsControls.h"

#include <QString>
#include <QStringList>

namespace app {
class TFrmPrin;
}

namespace exchange {

class StatisticsScreen {
public:
    StatisticsScreen(app::TFrmPrin& frm, StatisticsControls controls);

    const StatisticsControls& controls() const { return m_controls; }

    void StatistiquesClick();
    void SpeedButton45Click();
    void SpeedButton46Click();

private:
    QStringList classTexts(int boxes) const;
    QStringList loanLines() const;
    QString head() const;
    void mostLentBooks(QString& page, int n);
    void genreRanking(QString& page, int box, const QString& genre);
    void publish(const QString& page);

    app::TFrmPrin& m_frm;
    StatisticsControls m_controls;
};

}  // namespace exchange
