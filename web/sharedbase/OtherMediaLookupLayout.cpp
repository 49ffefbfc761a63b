#include "web/sharedbase/OtherMediaLookupLayout.h"

#include "app/FrmPrin.h"
#include "catalogue/OtherMediaControls.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/WebBrowser.h"

namespace sharedbase {

using ui::placeControl;

OtherMediaLookupControls buildOtherMediaLookup(app::TFrmPrin& frm, const catalogue::OtherMediaControls& media)
{
    auto* search = placeControl<ui::Button>(frm, "Button3", &media.entryTab, QRect(345, 192, 115, 26),
                                            QStringLiteral("Chasse livres"));
    auto* view = placeControl<ui::WebBrowser>(frm, "EdgeBrowser1", &media.screen, QRect(810, 350, 80, 40));
    view->hide();
    auto* page = placeControl<ui::Memo>(frm, "MemoHTML", &media.screen, QRect(900, 350, 80, 40));
    page->hide();
    return {*search, *view, *page};
}

}  // namespace sharedbase
