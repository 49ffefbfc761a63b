#include "loans/ReturnInstaller.h"

#include "app/FrmPrin.h"
#include "loans/ReturnCandidates.h"
#include "loans/ReturnCopy.h"
#include "loans/ReturnLayout.h"
#include "loans/ReturnScreen.h"
#include "loans/ReturnSearch.h"
#include "loans/VoiceComments.h"

namespace loans {

void installReturnScreen(app::TFrmPrin& frm)
{
    const ReturnControls controls = buildReturnScreen(frm);
    auto& candidates = frm.addPart<ReturnCandidates>(frm, controls);
    auto& screen = frm.addPart<ReturnScreen>(frm, controls, candidates);
    auto& search = frm.addPart<ReturnSearch>(frm, screen, candidates);
    frm.addPart<ReturnCopy>(frm, screen, search, candidates);
    frm.addPart<VoiceComments>(frm, screen, placeComplementsVoiceIcons(frm));
}

}  // namespace loans
