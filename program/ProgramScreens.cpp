#include "program/ProgramScreens.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/BookSave.h"
#include "catalogue/BooksGrid.h"
#include "catalogue/SearchScreen.h"
#include "web/BookLookupInstaller.h"

namespace program {

std::vector<app::ScreenInstaller> programScreens()
{
    return {
        [](app::TFrmPrin& frm) {
            auto& entry = frm.addPart<catalogue::BookEntryScreen>(frm);
            frm.addPart<catalogue::BookSave>(frm, entry);
            frm.addPart<catalogue::BooksGrid>(frm);
        },
        [](app::TFrmPrin& frm) { web::installBookLookup(frm); },
        [](app::TFrmPrin& frm) { frm.addPart<catalogue::SearchScreen>(frm); },
    };
}

}  // namespace program
