#include "exchange/BcdiImportScreen.h"

#include "app/FrmPrin.h"
#include "catalogue/CopyRenumbering.h"
#include "exchange/BcdiImport.h"
#include "exchange/BookScreenShow.h"
#include "platform/db/Transaction.h"
#include "platform/files/ShownPath.h"
#include "platform/files/TextFile.h"
#include "platform/files/WindowsPath.h"
#include "platform/shell/Shell.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Panel.h"

namespace exchange {

BcdiImportScreen::BcdiImportScreen(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, const ImportControls& controls)
    : m_frm(frm), m_book(book), m_controls(controls)
{
    frm.handlers.bind(QStringLiteral("ImporteruneBibliothquedeBcdi1Click"), [this] { ImporteruneBibliothquedeBcdi1Click(); });
    m_controls.bcdiStart.onClick = [this] { ImporterBibliothqueBCDI31Click(); };
}

void BcdiImportScreen::ImporteruneBibliothquedeBcdi1Click()
{
    app::TFrmPrin& f = m_frm;
    f.ShowMessageEntry(111);
    f.services().shell.open(files::nativePath(f.AppDir + QStringLiteral("Import_Export\\Import_BCDi3_QvlZantor.pdf")));
    showBookScreenEssential(f, m_book);
    for (const char* name : {"Button91", "Edit98", "Label159", "SpeedButton51"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);
    m_controls.bcdiPanel.show();
    m_controls.bcdiCodes.show();
    m_controls.keepCopyNumbers.show();
    m_controls.keepIsbn13.show();
    m_controls.bcdiStart.show();
}

void BcdiImportScreen::advanceGauge()
{
    m_progress = m_progress >= 100 ? 1 : m_progress + 1;
    m_controls.bcdiGauge.setProgress(m_progress);
}

void BcdiImportScreen::ImporterBibliothqueBCDI31Click()
{
    app::TFrmPrin& f = m_frm;
    showBookScreenEssential(f, m_book);
    m_controls.bcdiPanel.show();
    ui::Gauge& gauge = m_controls.bcdiGauge;
    gauge.hide();
    if (f.application().messageBox(f.tables.dialog(12), f.tables.dialog(7), ui::MessageButtons::OkCancel,
                                   ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        f.ShowMessageEntry(114);
        return;
    }
    f.ShowMessageEntry(113);
    gauge.show();
    const std::optional<QString> chosen = f.application().dialogs().openFile(
        ui::OpenFileRequest{QString(), QStringLiteral("Fichier export de BCDi3|*.HTM|Tous|*.*"), f.AppDir, QString()});
    QStringList lines;
    if (chosen && !chosen->isEmpty() && !files::readTextFileLines(files::nativePath(*chosen), lines))
        throw std::runtime_error(QStringLiteral("Le fichier %1 ne peut pas être lu").arg(files::shownPath(*chosen)).toStdString());
    ImportReport report;
    {
        // The books, their codes and the copies' numbers go in together: a stop half-way leaves
        // the library as it was.
        db::Transaction transaction(f.db.ADOConnection1);
        const BcdiCodes codes = m_controls.keepCopyNumbers.checked()
                                    ? BcdiCodes::KeepCopyNumbers
                                    : BcdiCodes::KeepIsbn13;
        m_progress = 0;
        report = importBcdiLines(f.db.ADOConnection1, lines, codes, [this] { advanceGauge(); });
        f.db.ars.close();
        numberPendingBooks(f.db.ADOConnection1);
        catalogue::RenumberCopies(f.db.ars);
        transaction.commit();
    }
    f.db.ADOTable1.close();
    f.db.ADOTable1.open();
    f.db.ADOTable1.refresh();
    f.db.ADOTable1.last();
    f.application().showMessage(f.tables.message(114) + QStringLiteral("\r\n") + importReportText(report));
    gauge.hide();
}

}  // namespace exchange
