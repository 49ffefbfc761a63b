#include "web/sharedbase/BatchPanel.h"

#include "app/FrmPrin.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"

namespace sharedbase {

namespace {

// The panel's controls at their places, each made unless a screen built it already.
template <class T>
T* ensure(app::TFrmPrin& frm, const char* name, ui::WinControl* parent, const QRect& place, const QString& text = {})
{
    if (auto* existing = frm.find<ui::Control>(QString::fromLatin1(name)))
        return dynamic_cast<T*>(existing);
    T* c = frm.create<T>(QString::fromLatin1(name), parent);
    c->setBounds(place);
    if (!text.isEmpty())
        c->setText(text);
    return c;
}

// The import's controls share the panel; they belong to the library import.
const char* const kImportControls[] = {"RadioGroup2", "RadioButton3", "RadioButton4", "Button1"};

}  // namespace

BatchPanel::BatchPanel(app::TFrmPrin& frm) : m_frm(frm)
{
    auto* tab = frm.find<ui::WinControl>(QStringLiteral("TabSheet7"));
    auto* panel = ensure<ui::Panel>(frm, "Panel20", tab, QRect(300, 270, 420, 150));
    ensure<ui::Label>(frm, "Label159", panel, QRect(16, 16, 130, 16), QStringLiteral("Commencer au  N° ?"));
    ensure<ui::Edit>(frm, "Edit98", panel, QRect(150, 12, 80, 22), QStringLiteral("1"));
    ensure<ui::Button>(frm, "Button91", panel, QRect(16, 48, 250, 28), QStringLiteral("Commencer la recherche images"));
    ensure<ui::SpeedButton>(frm, "SpeedButton51", panel, QRect(16, 48, 250, 28),
                            QStringLiteral("Commencer la recherche résumé"));
    ensure<ui::SpeedButton>(frm, "SpeedButton9", panel, QRect(276, 48, 108, 28), QStringLiteral("Annuler"));
    ensure<ui::Gauge>(frm, "Gauge3", panel, QRect(16, 100, 384, 20));
    if (auto* memo = ensure<ui::Memo>(frm, "Memo6", frm.find<ui::WinControl>(QStringLiteral("Panel4")),
                                      QRect(800, 380, 250, 120)))
        memo->hide();
    panel->hide();
    frm.get<ui::Control>(QStringLiteral("SpeedButton9")).onClick = [this] { SpeedButton9Click(); };
}

void BatchPanel::open(Pass pass)
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    f.setVisibleIfBuilt(QStringLiteral("Panel4"), true);
    if (auto* pages = f.find<ui::PageControl>(QStringLiteral("PageControl1")))
        pages->setActivePage(f.find<ui::TabSheet>(QStringLiteral("TabSheet7")));
    for (const char* name : {"Panel19", "NumJourno", "Button31"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);
    for (const char* name : kImportControls)
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);
    f.setVisibleIfBuilt(QStringLiteral("Panel20"), true);
    for (const char* name : {"Edit98", "Label159"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), true);
    f.setVisibleIfBuilt(QStringLiteral("Button91"), pass == Pass::Covers);
    f.setVisibleIfBuilt(QStringLiteral("SpeedButton51"), pass == Pass::Summaries);
}

void BatchPanel::SpeedButton9Click()
{
    // The book view is left on its last row, as the pass leaves it at its end.
    if (m_frm.db.ADOTable1.active())
        m_frm.db.ADOTable1.last();
    m_frm.settings.pricebool = false;
    m_stopRequested = m_running;
    hide();
}

int BatchPanel::startNumber() const { return text::StrToInt(m_frm.get<ui::CustomEdit>(QStringLiteral("Edit98")).text()); }

void BatchPanel::showBookNumber(qint64 numLivre)
{
    m_frm.get<ui::CustomEdit>(QStringLiteral("Edit98")).setText(QString::number(numLivre));
}

void BatchPanel::showProgress(int done, int total)
{
    auto& gauge = m_frm.get<ui::Gauge>(QStringLiteral("Gauge3"));
    gauge.show();
    gauge.setProgress(total > 0 ? done * 100 / total : 100);
}

void BatchPanel::hide() { m_frm.setVisibleIfBuilt(QStringLiteral("Panel20"), false); }

bool BatchPanel::begin()
{
    if (m_running)
        return false;
    m_running = true;
    m_stopRequested = false;
    return true;
}

}  // namespace sharedbase
