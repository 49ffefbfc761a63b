#include "pupils/BorrowersResetScreen.h"

#include "app/FrmPrin.h"
#include "platform/files/WindowsPath.h"
#include "platform/ui/Panel.h"
#include "platform/ui/WebBrowser.h"
#include "pupils/YearEndReset.h"
#include "web/WebResultPanel.h"

namespace pupils {

BorrowersResetScreen::BorrowersResetScreen(app::TFrmPrin& frm) : m_frm(frm)
{
    frm.handlers.bind(QStringLiteral("Remettrezro1Click"), [this] { Remettrezro1Click(); });
    frm.handlers.bind(QStringLiteral("Voirtousleslivresdjemprumts1Click"),
                      [this] { Voirtousleslivresdjemprumts1Click(); });
}

void BorrowersResetScreen::Remettrezro1Click()
{
    app::TFrmPrin& f = m_frm;
    const QString password = f.application().inputBox(f.tables.message(214), f.tables.message(215), QString(), true);
    if (password != f.settings.MDP_Administrateur)
        return;
    f.get<ui::Panel>(QStringLiteral("Panel2")).show();
    f.setVisibleIfBuilt(QStringLiteral("Panel20"), false);
    const ui::ModalResult answer = f.application().messageBox(f.tables.message(216), f.tables.message(217),
                                                              ui::MessageButtons::OkCancel, ui::MessageIcon::Warning);
    if (answer != ui::ModalResult::Ok) {
        f.ShowMessageEntry(218);
        return;
    }
    f.application().showMessage(f.tables.message(212) + u'\r' + f.tables.message(213));
    f.setVisibleIfBuilt(QStringLiteral("Panel24"), true);
    const int cleared = resetLoansAndBorrowers(f.db.ADOConnection1);
    f.application().showMessage(QString::number(cleared));
    db::Table& borrowers = f.db.ADOTable3;
    borrowers.close();
    borrowers.setActive(true);
    borrowers.first();
    f.setVisibleIfBuilt(QStringLiteral("Panel24"), false);
}

void BorrowersResetScreen::Voirtousleslivresdjemprumts1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    f.get<ui::Panel>(QStringLiteral("Panel21")).show();
    for (const char* name : {"Panel22", "BitBtn2", "BitBtn3", "SpeedButton3"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);
    // The web result panel is missing only where a test builds the pupils' screens alone.
    if (const auto* results = f.findPart<web::WebResultPanel>())
        results->controls().view.navigate(QStringLiteral("file:") +
                                          files::nativePath(f.AppDir + QStringLiteral("Historique_emprunt\\")));
}

}  // namespace pupils
