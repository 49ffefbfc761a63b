#include "web/sharedbase/BatchPanel.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryControls.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"

namespace sharedbase {

BatchPanel::BatchPanel(app::TFrmPrin& frm, const catalogue::BookEntryControls& book,
                       const exchange::ImportControls& imports, const BatchPanelControls& controls)
    : m_frm(frm), m_book(book), m_imports(imports), m_controls(controls)
{
    controls.cancel.onClick = [this] { SpeedButton9Click(); };
}

void BatchPanel::open(Pass pass)
{
    m_frm.HideAllScreens();
    const catalogue::BookEntryControls& b = m_book;
    b.screen.show();
    b.tabs.setActivePage(&b.entryTab);
    b.searching.hide();
    b.issuePanel.hide();
    b.nextIsbn.hide();
    const exchange::ImportControls& i = m_imports;
    i.bcdiCodes.hide();
    i.keepCopyNumbers.hide();
    i.keepIsbn13.hide();
    i.bcdiStart.hide();
    const BatchPanelControls& c = m_controls;
    c.panel.show();
    c.startNumber.show();
    c.startCaption.show();
    c.coversStart.setVisible(pass == Pass::Covers);
    c.summariesStart.setVisible(pass == Pass::Summaries);
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

int BatchPanel::startNumber() const
{
    return text::StrToInt(m_controls.startNumber.text());
}

void BatchPanel::showBookNumber(qint64 numLivre)
{
    m_controls.startNumber.setText(QString::number(numLivre));
}

void BatchPanel::showProgress(int done, int total)
{
    auto& gauge = m_controls.progress;
    gauge.show();
    gauge.setProgress(total > 0 ? done * 100 / total : 100);
}

void BatchPanel::hide()
{
    m_controls.panel.hide();
}

bool BatchPanel::begin()
{
    if (m_running)
        return false;
    m_running = true;
    m_stopRequested = false;
    return true;
}

}  // namespace sharedbase
