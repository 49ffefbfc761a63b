#include "exchange/LibraryTransfer.h"

#include "app/BackupCsvExport.h"
#include "app/FrmPrin.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/CopyRenumbering.h"
#include "exchange/BookScreenShow.h"
#include "exchange/LibraryExport.h"
#include "exchange/LibraryImport.h"
#include "platform/db/Transaction.h"
#include "platform/files/ShownPath.h"
#include "platform/files/TextFile.h"
#include "platform/files/WindowsPath.h"
#include "platform/ui/Application.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/SpeedButton.h"

namespace exchange {

namespace {

const QString kLibraryCsv = QStringLiteral("Bibliotheque.csv");
const QString kTitleCsv = QStringLiteral("export_bib.csv");

}  // namespace

LibraryTransfer::LibraryTransfer(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, const ImportControls& controls)
    : m_frm(frm), m_book(book), m_importedLine(controls.importedLine)
{
    frm.handlers.bind(QStringLiteral("Exporter1Click"), [this] { Exporter1Click(); });
    frm.handlers.bind(QStringLiteral("Importerlabibliothque1Click"), [this] { Importerlabibliothque1Click(); });
}

void LibraryTransfer::showSavedMessage(const QString& fileName)
{
    m_frm.application().showMessage(m_frm.tables.message(120) + files::shownPath(m_frm.AppDir + fileName) + QStringLiteral(" \r\n") +
                                    m_frm.tables.message(121));
}

void LibraryTransfer::Exporter1Click()
{
    app::TFrmPrin& f = m_frm;
    if (f.application().messageBox(f.tables.dialog(17), f.tables.dialog(2), ui::MessageButtons::OkCancel,
                                   ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        f.ShowMessageEntry(119);
        return;
    }
    repairBeforeExport(f.db.ars);
    writeLibraryCsv(f.db.ars, f.AppDir + kLibraryCsv);
    showSavedMessage(kLibraryCsv);
    writeTitleExport(f.db.ars, f.AppDir + kTitleCsv);
    f.db.ars.close();
    f.db.ars.clearSql();
    showSavedMessage(kTitleCsv);
}

void LibraryTransfer::Importerlabibliothque1Click()
{
    app::TFrmPrin& f = m_frm;
    showBookScreenEssential(f, m_book);
    m_book.manualEntry.show();
    m_book.codeEntry.hide();
    m_book.progress.hide();
    f.application().showMessage(f.tables.message(100) + u'\r' + f.tables.message(101));
    QStringList notes;
    for (int entry = 102; entry <= 107; ++entry)
        notes << f.tables.message(entry);
    f.application().showMessage(notes.join(u'\r'));
    if (f.application().messageBox(f.tables.dialog(11), QStringLiteral("Importation"), ui::MessageButtons::OkCancel,
                                   ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        f.ShowMessageEntry(109);
        return;
    }
    f.ShowMessageEntry(108);
    const std::optional<QStringList> lines = chosenLibraryLines();
    std::optional<ImportReport> report;
    {
        // The copies, their codes and their numbers go in together: a stop half-way leaves the
        // library as it was.
        db::Transaction transaction(f.db.ADOConnection1);
        if (lines)
            report = importLines(*lines);
        catalogue::RenumberCopies(f.db.ars);
        transaction.commit();
    }
    f.ShowMessageEntry(99);
    f.db.ADOTable1.close();
    f.db.ADOTable1.open();
    f.db.ADOTable1.refresh();
    f.db.ADOTable1.last();
    QString done = f.tables.message(110);
    if (report)
        done += QStringLiteral("\r\n") + importReportText(*report);
    f.application().showMessage(done);
}

std::optional<QStringList> LibraryTransfer::chosenLibraryLines()
{
    app::TFrmPrin& f = m_frm;
    const std::optional<QString> chosen = f.application().dialogs().openFile(
        ui::OpenFileRequest{QString(), QStringLiteral("Base Eleves|*.csv|Tous|*.*"), f.AppDir, QString()});
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    QStringList lines;
    if (!files::readTextFileLines(files::nativePath(*chosen), lines))
        throw std::runtime_error(QStringLiteral("Le fichier %1 ne peut pas être lu").arg(files::shownPath(*chosen)).toStdString());
    const QString header = app::backupCsvHeader();
    if (lines.value(0) != header) {
        f.ShowMessageEntry(98);
        f.application().showMessage(header + u'\r' + lines.value(0));
        return std::nullopt;
    }
    lines.removeFirst();
    return lines;
}

ImportReport LibraryTransfer::importLines(const QStringList& lines)
{
    app::TFrmPrin& f = m_frm;
    ui::Memo& memo = m_importedLine;
    memo.show();
    const OwnCodes before = ownCodes(f.db.ADOConnection1);
    ImportReport report =
        importLibraryLines(f.db.ADOConnection1, lines, [&memo](const QString& line) { memo.setText(line); });
    report.recoded = recodeCollidingCopies(f.db.ADOConnection1, before);
    f.db.ars.close();
    numberCopiesMarkedOne(f.db.ADOConnection1);
    memo.hide();
    return report;
}

}  // namespace exchange
