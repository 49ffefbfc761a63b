#include "catalogue/StockTakeStateFile.h"

#include "app/FrmPrin.h"
#include "platform/files/FileOps.h"
#include "platform/files/TextFile.h"
#include "platform/files/WindowsPath.h"

namespace catalogue {

namespace {

const QString kStateFile = QStringLiteral("Inventaire.txt");

}  // namespace

std::optional<StockTakeState> readStockTakeState(app::TFrmPrin& frm)
{
    const QString path = frm.AppDir + kStateFile;
    QStringList lines;
    if (!files::fileExists(path) || !files::readTextFileLines(files::nativePath(path), lines))
        return std::nullopt;
    lines.resize(std::max<qsizetype>(lines.size(), 5));
    return StockTakeState{lines[0], lines[1], lines[2], lines[3], lines[4]};
}

bool stockTakeRunning(app::TFrmPrin& frm)
{
    const std::optional<StockTakeState> state = readStockTakeState(frm);
    return state && (state->status == kStockTakeStarted || state->status == kStockTakeSuspended);
}

void writeStockTakeState(app::TFrmPrin& frm, const QStringList& lines) { writeStockTakeFile(frm, kStateFile, lines); }

void writeStockTakeFile(app::TFrmPrin& frm, const QString& name, const QStringList& lines)
{
    files::TextFileRecord& file = frm.OutputFile;
    file.assign(frm.AppDir + name);
    file.rewrite();
    for (const QString& line : lines)
        file.writeln(line);
    file.close();
}

}  // namespace catalogue
