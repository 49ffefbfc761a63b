#include "loans/LoanHistory.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "loans/LoanScreen.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/WebBrowser.h"
#include "web/WebResultPanel.h"

namespace loans {

namespace {

// A name as one part of a path under the history folder.
QString historyPart(const QString& name)
{
    return ReplaceAll(name, QStringLiteral(".."), QStringLiteral("_"));
}

}  // namespace

QString loanHistoryFolder(const QString& className, const QString& surname, const QString& firstName)
{
    const QString pupil = historyPart(surname) + u'.' + historyPart(firstName);
    return QStringLiteral("Historique_emprunt\\") + (className.isEmpty() ? pupil : historyPart(className) + u'\\' + pupil);
}

LoanHistoryButton::LoanHistoryButton(app::TFrmPrin& frm, const LoanScreen& screen) : m_frm(frm), m_screen(screen)
{
    screen.controls().history.onClick = [this] { SpeedButton42Click(); };
}

void LoanHistoryButton::SpeedButton42Click()
{
    app::TFrmPrin& f = m_frm;
    const LoanControls& c = m_screen.controls();
    if (c.borrower.text().isEmpty()) {
        f.ShowMessageEntry(176);
        return;
    }
    const QString folder = f.AppDir + loanHistoryFolder(c.className.text(), c.surname.text(), c.firstName.text()) + u'\\';
    if (!files::directoryExists(folder)) {
        f.application().showMessage(f.tables.message(177) + folder);
        return;
    }
    // The web result panel is missing only where a test builds the desk alone.
    const auto* results = f.findPart<web::WebResultPanel>();
    if (results)
        results->controls().address.setText(folder);
    auto& panel = f.get<ui::Control>(QStringLiteral("Panel21"));
    panel.show();
    panel.bringToFront();
    for (const char* name : {"Panel22", "BitBtn2", "BitBtn3", "SpeedButton3"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);
    // The panel's large view, the one its back, forward and go buttons drive.
    if (results)
        results->controls().view.navigate(QStringLiteral("file:") + files::nativePath(folder));
}

}  // namespace loans
