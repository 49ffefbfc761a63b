#include "app/HoverHints.h"

#include "app/FrmPrin.h"
#include "platform/ui/WinControl.h"

namespace app {

namespace {

const QString kHelpTitle = QStringLiteral("AIDE ");
const QString kHelpText = QStringLiteral("Pour \u00e9claicir certains points");

void balloonOver(TFrmPrin& frm, const char* name, const QString& title, const QString& text)
{
    frm.ShowBalloonHint(frm.get<ui::WinControl>(QString::fromLatin1(name)), 1, title, text, ui::colors::cream,
                        ui::colors::black);
}

}  // namespace

HoverHints::HoverHints(TFrmPrin& frm) : m_frm(frm)
{
    auto onEnter = [&frm](const char* name, ui::NotifyEvent handler) {
        frm.get<ui::Control>(QString::fromLatin1(name)).onMouseEnter = std::move(handler);
    };
    onEnter("Button87", [this] { Button87Hint(); });
    onEnter("Button88", [this] { Button88MouseEnter(); });
    onEnter("Button59", [this] { Button59hint(); });
    onEnter("PageControl1", [this] { Button59hint(); });

    // A press anywhere on a floating panel moves that panel with the mouse until it is released.
    for (const char* name : {"Panel19", "Panel20", "Panel21", "Panel25", "RelativePanel1", "RelativePanel2"}) {
        auto& panel = frm.get<ui::Control>(QString::fromLatin1(name));
        panel.onMouseDown = [&panel](ui::MouseButton, ui::ShiftState, int, int) { panel.beginMoveDrag(); };
    }
    auto& lookUp = frm.get<ui::Control>(QStringLiteral("Panel21"));
    lookUp.onClick = [&lookUp] { lookUp.bringToFront(); };
}

void HoverHints::Button87Hint() { balloonOver(m_frm, "Button87", kHelpTitle, kHelpText); }

void HoverHints::Button88MouseEnter() { balloonOver(m_frm, "Button88", kHelpTitle, kHelpText); }

void HoverHints::Button59hint()
{
    balloonOver(m_frm, "Button59", QStringLiteral("HELP"),
                QStringLiteral("Quand il y a beaucoup de livres cette op\u00e9ration est longue.\rAttendre !"));
}

}  // namespace app
