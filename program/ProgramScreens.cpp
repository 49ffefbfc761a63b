#include "program/ProgramScreens.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/BookSave.h"
#include "web/BookLookup.h"

namespace program {

std::vector<app::ScreenInstaller> programScreens()
{
    return {
        [](app::TFrmPrin& frm) {
            auto& entry = frm.addPart<catalogue::BookEntryScreen>(frm);
            frm.addPart<catalogue::BookSave>(frm, entry);
        },
        [](app::TFrmPrin& frm) { frm.addPart<web::BookLookup>(frm); },
    };
}

}  // namespace program
