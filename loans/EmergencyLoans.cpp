#include "loans/EmergencyLoans.h"

#include "app/FrmPrin.h"
#include "loans/LoanScreen.h"
#include "loans/ScannedCode.h"
#include "platform/files/FileOps.h"
#include "platform/files/TextFile.h"
#include "platform/files/WindowsPath.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Edit.h"

namespace loans {

std::optional<QStringList> emergencyLoanEntries(const QStringList& lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].contains(QLatin1String("****")))
            continue;
        QStringList entries = lines.mid(i + 1);
        if (entries.isEmpty())
            entries << QString();
        return entries;
    }
    return std::nullopt;
}

EmergencyLoans::EmergencyLoans(app::TFrmPrin& frm, const LoanScreen& screen) : m_frm(frm), m_screen(screen)
{
    frm.handlers.bind(QStringLiteral("I1Click"), [this] { I1Click(); });
    screen.controls().nextEmergency.onClick = [this] { SpeedButton54Click(); };
}

void EmergencyLoans::I1Click()
{
    app::TFrmPrin& f = m_frm;
    f.handlers.run(QStringLiteral("ShowLoanScreen"));
    f.application().showMessage(QStringLiteral(
        "QvlZantor a été interrompu. Outils de réimport des emprunts provenant du fichier 'Emprunts_Urgence.csv'"));
    const std::optional<QString> chosen = f.application().dialogs().openFile(
        ui::OpenFileRequest{QString(), QStringLiteral("*.csv|*.csv"), f.AppDir, QStringLiteral("Emprunts_Urgence.csv")});
    if (!chosen || chosen->isEmpty())
        return;
    if (!files::fileExists(*chosen)) {
        f.application().showMessage(QStringLiteral("Ce fichier n'existe pas"));
        return;
    }
    QStringList lines;
    files::readTextFileLines(files::nativePath(*chosen), lines);
    const std::optional<QStringList> entries = emergencyLoanEntries(lines);
    if (!entries) {
        f.application().showMessage(QStringLiteral("Aucune ligne **** ne sépare l'en-tête des emprunts dans ce fichier : "
                                                   "rien n'est importé."));
        return;
    }
    // A new import starts from its own entries only: nothing of an earlier file is paired again.
    m_slots = *entries;
    m_screen.controls().nextEmergency.show();
    showPair(0);
}

void EmergencyLoans::SpeedButton54Click()
{
    for (qsizetype slot = 0; slot < m_slots.size(); ++slot) {
        if (!m_slots[slot].isEmpty()) {
            showPair(int(slot));
            return;
        }
    }
    m_screen.controls().nextEmergency.hide();
}

void EmergencyLoans::showPair(int slot)
{
    app::TFrmPrin& f = m_frm;
    auto take = [this](int k) { return k < m_slots.size() ? std::exchange(m_slots[k], QString()) : QString(); };
    const LoanControls& c = m_screen.controls();
    c.code.setText(take(slot));
    auto& borrower = c.borrower;
    borrower.setText(take(slot + 1));
    if (isBorrowerCard(borrower.text()))
        borrower.setText(QString::number(borrowerNumber(withoutPrefix(borrower.text()))));
    auto& search = c.search;
    search.show();
    search.setFocus();
    ClickLoanSearch(f);
}

}  // namespace loans
