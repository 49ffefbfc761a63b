// Window and process routines of the main window that every screen calls.
#include "app/FrmPrin.h"

#include "platform/files/FileOps.h"
#include "platform/files/ShownPath.h"
#include "platform/shell/Shell.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/PageControl.h"

namespace app {

void TFrmPrin::HideAllScreens()
{
    static const char* const first[] = {"Panel1", "Panel2", "Panel3", "Panel4"};
    static const char* const rest[] = {
        "Panel5", "Panel6", "Panel7", "Panel8", "Panel9", "Panel12", "Panel13", "Panel14", "Panel15",
        "Panel16", "Panel17", "Panel18", "Panel19", "Panel20", "Panel21", "Panel24", "Panel25", "Panel26",
        "Recherche", "Identification", "Liste", "NumJourno"};
    for (const char* name : first)
        setVisibleIfBuilt(QString::fromLatin1(name), false);
    auto* pages = builtControl<ui::PageControl>(QStringLiteral("PageControl1"));
    auto* essentiel = builtControl<ui::TabSheet>(QStringLiteral("TabSheet7"));
    if (pages && essentiel)
        pages->setActivePage(essentiel);
    for (const char* name : rest)
        setVisibleIfBuilt(QString::fromLatin1(name), false);
}

void TFrmPrin::Delay(int milliseconds) { application().delay(milliseconds); }

void TFrmPrin::FlushKeyboardInput() { application().input().flushKeyboardInput(); }

void TFrmPrin::ShowBalloonHint(ui::WinControl& control, int icon, const QString& title, const QString& text,
                               ui::Color backColor, ui::Color textColor)
{
    ui::BalloonHint hint;
    hint.icon = icon % 4;
    hint.title = title;
    hint.text = text;
    hint.backColor = backColor;
    hint.textColor = textColor;
    control.setBalloonHint(hint);
}

bool TFrmPrin::CopyFolder(const QString& source, const QString& dest)
{
    auto clean = [](const QString& path) {
        QString p = text::Trim(path);
        if (p.endsWith(u'\\'))
            p.chop(1);
        return p;
    };
    const QString from = clean(source);
    const QString to = clean(dest);
    application().showMessage(files::shownPath(to));
    try {
        return files::copyFolder(from, to);
    } catch (const std::exception&) {
        return false;  // an unsafe path is a failed copy, never an error box
    }
}

bool TFrmPrin::KillProcessByName(const QString& exeName)
{
    if (!text::SameText(exeName, programExeName()))
        return false;
    m_services.shell.endProcess();
    return true;
}

void TFrmPrin::MovePointer(int x, int y)
{
    ui::Form* active = application().activeForm();
    const QPoint corner = active ? active->bounds().topLeft() : QPoint();
    application().input().setCursorPos(corner + QPoint(x, y));
}

void TFrmPrin::SlideIn(ui::Control& panel, int until, int step)
{
    panel.setTop(-800);
    panel.show();
    while (panel.top() < until) {
        panel.setTop(panel.top() + step);
        if (settings.AnimationOn)
            Delay(1);
    }
}

}  // namespace app
