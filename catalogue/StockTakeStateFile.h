#pragma once
// Inventaire.txt in the program folder: the state of the stock-take under way, kept between runs
// of the program. Five lines: the status, the day it was written, the stock-take's name (its
// genre or " Complet"), the found count and the not-found count.
#include <QString>
#include <QStringList>
#include <optional>

namespace app {
class TFrmPrin;
}

namespace catalogue {

inline const QString kStockTakeStarted = QStringLiteral("Inventaire en cours");
inline const QString kStockTakeSuspended = QStringLiteral("Inventaire partiel en cours");
inline const QString kStockTakeFinished = QStringLiteral("Inventaire terminé");

struct StockTakeState {
    QString status;
    QString day;
    QString name;
    QString found;
    QString missing;
};

// The state as the file holds it; lines the file lacks read empty. Nothing when there is no file.
std::optional<StockTakeState> readStockTakeState(app::TFrmPrin& frm);
// A stock-take was started and not finished yet (it may be suspended).
bool stockTakeRunning(app::TFrmPrin& frm);
// Rewrites the file with the lines given, in the order of StockTakeState.
void writeStockTakeState(app::TFrmPrin& frm, const QStringList& lines);
// Rewrites a file of the program folder with the stock-take's lines (the state, the lists).
void writeStockTakeFile(app::TFrmPrin& frm, const QString& name, const QStringList& lines);

}  // namespace catalogue
